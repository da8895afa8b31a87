// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/controls/caption_fit.h"
#include "canvas/controls/control_factory.h"
#include "design_geometry.h"
#include "fonts.h"
#include "form1.h"

namespace chromadeck {

void Form1::buildPanel() {
    Frame1 = new QGroupBox(tr("随机色图形制作"), centralWidget());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(0, 90, 1635, 14805));
    Frame1->setFont(songFont(9, true));
    Frame1->setProperty("Tag", QStringLiteral("0"));
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    QGroupBox* f = Frame1;

    // The boxes first, so every control lies above the outline around it.
    Shape1 = newBox(f, "Shape1", twipsRect(60, 1950, 1485, 1485));
    Shape2 = newBox(f, "Shape2", twipsRect(60, 3480, 1485, 1305));
    Shape4 = newBox(f, "Shape4", twipsRect(60, 4830, 1485, 1965));
    Shape5 = newBox(f, "Shape5", twipsRect(60, 6810, 1485, 735));
    Shape6 = newBox(f, "Shape6", twipsRect(60, 7530, 1485, 3465));
    Shape3 = newBox(f, "Shape3", twipsRect(60, 10980, 1485, 705));

    optStyle[0] = newOption(f, "optStyle(0)", tr("圆形"), twipsRect(180, 360, 975, 315));
    optStyle[2] = newOption(f, "optStyle(2)", tr("条形"), twipsRect(180, 690, 915, 315));
    Label8 = newLabel(f, "Label8", tr("点右图自动生成"), twipsRect(150, 1020, 1395, 255));
    Label1 = newLabel(f, "Label1", tr("宽度"), twipsRect(150, 1290, 1125, 315));
    Combo3 = newCombo(f, "Combo3", QStringLiteral("50"), twipsRect(90, 1500, 1305, 300));

    // The circle group and the bar group share the first box; one shows at a time.
    Label6 = newLabel(f, "Label6", tr("大小"), twipsRect(90, 1980, 1215, 285));
    Label4 = newLabel(f, "Label4", tr("顶高"), twipsRect(120, 2040, 1335, 285));
    HScroll1 = newScrollBar(f, "HScroll1", twipsRect(90, 2280, 1395, 285), 10, 5000, 1000);
    Combo4 = newCombo(f, "Combo4", QStringLiteral("1"), twipsRect(120, 2280, 1365, 300));
    Label7 = newLabel(f, "Label7", tr("调配椭圆:"), twipsRect(120, 2700, 1395, 285));
    Label5 = newLabel(f, "Label5", tr("高度"), twipsRect(120, 2730, 1215, 255));
    HScroll2 = newScrollBar(f, "HScroll2", twipsRect(120, 2970, 1365, 285), 2, 20, 10);
    Combo5 = newCombo(f, "Combo5", QStringLiteral("1300"), twipsRect(120, 2970, 1365, 300));

    optStyle[4] = newOption(f, "optStyle(4)", tr("正方形"), twipsRect(120, 3540, 1005, 315));
    HScroll3 = newScrollBar(f, "HScroll3", twipsRect(120, 3840, 1365, 285), 10, 900, 260);
    optStyle[3] = newOption(f, "optStyle(3)", tr("长方形"), twipsRect(120, 4140, 1035, 315));
    HScroll4 = newScrollBar(f, "HScroll4", twipsRect(120, 4410, 1365, 285), 10, 900, 180);

    Option2 = newOption(f, "Option2", tr("显示文本框"), twipsRect(120, 4890, 1245, 285));
    Option1 = newOption(f, "Option1", tr("关闭文本框"), twipsRect(120, 5160, 1230, 240));
    optStyle[6] = newOption(f, "optStyle(6)", tr("添加文本"), twipsRect(120, 5370, 1095, 285));
    Label11 = newLabel(f, "Label11", tr("角度"), twipsRect(120, 5670, 465, 285));
    Combo6 = newCombo(f, "Combo6", QStringLiteral("0"), twipsRect(570, 5610, 675, 300));
    Command12 = newButton(f, "Command12", tr("字体"), twipsRect(120, 5940, 1095, 375));
    Command13 = newButton(f, "Command13", tr("文本颜色"), twipsRect(120, 6330, 1095, 375));

    optStyle[5] = newOption(f, "optStyle(5)", tr("贴图"), twipsRect(150, 6840, 1275, 315));
    Command11 = newButton(f, "Command11", tr("导入图片"), twipsRect(120, 7110, 1095, 375));

    Label12 = newLabel(f, "Label12", tr("旋转图片"), twipsRect(180, 7620, 1065, 195));
    Label14 = newLabel(f, "Label14", tr("旋转范围"), twipsRect(180, 7860, 1065, 255));
    Label15 = newLabel(f, "Label15", tr("高"), twipsRect(150, 8130, 225, 315));
    HScroll5 = newScrollBar(f, "HScroll5", twipsRect(330, 8100, 1155, 285), 10, 1500, 800);
    Label16 = newLabel(f, "Label16", tr("宽"), twipsRect(150, 8400, 225, 285));
    HScroll6 = newScrollBar(f, "HScroll6", twipsRect(330, 8370, 1155, 285), 10, 1500, 800);
    Label13 = newLabel(f, "Label13", tr("角度"), twipsRect(120, 8730, 495, 315));
    Combo7 = newCombo(f, "Combo7", QStringLiteral("30"), twipsRect(570, 8700, 675, 300));
    Command15 = newButton(f, "Command15", tr("确定旋转"), twipsRect(120, 9000, 1095, 375));
    Command16 = newButton(f, "Command16", tr("清除旋转图"), twipsRect(120, 9390, 1095, 375));
    Command17 = newButton(f, "Command17", tr("保存旋转图"), twipsRect(120, 9780, 1095, 375));
    Command10 = newButton(f, "Command10", tr("显示副图"), twipsRect(120, 10170, 1095, 375));
    Command8 = newButton(f, "Command8", tr("关闭副图"), twipsRect(120, 10560, 1095, 375));

    Command9 = newButton(f, "Command9", tr("抠图"), twipsRect(120, 11040, 1095, 375));
    // No background colour of its own: it shows the platform's default.
    Label17 = place(new ClickableLabel(tr("选贴图屏蔽色"), f), "Label17",
                    twipsRect(120, 11430, 1095, 165));
    Label9 = newLabel(f, "Label9", QStringLiteral("x"), twipsRect(60, 11700, 1305, 255));
    Label10 = newLabel(f, "Label10", QStringLiteral("y"), twipsRect(60, 11910, 1335, 285));

    // One choice on the whole panel, whichever box an option sits in.
    panelOptions = new QButtonGroup(this);
    panelOptions->setExclusive(true);
    for (const auto& [index, radio] : optStyle) panelOptions->addButton(radio, index);
    panelOptions->addButton(Option1);
    panelOptions->addButton(Option2);
    optStyle[0]->setChecked(true);
    fitCaptions(*f);
}

}  // namespace chromadeck
