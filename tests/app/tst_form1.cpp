// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_icon.h"
#include "app/design_geometry.h"
#include "app/fonts.h"
#include "app/form1.h"
#include "app/sample_pictures.h"
#include "canvas/caption_checks.h"
#include "canvas/controls/client_area.h"
#include "canvas/random_source.h"
#include "canvas/raster/pen_shapes.h"
#include "form1_session.h"
#include "support/widget_input.h"

#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <memory>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using chromadeck::testing::Session;

namespace {

QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QString captionOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    return {};
}

QStringList itemsOf(const QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    return items;
}

int twipsToPx(double twips) {
    return int(std::lround(twips / 15));
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { app::registerFontSubstitutions(); }

    void startState();
    void controlsAreNamedPlacedAndCaptioned();
    void everyCaptionShowsWhole();
    void panelOptionsAreOneExclusiveGroup();
    void panelControlsAreWired();
    void typedComboTextStaysAsTyped();
    void canvasFollowsTheWindow();
    void panelScrollsInAShortWindow();
    void guidesHideOverTheWindowGround();
    void canvasChildrenStandInsideTheBorder();
    void firstPressDrawsTheSameCirclesEveryRun();
    void pressOnHelpPanelStaysOnIt();
    void builtInPictures();
};

void TestForm1::startState() {
    Session s;
    Form1& f = *s.form;
    QVERIFY(f.windowTitle().startsWith(QStringLiteral("Chromadeck2.0  ")));
    QVERIFY(f.windowTitle().size() > 15);
    QCOMPARE(f.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QVERIFY(f.menuBar());
    QCOMPARE(f.geometry(), px(60, 645, 19410, 12300));

    QVERIFY(f.optStyle.at(0)->isChecked());
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("0"));
    QCOMPARE(f.HScroll1->value(), 1000);
    QCOMPARE(f.HScroll2->value(), 10);

    // Circle group shown, bar group hidden.
    for (QWidget* w :
         {(QWidget*)f.Label6, (QWidget*)f.Label7, (QWidget*)f.HScroll1, (QWidget*)f.HScroll2})
        QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
    for (QWidget* w :
         {(QWidget*)f.Label4, (QWidget*)f.Label5, (QWidget*)f.Combo4, (QWidget*)f.Combo5})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));

    // Lists in order, the design text shown, no entry picked.
    const struct {
        QComboBox* combo;
        QStringList items;
        QString text;
    } lists[] = {
        {f.Combo3,
         {"1", "5", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120",
          "240", "360"},
         "50"},
        {f.Combo4, {"1", "5", "10", "20", "30", "50", "100", "200", "300"}, "1"},
        {f.Combo5,
         {"100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "1200", "1300",
          "1500"},
         "1300"},
        {f.Combo6, {"0", "15", "30", "60", "90", "120", "180", "270", "360"}, "0"},
        {f.Combo7, {"15", "30", "60", "90", "120", "150", "180", "270", "360"}, "30"},
    };
    for (const auto& l : lists) {
        QCOMPARE(itemsOf(l.combo), l.items);
        QCOMPARE(l.combo->currentText(), l.text);
        QCOMPARE(l.combo->currentIndex(), -1);
        QVERIFY(l.combo->isEditable());
    }

    const struct {
        QScrollBar* bar;
        int minimum, maximum, value;
    } bars[] = {{f.HScroll1, 10, 5000, 1000}, {f.HScroll2, 2, 20, 10},
                {f.HScroll3, 10, 900, 260},   {f.HScroll4, 10, 900, 180},
                {f.HScroll5, 10, 1500, 800},  {f.HScroll6, 10, 1500, 800}};
    for (const auto& b : bars) {
        QCOMPARE(b.bar->minimum(), b.minimum);
        QCOMPARE(b.bar->maximum(), b.maximum);
        QCOMPARE(b.bar->value(), b.value);
        QCOMPARE(b.bar->singleStep(), 1);
        QCOMPARE(b.bar->pageStep(), 1);
        QVERIFY(!b.bar->hasTracking());
        QCOMPARE(b.bar->orientation(), Qt::Horizontal);
    }

    // The main canvas and the floating boxes on it.
    Canvas& c = *f.Picture1;
    QCOMPARE(c.BorderStyle(), 1);
    QVERIFY(c.surface().AutoRedraw());
    QCOMPARE(c.surface().BackColor(), RGB(0, 0, 0));
    QCOMPARE(c.surface().ForeColor(), RGB(255, 0, 255));
    QCOMPARE(c.MousePointer(), CursorCode::Arrow);
    QCOMPARE(c.surface().unitWidthTwips(), 10.51875);
    QCOMPARE(c.surface().unitHeightTwips(), 10.525);
    for (Canvas* box : {f.Picture2, f.Picture3}) {
        QVERIFY(box->AutoSize());
        QVERIFY(!box->surface().AutoRedraw());
        QCOMPARE(box->MousePointer(), CursorCode::SizeAll);
        QCOMPARE(box->surface().ScaleMode(), DrawingSurface::kPixels);
    }
    QCOMPARE(f.Picture3->BorderStyle(), 1);
    QCOMPARE(f.Picture2->BorderStyle(), 0);
    QCOMPARE(f.Picture2->surface().BackColor(), RGB(255, 255, 255));
    QVERIFY(f.Picture2->surface().Picture().isNull());
    for (QWidget* w :
         {(QWidget*)f.Text5, (QWidget*)f.Label18, (QWidget*)f.Command7, (QWidget*)f.Picture2,
          (QWidget*)f.Picture3, (QWidget*)f.Line1, (QWidget*)f.Line2})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QVERIFY(!f.Label17->hasBackColor());
    QVERIFY(f.Label18->hasBackColor());
    QCOMPARE(f.Label18->BackColor(), RGB(177, 48, 129));
    QCOMPARE(f.Label18->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(f.Label18->wordWrap());
    QCOMPARE(f.Text5->palette().color(QPalette::Base), QColor(192, 192, 255));
    QVERIFY(f.Text5->font().bold());
    QCOMPARE(f.Text5->font().pointSizeF(), 15.0);
}

