<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CaptureSession</name>
    <message>
        <source>无法保留这次标注。</source>
        <translation>This annotation cannot be kept.</translation>
    </message>
    <message>
        <source>无法撤销这一步。</source>
        <translation>This step cannot be undone.</translation>
    </message>
    <message>
        <source>无法重做这一步。</source>
        <translation>This step cannot be redone.</translation>
    </message>
</context>
<context>
    <name>CaptureToolbar</name>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>复制退出</source>
        <translation>Copy and close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出截屏</source>
        <translation>Close capture</translation>
    </message>
    <message>
        <source>添加箭头</source>
        <translation>Add arrow</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>添加椎圆</source>
        <translation>Add ellipse</translation>
    </message>
    <message>
        <source>添加矩形</source>
        <translation>Add rectangle</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>帮助内容</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>1：Chromadeck 由一个随机色美术图形小工具发展而来。</source>
        <translation>1: Chromadeck grew out of a small random-colour art tool.</translation>
    </message>
    <message>
        <source>2：可快速制作圆形、椭圆形、条形、方形美术色块。</source>
        <translation>2: It quickly makes circles, ellipses, bars and boxes of colour.</translation>
    </message>
    <message>
        <source>3：可填写多色多角度大小文字。</source>
        <translation>3: It writes text in any colour, angle and size.</translation>
    </message>
    <message>
        <source>4：可任意贴图。</source>
        <translation>4: It pastes stickers anywhere.</translation>
    </message>
    <message>
        <source>5：可制作旋转图用于贴图。</source>
        <translation>5: It turns pictures to use as stickers.</translation>
    </message>
    <message>
        <source>6：可制作抠图用于贴图。</source>
        <translation>6: It makes cut-outs to use as stickers.</translation>
    </message>
    <message>
        <source>7：可任意屏蔽一种贴图色。</source>
        <translation>7: It can leave out any one colour of a sticker.</translation>
    </message>
    <message>
        <source>8：可任意取背景图并可上面贴图。</source>
        <translation>8: It takes any picture as background to paste on.</translation>
    </message>
    <message>
        <source>8：随手点几下，就能得到一幅色彩缤纷的图案。</source>
        <translation>9: A few clicks give a picture full of colour.</translation>
    </message>
    <message>
        <source>9：本软件可用于美工、电脑美术学习和娱乐。</source>
        <translation>10: Use it for design, learning computer art, or fun.</translation>
    </message>
    <message>
        <source>9：操作非常简单，不学就会。</source>
        <translation>11: It is simple enough to use without learning.</translation>
    </message>
    <message>
        <source>10：本软件是绿色U盘版，随身携带方便实用。</source>
        <translation>12: It needs no setup and runs from a USB stick.</translation>
    </message>
</context>
<context>
    <name>MainPanelView</name>
    <message>
        <source>宽x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>高y=</source>
        <translation>y=</translation>
    </message>
    <message>
        <source>大小:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>调配椭圆:</source>
        <translation>Ellipse:</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>“%1” is a folder, not a file.</translation>
    </message>
    <message>
        <source>“%1” is a named pipe, not a file.</source>
        <translation>“%1” is a named pipe, not a file.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a file.</source>
        <translation>“%1” is a socket, not a file.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a file.</source>
        <translation>“%1” is a device, not a file.</translation>
    </message>
    <message>
        <source>The file is %1 MB, more than the %2 MB a picture file may have.</source>
        <translation>The file is %1 MB, more than the %2 MB a picture file may have.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Not enough memory to read the file.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>The %1 file ends before its picture data does: it is damaged or was not copied completely.</source>
        <translation>The %1 file ends before its picture data does: it is damaged or was not copied completely.</translation>
    </message>
    <message>
        <source>无法打开图片“%1”：
%2</source>
        <translation>Cannot open the picture “%1”:
%2</translation>
    </message>
    <message>
        <source>the picture of %1 x %2 pixels cannot be shown; the one shown before stays.</source>
        <translation>the picture of %1 x %2 pixels cannot be shown; the one shown before stays.</translation>
    </message>
    <message>
        <source>Bitmap(*.bmp)</source>
        <translation>Bitmap(*.bmp)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>All files(*.*)</translation>
    </message>
    <message>
        <source>无法保存图片“%1”：
%2</source>
        <translation>Cannot save the picture “%1”:
%2</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels and would take %3 MB of memory, more than the %4 MB a picture may take.</source>
        <translation>the picture is %1 x %2 pixels and would take %3 MB of memory, more than the %4 MB a picture may take.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can read.</source>
        <translation>The file is not a picture this program can read.</translation>
    </message>
    <message>
        <source>the picture of %1 x %2 pixels cannot be converted for display.</source>
        <translation>the picture of %1 x %2 pixels cannot be converted for display.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>There is no picture to save.</translation>
    </message>
    <message>
        <source>the picture cannot be prepared for saving.</source>
        <translation>the picture cannot be prepared for saving.</translation>
    </message>
    <message>
        <source>The picture cannot be written: %1</source>
        <translation>The picture cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>PictureMemory</name>
    <message>
        <source>内存不足：</source>
        <translation>Not enough memory: </translation>
    </message>
</context>
<context>
    <name>PictureRotation</name>
    <message>
        <source>旋转</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>保存旋转图</source>
        <translation>Save rotated picture</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>桌面没有提供截图服务（xdg-desktop-portal）。</source>
        <translation>The desktop offers no screenshot service (xdg-desktop-portal).</translation>
    </message>
    <message>
        <source>截图被取消了。</source>
        <translation>The screenshot was cancelled.</translation>
    </message>
    <message>
        <source>桌面的截图服务拒绝了截图。</source>
        <translation>The desktop&apos;s screenshot service refused the screenshot.</translation>
    </message>
    <message>
        <source>桌面的截图服务没有回答。</source>
        <translation>The desktop&apos;s screenshot service did not answer.</translation>
    </message>
    <message>
        <source>桌面的截图服务给出的图片无法读取：</source>
        <translation>The picture from the desktop&apos;s screenshot service cannot be read: </translation>
    </message>
</context>
<context>
    <name>SaveImageFile</name>
    <message>
        <source>A %1 file cannot hold this picture of %2 x %3 pixels.</source>
        <translation>A %1 file cannot hold this picture of %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>the picture cannot be prepared for saving.</source>
        <translation>the picture cannot be prepared for saving.</translation>
    </message>
    <message>
        <source>下标越界</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>无效的图片</source>
        <translation>Invalid picture</translation>
    </message>
    <message>
        <source>在保存图片的过程中发生错误:</source>
        <translation>An error occurred while saving the picture:</translation>
    </message>
    <message>
        <source>错误号: </source>
        <translation>Error number: </translation>
    </message>
    <message>
        <source>错误描述: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>桌面只给出了一张全黑的画面。</source>
        <translation>The desktop gave only an all-black picture.</translation>
    </message>
</context>
<context>
    <name>StickerBoxes</name>
    <message>
        <source>导入图片</source>
        <translation>Import picture</translation>
    </message>
</context>
<context>
    <name>chromadeck</name>
    <message>
        <source>The file cannot be written.</source>
        <translation>The file cannot be written.</translation>
    </message>
    <message>
        <source>GIF error %1</source>
        <translation>GIF error %1</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>There is no picture to save.</translation>
    </message>
    <message>
        <source>A GIF picture is at most %1 pixels wide and high; this one is %2 x %3.</source>
        <translation>A GIF picture is at most %1 pixels wide and high; this one is %2 x %3.</translation>
    </message>
    <message>
        <source>Not enough memory to save the picture.</source>
        <translation>Not enough memory to save the picture.</translation>
    </message>
