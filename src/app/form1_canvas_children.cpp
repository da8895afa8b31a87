// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "canvas/controls/client_area.h"
#include "canvas/controls/control_factory.h"
#include "design_geometry.h"
#include "figures/main_canvas.h"
#include "fonts.h"
#include "sample_pictures.h"

#include <QCoreApplication>
#include <QStringList>

namespace chromadeck {

namespace {

// The floating picture boxes: grabbed and moved with the size-all pointer, showing what
// they hold at its own size, drawn on screen only.
void setUpFloatingPicture(Canvas* box, const char* name, QRect geometry, int borderStyle) {
    box->setObjectName(QString::fromUtf8(name));
    setClientGeometry(box, geometry);
    box->setBorderStyle(borderStyle);
    box->setAutoSize(true);
    box->setMousePointer(platform::CursorCode::SizeAll);
    box->surface().setAutoRedraw(false);
    box->surface().setScaleMode(DrawingSurface::kPixels);
    box->hide();
}

// What "帮助内容" shows, a line each.
constexpr const char* kHelpLines[] = {
    QT_TRANSLATE_NOOP("HelpPanel", "帮助内容"),
    QT_TRANSLATE_NOOP("HelpPanel", "1：Chromadeck 由一个随机色美术图形小工具发展而来。"),
    QT_TRANSLATE_NOOP("HelpPanel", "2：可快速制作圆形、椭圆形、条形、方形美术色块。"),
    QT_TRANSLATE_NOOP("HelpPanel", "3：可填写多色多角度大小文字。"),
    QT_TRANSLATE_NOOP("HelpPanel", "4：可任意贴图。"),
    QT_TRANSLATE_NOOP("HelpPanel", "5：可制作旋转图用于贴图。"),
    QT_TRANSLATE_NOOP("HelpPanel", "6：可制作抠图用于贴图。"),
    QT_TRANSLATE_NOOP("HelpPanel", "7：可任意屏蔽一种贴图色。"),
    QT_TRANSLATE_NOOP("HelpPanel", "8：可任意取背景图并可上面贴图。"),
    QT_TRANSLATE_NOOP("HelpPanel", "8：随手点几下，就能得到一幅色彩缤纷的图案。"),
    QT_TRANSLATE_NOOP("HelpPanel", "9：本软件可用于美工、电脑美术学习和娱乐。"),
    QT_TRANSLATE_NOOP("HelpPanel", "9：操作非常简单，不学就会。"),
    QT_TRANSLATE_NOOP("HelpPanel", "10：本软件是绿色U盘版，随身携带方便实用。"),
};

QString helpText() {
    QStringList lines;
    for (const char* line : kHelpLines) lines << QCoreApplication::translate("HelpPanel", line);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void Form1::buildCanvasChildren() {
    Picture1 = new Canvas(centralWidget());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // The colours and the picture before the size: each of them repaints the whole image,
    // which costs nothing while the canvas is small, and the image is painted at its full
    // size once, when the canvas takes it.
    setUpMainCanvas(Picture1->surface());
    Picture1->setPicture(app::mainSamplePicture());
    Picture1->setBorderStyle(1);
    Picture1->setGeometry(twipsRect(app::kCanvasLeft, app::kCanvasTop, 23385, 14025));
    Picture1->setMousePointer(platform::CursorCode::Arrow);

    // Created bottom first: the help panel and the guides lie under the button, the text
    // box and the floating pictures. All of them are placed inside the canvas's border.
    Label18 = new ClickableLabel(helpText(), Picture1);
    Label18->setObjectName(QStringLiteral("Label18"));
    setClientGeometry(Label18, twipsRect(30, 0, 7815, 2625));
    Label18->setFont(songFont());
    Label18->setBackColor(RGB(177, 48, 129));
    QPalette help = Label18->palette();
    help.setColor(QPalette::WindowText, Qt::white);
    Label18->setPalette(help);
    Label18->setWordWrap(true);
    Label18->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label18->hide();

    Line1 = new LineControl(RGB(255, 0, 0), Picture1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->hide();
    Line2 = new LineControl(RGB(0, 0, 255), Picture1);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->hide();

    Command7 = new QPushButton(tr("关闭帮助"), Picture1);
    Command7->setObjectName(QStringLiteral("Command7"));
    setClientGeometry(Command7, twipsRect(6090, 2190, 1095, 375));
    Command7->setFont(songFont());
    Command7->hide();

    Text5 = new QLineEdit(tr("添加新文本"), Picture1);
    Text5->setObjectName(QStringLiteral("Text5"));
    setClientGeometry(Text5, twipsRect(30, 30, 3885, 675));
    Text5->setFont(songFont(15, true));
    QPalette entry = Text5->palette();
    entry.setColor(QPalette::Base, RGB(192, 192, 255).toQColor());
    Text5->setPalette(entry);
    Text5->hide();

    Picture3 = new Canvas(Picture1);
    setUpFloatingPicture(Picture3, "Picture3", twipsRect(12330, 60, 5205, 2475), 1);
    Picture3->setPicture(app::smallSamplePicture());

    Picture2 = new Canvas(Picture1);
    setUpFloatingPicture(Picture2, "Picture2", twipsRect(9600, 3660, 7935, 7545), 0);
    Picture2->surface().setBackColor(RGB(255, 255, 255));
}

}  // namespace chromadeck