void TestForm1::controlsAreNamedPlacedAndCaptioned() {
    Session s;
    Form1& f = *s.form;
    QWidget* client = f.centralWidget();
    const struct {
        QWidget* widget;
        const char* name;
        QWidget* parent;
        QString caption;
        QRect geometry;
    } table[] = {
        {f.Frame1, "Frame1", client, "随机色图形制作", px(0, 90, 1635, 14805)},
        {f.optStyle.at(0), "optStyle(0)", f.Frame1, "圆形", px(180, 360, 975, 315)},
        {f.optStyle.at(2), "optStyle(2)", f.Frame1, "条形", px(180, 690, 915, 315)},
        {f.Label8, "Label8", f.Frame1, "点右图自动生成", px(150, 1020, 1395, 255)},
        {f.Label1, "Label1", f.Frame1, "宽度", px(150, 1290, 1125, 315)},
        {f.Combo3, "Combo3", f.Frame1, "50", px(90, 1500, 1305, 300)},
        {f.Shape1, "Shape1", f.Frame1, "", px(60, 1950, 1485, 1485)},
        {f.Label6, "Label6", f.Frame1, "大小", px(90, 1980, 1215, 285)},
        {f.Label4, "Label4", f.Frame1, "顶高", px(120, 2040, 1335, 285)},
        {f.HScroll1, "HScroll1", f.Frame1, "", px(90, 2280, 1395, 285)},
        {f.Combo4, "Combo4", f.Frame1, "1", px(120, 2280, 1365, 300)},
        {f.Label7, "Label7", f.Frame1, "调配椭圆:", px(120, 2700, 1395, 285)},
        {f.Label5, "Label5", f.Frame1, "高度", px(120, 2730, 1215, 255)},
        {f.HScroll2, "HScroll2", f.Frame1, "", px(120, 2970, 1365, 285)},
        {f.Combo5, "Combo5", f.Frame1, "1300", px(120, 2970, 1365, 300)},
        {f.Shape2, "Shape2", f.Frame1, "", px(60, 3480, 1485, 1305)},
        {f.optStyle.at(4), "optStyle(4)", f.Frame1, "正方形", px(120, 3540, 1005, 315)},
        {f.HScroll3, "HScroll3", f.Frame1, "", px(120, 3840, 1365, 285)},
        {f.optStyle.at(3), "optStyle(3)", f.Frame1, "长方形", px(120, 4140, 1035, 315)},
        {f.HScroll4, "HScroll4", f.Frame1, "", px(120, 4410, 1365, 285)},
        {f.Shape4, "Shape4", f.Frame1, "", px(60, 4830, 1485, 1965)},
        {f.Option2, "Option2", f.Frame1, "显示文本框", px(120, 4890, 1245, 285)},
        {f.Option1, "Option1", f.Frame1, "关闭文本框", px(120, 5160, 1230, 240)},
        {f.optStyle.at(6), "optStyle(6)", f.Frame1, "添加文本", px(120, 5370, 1095, 285)},
        {f.Label11, "Label11", f.Frame1, "角度", px(120, 5670, 465, 285)},
        {f.Combo6, "Combo6", f.Frame1, "0", px(570, 5610, 675, 300)},
        {f.Command12, "Command12", f.Frame1, "字体", px(120, 5940, 1095, 375)},
        {f.Command13, "Command13", f.Frame1, "文本颜色", px(120, 6330, 1095, 375)},
        {f.Shape5, "Shape5", f.Frame1, "", px(60, 6810, 1485, 735)},
        {f.optStyle.at(5), "optStyle(5)", f.Frame1, "贴图", px(150, 6840, 1275, 315)},
        {f.Command11, "Command11", f.Frame1, "导入图片", px(120, 7110, 1095, 375)},
        {f.Shape6, "Shape6", f.Frame1, "", px(60, 7530, 1485, 3465)},
        {f.Label12, "Label12", f.Frame1, "旋转图片", px(180, 7620, 1065, 195)},
        {f.Label14, "Label14", f.Frame1, "旋转范围", px(180, 7860, 1065, 255)},
        {f.Label15, "Label15", f.Frame1, "高", px(150, 8130, 225, 315)},
        {f.HScroll5, "HScroll5", f.Frame1, "", px(330, 8100, 1155, 285)},
        {f.Label16, "Label16", f.Frame1, "宽", px(150, 8400, 225, 285)},
        {f.HScroll6, "HScroll6", f.Frame1, "", px(330, 8370, 1155, 285)},
        {f.Label13, "Label13", f.Frame1, "角度", px(120, 8730, 495, 315)},
        {f.Combo7, "Combo7", f.Frame1, "30", px(570, 8700, 675, 300)},
        {f.Command15, "Command15", f.Frame1, "确定旋转", px(120, 9000, 1095, 375)},
        {f.Command16, "Command16", f.Frame1, "清除旋转图", px(120, 9390, 1095, 375)},
        {f.Command17, "Command17", f.Frame1, "保存旋转图", px(120, 9780, 1095, 375)},
        {f.Command10, "Command10", f.Frame1, "显示副图", px(120, 10170, 1095, 375)},
        {f.Command8, "Command8", f.Frame1, "关闭副图", px(120, 10560, 1095, 375)},
        {f.Shape3, "Shape3", f.Frame1, "", px(60, 10980, 1485, 705)},
        {f.Command9, "Command9", f.Frame1, "抠图", px(120, 11040, 1095, 375)},
        {f.Label17, "Label17", f.Frame1, "选贴图屏蔽色", px(120, 11430, 1095, 165)},
        {f.Label9, "Label9", f.Frame1, "x", px(60, 11700, 1305, 255)},
        {f.Label10, "Label10", f.Frame1, "y", px(60, 11910, 1335, 285)},
        {f.Text5, "Text5", f.Picture1, "添加新文本", px(30, 30, 3885, 675)},
        // The help text is checked line by line with the help panel itself.
        {f.Label18, "Label18", f.Picture1, f.Label18->text(), px(30, 0, 7815, 2625)},
        {f.Command7, "Command7", f.Picture1, "关闭帮助", px(6090, 2190, 1095, 375)},
        // Picture3 sized itself to its 343 x 161 picture and its border.
        {f.Picture3, "Picture3", f.Picture1, "", QRect(822, 4, 347, 165)},
        {f.Picture2, "Picture2", f.Picture1, "", px(9600, 3660, 7935, 7545)},
    };
    for (const auto& row : table) {
        QVERIFY2(row.widget, row.name);
        QCOMPARE(row.widget->objectName(), QString::fromUtf8(row.name));
        QCOMPARE(row.widget->parentWidget(), row.parent);
        QCOMPARE(captionOf(row.widget), row.caption);
        // Where each stands in its container's client area (inside a canvas's border).
        QCOMPARE(clientGeometry(row.widget), row.geometry);
        if (row.parent == f.Frame1 && !qobject_cast<ShapeControl*>(row.widget)) {
            QCOMPARE(row.widget->font().family(), QStringLiteral("宋体"));
            // 9 points, less only where the caption's box is too small for it.
            const double points = row.widget->font().pointSizeF();
            const bool small = row.widget == f.Label17;
            QVERIFY2(small ? points < 9.0 : points == 9.0, row.name);
            QVERIFY2(!row.widget->font().bold(), row.name);
        }
    }
    QVERIFY(f.Frame1->font().bold());
    QCOMPARE(f.Frame1->font().family(), QStringLiteral("宋体"));

    // Every box outline lies under the controls; on the canvas the help panel and the
    // guides lie under the rest.
    const QObjectList& panel = f.Frame1->children();
    for (ShapeControl* shape : {f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape6})
        QVERIFY(panel.indexOf(shape) < panel.indexOf(f.optStyle.at(0)));
    const QObjectList& onCanvas = f.Picture1->children();
    for (QWidget* low : {(QWidget*)f.Label18, (QWidget*)f.Line1, (QWidget*)f.Line2})
        for (QWidget* high :
             {(QWidget*)f.Command7, (QWidget*)f.Text5, (QWidget*)f.Picture3, (QWidget*)f.Picture2})
            QVERIFY(onCanvas.indexOf(low) < onCanvas.indexOf(high));
}