</context>
<context>
    <name>chromadeck::CaptureForm</name>
    <message>
        <source>截屏</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>这个桌面不允许程序读取屏幕内容。</source>
        <translation>This desktop does not let programs read the screen.</translation>
    </message>
    <message>
        <source>无法截取屏幕：</source>
        <translation>Cannot capture the screen: </translation>
    </message>
    <message>
        <source>无法保存屏幕画面（%1 x %2 像素），截屏窗口不会打开。</source>
        <translation>the screen picture (%1 x %2 pixels) cannot be kept; the capture window will not open.</translation>
    </message>
    <message>
        <source>内存不足：</source>
        <translation>Not enough memory: </translation>
    </message>
    <message>
        <source>PNG文件(*.PNG)</source>
        <translation>PNG files(*.PNG)</translation>
    </message>
    <message>
        <source>JPEG文件(*.jpg;*.jpeg)</source>
        <translation>JPEG files(*.jpg;*.jpeg)</translation>
    </message>
    <message>
        <source>位图文件(*.bmp)</source>
        <translation>Bitmap files(*.bmp)</translation>
    </message>
    <message>
        <source>GIF文件(*.gif)</source>
        <translation>GIF files(*.gif)</translation>
    </message>
    <message>
        <source>TIFF文件(*.TIFF)</source>
        <translation>TIFF files(*.TIFF)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files(*.*)</translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>chromadeck::Form1</name>
    <message>
        <source>关闭帮助</source>
        <translation>Close help</translation>
    </message>
    <message>
        <source>添加新文本</source>
        <translation>New text</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清除底图</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>帮助内容</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>关于Tessaly</source>
        <translation>About Tessaly</translation>
    </message>
    <message>
        <source>随机色图形制作</source>
        <translation>Colour shapes</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>条形</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>点右图自动生成</source>
        <translation>Click to draw</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>顶高</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>调配椭圆:</source>
        <translation>Ellipse:</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>正方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>长方形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>显示文本框</source>
        <translation>Show text</translation>
    </message>
    <message>
        <source>关闭文本框</source>
        <translation>Hide text</translation>
    </message>
    <message>
        <source>添加文本</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>文本颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>贴图</source>
        <translation>Sticker</translation>
    </message>
    <message>
        <source>导入图片</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>旋转图片</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>旋转范围</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>高</source>
        <translation>H</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>W</translation>
    </message>
    <message>
        <source>确定旋转</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>清除旋转图</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存旋转图</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>显示副图</source>
        <translation>Show boxes</translation>
    </message>
    <message>
        <source>关闭副图</source>
        <translation>Hide boxes</translation>
    </message>
    <message>
        <source>抠图</source>
        <translation>Cut out</translation>
    </message>
    <message>
        <source>选贴图屏蔽色</source>
        <translation>Mask colour</translation>
    </message>
</context>
<context>
    <name>chromadeck::Form11</name>
    <message>
        <source>Tessaly抠图</source>
        <translation>Tessaly cut-out</translation>
    </message>
    <message>
        <source>抠图</source>
        <translation>Cut out</translation>
    </message>
    <message>
        <source>笔宽1</source>
        <translation>Pen 1</translation>
    </message>
    <message>
        <source>笔宽2</source>
        <translation>Pen 2</translation>
    </message>
    <message>
        <source>笔宽3</source>
        <translation>Pen 3</translation>
    </message>
    <message>
        <source>小擦子</source>
        <translation>Small eraser</translation>
    </message>
    <message>
        <source>大擦子</source>
        <translation>Big eraser</translation>
    </message>
    <message>
        <source>选后点要屏蔽的色区</source>
        <translation>Click area to mask</translation>
    </message>
    <message>
        <source>屏蔽色默认为白色</source>
        <translation>Mask: white</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Pen colour</translation>
    </message>
    <message>
        <source>选屏蔽色</source>
        <translation>Mask colour</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>清除图片</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>使用方法</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>   用画笔描绘封闭区域，作屏蔽区，选屏蔽色填充，将图片保存后再导入，用于贴图。</source>
        <translation>   Outline an area with the pen, fill it with the mask colour, save, then import it as a sticker.</translation>
    </message>
</context>
</TS>