void TestForm1::everyCaptionShowsWhole() {
    // Among them "宽度" over its combo and "添加文本" over the angle row, which cover the
    // lower part of their boxes, and "选贴图屏蔽色" in a box lower than the panel's face.
    Session s;
    QCOMPARE(test::cutCaptions(*s.form->Frame1), QStringList());
}

void TestForm1::panelOptionsAreOneExclusiveGroup() {
    Session s;
    Form1& f = *s.form;
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QVERIFY(f.Option2->isChecked());
    QVERIFY(!f.optStyle.at(0)->isChecked());
    QTest::mouseClick(f.optStyle.at(0), Qt::LeftButton);
    QVERIFY(f.optStyle.at(0)->isChecked());
    QVERIFY(!f.Option2->isChecked());
    // Across boxes too: the sticker option and the text-box options.
    QTest::mouseClick(f.optStyle.at(5), Qt::LeftButton);
    QTest::mouseClick(f.Option1, Qt::LeftButton);
    QVERIFY(f.Option1->isChecked());
    QVERIFY(!f.optStyle.at(5)->isChecked());
    int checked = 0;
    for (QAbstractButton* b : f.panelOptions->buttons()) checked += b->isChecked();
    QCOMPARE(checked, 1);
    QCOMPARE(f.panelOptions->buttons().size(), 8);
}

void TestForm1::panelControlsAreWired() {
    Session s;
    Form1& f = *s.form;
    QTest::mouseClick(f.optStyle.at(2), Qt::LeftButton);
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("2"));
    QVERIFY(!f.Combo4->isHidden());
    QVERIFY(f.HScroll1->isHidden());
    QTest::mouseClick(f.optStyle.at(4), Qt::LeftButton);
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("4"));
    QTest::mouseClick(f.optStyle.at(0), Qt::LeftButton);
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("0"));
    QVERIFY(!f.HScroll1->isHidden());
    QVERIFY(f.Combo4->isHidden());

    f.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.Label6->text(), QStringLiteral("大小:1001"));
    f.HScroll2->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(f.Label7->text(), QStringLiteral("调配椭圆:9"));
    // A dragged thumb reports only where it is let go.
    f.HScroll1->setSliderDown(true);
    f.HScroll1->setSliderPosition(3000);
    QCOMPARE(f.Label6->text(), QStringLiteral("大小:1001"));
    f.HScroll1->setSliderDown(false);
    QCOMPARE(f.Label6->text(), QStringLiteral("大小:3000"));
}

void TestForm1::typedComboTextStaysAsTyped() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QLineEdit* edit = f.Combo3->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("5"));
    QCOMPARE(f.Combo3->currentText(), QStringLiteral("5"));  // no completion to "50"
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(f.Combo3->count(), 16);
    QCOMPARE(f.Combo3->currentText(), QStringLiteral("abc"));

    // A width that is no number: the press does nothing and the program goes on.
    const QImage before = f.Picture1->surface().Image();
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(f.Picture1->surface().Image(), before);
    QCOMPARE(s.random.drawCount(), 0u);

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("100"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(f.Combo3->count(), 16);
    QCOMPARE(f.Combo3->currentText(), QStringLiteral("100"));
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(f.Picture1->surface().Image() != before);
}

void TestForm1::panelScrollsInAShortWindow() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QWidget* client = f.centralWidget();
    auto* bar = f.findChild<QScrollBar*>(QStringLiteral("PanelScrollBar"));
    const QRect panel = f.Frame1->geometry();

    // Tall enough for every control: no bar, nothing moved.
    f.resize(1920, 1050);
    QCoreApplication::processEvents();
    QVERIFY(bar->isHidden());
    QCOMPARE(f.Picture1->x(), 116);

    // A laptop's 1366 x 768 less the desktop's bars: the lower controls need scrolling.
    f.resize(1366, 700);
    QCoreApplication::processEvents();
    QVERIFY(bar->isVisible());
    QVERIFY(!bar->geometry().intersects(f.Frame1->geometry()));
    QVERIFY(!bar->geometry().intersects(f.Picture1->geometry()));
    QVERIFY(!client->rect().contains(f.Command9->geometry().translated(f.Frame1->pos())));
    // Each control can be scrolled wholly into view, and there takes the pointer.
    for (QWidget* control : f.Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect designed = control->geometry().translated(panel.topLeft());
        bar->setValue(std::max(0, designed.bottom() + 1 - client->height()));
        const QRect shown = control->geometry().translated(f.Frame1->pos());
        QVERIFY2(client->rect().contains(shown), qPrintable(control->objectName()));
    }
    bar->setValue(bar->maximum());
    const QPoint press = f.Command9->geometry().center() + f.Frame1->pos();
    QCOMPARE(client->childAt(press), f.Command9);

    // Back to a tall window: the panel returns to its place.
    f.resize(1920, 1050);
    QCoreApplication::processEvents();
    QVERIFY(bar->isHidden());
    QCOMPARE(f.Frame1->geometry(), panel);
}

void TestForm1::canvasFollowsTheWindow() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QScrollBar* panelBar = f.findChild<QScrollBar*>(QStringLiteral("PanelScrollBar"));
    const auto check = [&] {
        // The panel's scroll bar, while it shows, pushes the canvas right by its width.
        const int bar = panelBar->isVisible() ? panelBar->width() : 0;
        const QSize client = f.centralWidget()->size();
        const QRect canvas = f.Picture1->geometry();
        QCOMPARE(canvas.topLeft(), QPoint(116 + bar, 6));
        QCOMPARE(canvas.height(), std::max(1, twipsToPx(client.height() * 15.0 - 190)));
        QCOMPARE(canvas.width(), std::max(1, twipsToPx(client.width() * 15.0 - 1750) - bar));
    };
    const QRect panel = f.Frame1->geometry();
    for (const QSize size : {QSize(1000, 700), QSize(1600, 900), QSize(640, 480)}) {
        f.resize(size);
        QCoreApplication::processEvents();
        check();
        // Border and all inside the client area, a pixel short of its right edge and
        // seven short of its bottom.
        const QRect client = f.centralWidget()->rect();
        QCOMPARE(f.Picture1->geometry().right(), client.right() - 1);
        QCOMPARE(f.Picture1->geometry().bottom(), client.bottom() - 7);
        QCOMPARE(f.Frame1->geometry(), panel);
    }

    // A window narrower than the panel still leaves the canvas a pixel.
    f.resize(60, 60);
    QCoreApplication::processEvents();
    check();
    QCOMPARE(f.Picture1->width(), 1);
    QVERIFY(f.Picture1->height() >= 1);

    // The window's ground is white, and a repaint puts a stray canvas back in place.
    f.resize(1000, 700);
    const QPoint gap = f.centralWidget()->mapTo(&f, QPoint(f.Picture1->x() - 4, 300));
    QCOMPARE(f.grab().toImage().pixelColor(gap), QColor(Qt::white));
    f.Picture1->setGeometry(200, 200, 50, 50);
    f.repaint();
    check();

    f.showMaximized();
    QTRY_VERIFY(f.isMaximized());
    QCoreApplication::processEvents();
    check();
    f.showMinimized();
    QCoreApplication::processEvents();
    QVERIFY(f.Picture1->width() >= 1 && f.Picture1->height() >= 1);
}

void TestForm1::guidesHideOverTheWindowGround() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const auto overCanvas = [&] {
        QTest::mouseMove(f.Picture1, QPoint(300, 200));
        QVERIFY(f.Line1->isVisible() && f.Line2->isVisible());
    };
    overCanvas();
    // Between the panel (or its scroll bar) and the canvas.
    QTest::mouseMove(f.centralWidget(), QPoint(f.Picture1->x() - 4, 300));
    QVERIFY(!f.Line1->isVisible() && !f.Line2->isVisible());
    overCanvas();
    QTest::mouseMove(f.Frame1, QPoint(100, 140));  // panel ground, inside Shape1's outline
    QVERIFY(!f.Line1->isVisible() && !f.Line2->isVisible());
    overCanvas();
    // A control on the panel keeps the pointer to itself.
    QTest::mouseMove(f.Label8, QPoint(5, 5));
    QVERIFY(f.Line1->isVisible() && f.Line2->isVisible());
}

void TestForm1::canvasChildrenStandInsideTheBorder() {
    Session s;
    s.showLarge();
    Form1& f = *s.form;
    Canvas& canvas = *f.Picture1;
    const QSize area = canvas.drawingSize();
    const auto shown = [&] {
        return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto dragSticker = [&](QPoint by) {
        QTest::mousePress(f.Picture3, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(QPoint(10, 10) + by),
                         f.Picture3->mapToGlobal(QPointF(QPoint(10, 10) + by)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.Picture3, &move);
        QTest::mouseRelease(f.Picture3, Qt::LeftButton, {}, QPoint(10, 10) + by);
    };

    // Counted from inside the canvas's two-pixel border: the sticker designed at
    // (822, 4) stands at (824, 6), the help panel two pixels below the top edge.
    QCOMPARE(f.Picture3->pos(), QPoint(824, 6));
    QCOMPARE(f.Label18->pos(), QPoint(4, 2));
    f.Label18->show();
    f.Command10->click();
    QImage picture = shown();
    for (const int x : {4, 300}) {
        QCOMPARE(picture.pixel(x, 0), qRgb(160, 160, 160));
        QCOMPARE(picture.pixel(x, 1), qRgb(105, 105, 105));
        QCOMPARE(picture.pixel(x, 2), RGB(177, 48, 129).toQRgb());
    }
    // The sticker shows all of its picture inside its own border.
    const QImage sticker = f.Picture3->surface().Picture();
    QCOMPARE(picture.copy(QRect(QPoint(826, 8), sticker.size())), sticker);
    QCOMPARE(picture.pixel(824 + 346, 100), qRgb(255, 255, 255));
    QCOMPARE(picture.pixel(824 + 347, 100), canvas.surface().Image().pixel(824 + 347 - 2, 98));

    // A drag reads the place back from inside the border too, and goes on from there.
    dragSticker(QPoint(30, 20));
    QCOMPARE(clientGeometry(f.Picture3).topLeft(), QPoint(852, 24));
    QCOMPARE(f.Picture3->pos(), QPoint(854, 26));
    // Far past the corner it stops on the last pixel of the drawing area, and what hangs
    // over the border or beyond is not shown: the border stays as it was.
    dragSticker(QPoint(5000, 5000));
    QCOMPARE(clientGeometry(f.Picture3).topLeft(), QPoint(area.width() - 1, area.height() - 1));
    picture = shown();
    const QPoint corner(canvas.width() - 1, canvas.height() - 1);
    QCOMPARE(picture.pixel(corner), qRgb(255, 255, 255));
    QCOMPARE(picture.pixel(corner - QPoint(1, 1)), qRgb(227, 227, 227));
    QCOMPARE(picture.pixel(corner - QPoint(2, 2)), qRgb(160, 160, 160));  // its own edge

    // The guides run through the pointer's drawing pixel and stop at the border.
    testing::hover(&canvas, QPoint(302, 202));
    QCOMPARE(clientGeometry(f.Line1).left(), 300);
    QCOMPARE(clientGeometry(f.Line2).top(), 200);
    picture = shown();
    QCOMPARE(picture.pixel(302, 2), qRgb(255, 0, 0));
    QCOMPARE(picture.pixel(302, canvas.height() - 3), qRgb(255, 0, 0));
    QCOMPARE(picture.pixel(302, canvas.height() - 1), qRgb(255, 255, 255));
    QCOMPARE(picture.pixel(canvas.width() - 3, 202), qRgb(0, 0, 255));
    QCOMPARE(picture.pixel(canvas.width() - 2, 202), qRgb(227, 227, 227));
}

void TestForm1::firstPressDrawsTheSameCirclesEveryRun() {
    QImage first[2];
    for (QImage& picture : first) {
        Session s;
        QCOMPARE(s.random.drawCount(), 0u);  // the built-in pictures use their own source
        const QImage before = s.form->Picture1->surface().Image();
        QTest::mouseClick(s.form->Picture1, Qt::LeftButton, {}, QPoint(400, 300));
        picture = s.form->Picture1->surface().Image();
        QVERIFY(picture != before);
        // 1000 / 2 = 500 as the largest radius, every 50: ten rings of three draws.
        QCOMPARE(s.random.drawCount(), 30u);
    }
    QCOMPARE(first[0], first[1]);
}

void TestForm1::pressOnHelpPanelStaysOnIt() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.Label18->show();
    QSignalSpy presses(f.Picture1, &Canvas::MouseDown);
    const QImage before = f.Picture1->surface().Image();
    QTest::mouseClick(f.Label18, Qt::LeftButton, {}, QPoint(100, 80));
    QCOMPARE(presses.count(), 0);
    QCOMPARE(f.Picture1->surface().Image(), before);
    QCOMPARE(s.random.drawCount(), 0u);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(700, 500));
    QCOMPARE(presses.count(), 1);
}

void TestForm1::builtInPictures() {
    const QImage big = app::mainSamplePicture();
    const QImage small = app::smallSamplePicture();
    QCOMPARE(big.size(), QSize(1575, 1017));
    QCOMPARE(small.size(), QSize(343, 161));
    for (const QImage& picture : {big, small}) {
        QCOMPARE(picture.format(), QImage::Format_RGB32);
        // Rings of several colours from the centre outwards, the same in every run.
        const int cy = picture.height() / 2;
        QSet<QRgb> along;
        for (int x = picture.width() / 2; x < picture.width(); ++x) along << picture.pixel(x, cy);
        QVERIFY(along.size() >= 3);
        QVERIFY(picture.pixel(picture.width() / 2, cy) != picture.pixel(0, 0));
    }
    QCOMPARE(app::mainSamplePicture(), big);
    QCOMPARE(app::smallSamplePicture(), small);
    // Each is the plain drawing of its rings, smallest first, each ring over the last.
    const auto plainRings = [](QSize size, int pen, double step, std::uint64_t seed) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        RandomSource random(seed);
        const double cx = size.width() / 2, cy = size.height() / 2;
        const double unit = app::kCanvasUnitWidth / platform::kTwipsPerPixel;
        const double farthest = std::hypot(size.width() - cx, size.height() - cy);
        for (double r = 1; r * unit - pen / 2.0 <= farthest; r += step)
            raster::ellipseOutlineSpans(cx, cy, r * unit, r * unit, pen,
                                        raster::ClipRect::of(image),
                                        raster::SpanWriter(image, RandomColor(random).toQRgb()));
        return image;
    };
    QCOMPARE(big, plainRings(big.size(), 360, 360, 0x5EED'0001'C0DE'2026ull));
    QCOMPARE(small, plainRings(small.size(), 60, 60, 0x5EED'0002'C0DE'2026ull));

    Session s;
    QCOMPARE(s.form->Picture1->surface().Picture(), big);
    QCOMPARE(s.form->Picture3->surface().Picture(), small);

    const QImage icon = app::appIconImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(16, 16)), 255);
    QVERIFY(icon.pixel(16, 16) != icon.pixel(16, 4));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
