// SPDX-License-Identifier: GPL-3.0-or-later
// The press and move handlers of the main canvas: modes, cursors, groups, read-out.
#include "canvas/random_source.h"
#include "figures/canvas_mode.h"
#include "figures/press_dispatch.h"
#include "panel_fixture.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using chromadeck::testing::PanelFixture;

namespace {
bool circleGroupShown(const MainPanelControls& p) {
    return PanelFixture::shown(p.Label6) && PanelFixture::shown(p.Label7) &&
           PanelFixture::shown(p.HScroll1) && PanelFixture::shown(p.HScroll2) &&
           !PanelFixture::shown(p.Label4) && !PanelFixture::shown(p.Label5) &&
           !PanelFixture::shown(p.Combo4) && !PanelFixture::shown(p.Combo5);
}
bool barGroupShown(const MainPanelControls& p) {
    return !PanelFixture::shown(p.Label6) && !PanelFixture::shown(p.Label7) &&
           !PanelFixture::shown(p.HScroll1) && !PanelFixture::shown(p.HScroll2) &&
           PanelFixture::shown(p.Label4) && PanelFixture::shown(p.Label5) &&
           PanelFixture::shown(p.Combo4) && PanelFixture::shown(p.Combo5);
}
}  // namespace

class DispatchTest : public QObject {
    Q_OBJECT
  private slots:
    void firstPressDrawsCirclesWithPenFifty() {
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        dispatcher.Picture1_MouseDown(1, 0, 400, 300);
        QCOMPARE(f.canvas->surface().DrawWidth(), 50);
        QCOMPARE(f.canvas->MousePointer(), CursorCode::Cross);
        QCOMPARE(random.drawCount(), std::uint64_t(30));
        QVERIFY(circleGroupShown(f.panel));
    }

    void everyButtonDrawsTheSame() {
        PanelFixture left, right;
        RandomSource a, b;
        PressDispatcher leftDispatch(*left.view, a), rightDispatch(*right.view, b);
        QObject::connect(left.canvas, &Canvas::MouseDown, [&](int btn, int sh, float x, float y) {
            leftDispatch.Picture1_MouseDown(btn, sh, x, y);
        });
        QObject::connect(right.canvas, &Canvas::MouseDown, [&](int btn, int sh, float x, float y) {
            rightDispatch.Picture1_MouseDown(btn, sh, x, y);
        });
        QTest::mouseClick(left.canvas, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mouseClick(right.canvas, Qt::RightButton, Qt::ShiftModifier, QPoint(300, 200));
        QCOMPARE(a.drawCount(), std::uint64_t(30));
        QCOMPARE(left.canvas->surface().Image(), right.canvas->surface().Image());
        QVERIFY(left.canvas->surface().Image() != PanelFixture().canvas->surface().Image());
    }

    void penWidthTextThatIsNoUsableNumberIgnoresThePress() {
        for (const char* text : {"", "abc", "70000", "0", "-5", "1e9", "3 px"}) {
            PanelFixture f;
            RandomSource random;
            PressDispatcher dispatcher(*f.view, random);
            f.canvas->surface().setDrawWidth(7);
            f.canvas->setMousePointer(CursorCode::Arrow);
            setCanvasMode(f.panel, "2");
            f.panel.Combo3->setEditText(text);
            const QImage before = f.canvas->surface().Image();
            dispatcher.Picture1_MouseDown(1, 0, 100, 100);
            QCOMPARE(f.canvas->surface().DrawWidth(), 7);
            QCOMPARE(f.canvas->MousePointer(), CursorCode::Arrow);
            QCOMPARE(random.drawCount(), std::uint64_t(0));
            QVERIFY(circleGroupShown(f.panel));
            QCOMPARE(f.canvas->surface().Image(), before);
        }
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        f.panel.Combo3->setEditText("2.5");
        dispatcher.Picture1_MouseDown(1, 0, 100, 100);
        QCOMPARE(f.canvas->surface().DrawWidth(), 2);
    }

    void eachModeSetsItsCursorAndGroup() {
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        f.panel.Combo3->setEditText("300");  // keep the figures small

        setCanvasMode(f.panel, "2");
        f.panel.Line1->show();
        f.panel.Line2->show();
        f.panel.Text5->show();
        dispatcher.Picture1_MouseDown(1, 0, 10, 10);
        QCOMPARE(f.canvas->MousePointer(), CursorCode::Default);
        QVERIFY(barGroupShown(f.panel));
        QVERIFY(!PanelFixture::shown(f.panel.Line1) && !PanelFixture::shown(f.panel.Line2));
        QVERIFY(!PanelFixture::shown(f.panel.Text5));

        for (const char* mode : {"3", "4"}) {
            setCanvasMode(f.panel, "0");
            showCircleGroup(f.panel);
            setCanvasMode(f.panel, mode);
            f.panel.Text5->show();
            dispatcher.Picture1_MouseDown(1, 0, 500, 500);
            QCOMPARE(f.canvas->MousePointer(), CursorCode::Arrow);
            QVERIFY(barGroupShown(f.panel));
            QVERIFY(!PanelFixture::shown(f.panel.Text5));
        }

        QList<QPointF> pastes, stamps;
        dispatcher.pasteSticker = [&](float x, float y) { pastes << QPointF(x, y); };
        dispatcher.stampText = [&](float x, float y) { stamps << QPointF(x, y); };
        setCanvasMode(f.panel, "5");
        dispatcher.Picture1_MouseDown(2, 0, 1000, 500);
        QCOMPARE(f.canvas->MousePointer(), CursorCode::Arrow);
        setCanvasMode(f.panel, "6");
        f.panel.Combo3->setEditText("9");
        dispatcher.Picture1_MouseDown(1, 0, 12.5f, 7);
        QCOMPARE(f.canvas->MousePointer(), CursorCode::IBeam);
        QCOMPARE(f.canvas->surface().DrawWidth(), 9);  // set before the text is stamped
        QCOMPARE(pastes, QList<QPointF>{QPointF(1000, 500)});
        QCOMPARE(stamps, QList<QPointF>{QPointF(12.5, 7)});
    }

    void aModeThatMatchesNothingOnlySetsThePen() {
        for (const char* mode : {"1", "7", "", "00", " 0"}) {
            PanelFixture f;
            RandomSource random;
            PressDispatcher dispatcher(*f.view, random);
            setCanvasMode(f.panel, mode);
            f.panel.Combo3->setEditText("12");
            dispatcher.Picture1_MouseDown(1, 0, 100, 100);
            QCOMPARE(f.canvas->surface().DrawWidth(), 12);
            QCOMPARE(random.drawCount(), std::uint64_t(0));
            QCOMPARE(f.canvas->MousePointer(), CursorCode::Default);
        }
    }

    void optionClicksSwitchGroupsOnlyForCircleAndBar() {
        PanelFixture f;
        optStyle_Click(f.panel, 2);
        QCOMPARE(CanvasMode(f.panel), QString("2"));
        QVERIFY(barGroupShown(f.panel));
        optStyle_Click(f.panel, 4);  // the square option leaves the bar group
        QCOMPARE(CanvasMode(f.panel), QString("4"));
        QVERIFY(barGroupShown(f.panel));
        optStyle_Click(f.panel, 0);
        QVERIFY(circleGroupShown(f.panel));
        optStyle_Click(f.panel, 6);
        QVERIFY(circleGroupShown(f.panel));
    }

    void pointerReadOutAndGuides() {
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        f.view->Picture1_MouseMove(0, 0, 2.5f, 3.5f);
        QCOMPARE(f.panel.Label9->text(), QString("宽x=2"));
        QCOMPARE(f.panel.Label10->text(), QString("高y=4"));
        f.view->Picture1_MouseMove(0, 0, 1000, 500);
        QVERIFY(PanelFixture::shown(f.panel.Line1) && PanelFixture::shown(f.panel.Line2));
        // The vertical guide at 701 px crosses the whole canvas; so does the horizontal.
        QCOMPARE(f.panel.Line1->geometry().left(), 701);
        QVERIFY(f.panel.Line1->geometry().top() <= 0);
        QVERIFY(f.panel.Line1->geometry().bottom() >= f.canvas->height() - 1);
        QCOMPARE(f.panel.Line2->geometry().top(), f.canvas->surface().pixelY(500));
        QVERIFY(f.panel.Line2->geometry().right() >= f.canvas->width() - 1);
    }

    void barPressHidesTheGuidesUntilTheNextMove() {
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        f.view->Picture1_MouseMove(0, 0, 10, 10);
        setCanvasMode(f.panel, "2");
        f.panel.Combo3->setEditText("500");
        dispatcher.Picture1_MouseDown(1, 0, 10, 10);
        QVERIFY(!PanelFixture::shown(f.panel.Line1));
        f.view->Picture1_MouseMove(0, 0, 20, 20);
        QVERIFY(PanelFixture::shown(f.panel.Line1) && PanelFixture::shown(f.panel.Line2));
    }

    void scrollBarCaptions() {
        PanelFixture f;
        RandomSource random;
        PressDispatcher dispatcher(*f.view, random);
        f.panel.HScroll1->setValue(1200);
        f.view->HScroll1_Change();
        QCOMPARE(f.panel.Label6->text(), QString("大小:1200"));
        f.panel.HScroll2->setValue(7);
        f.view->HScroll2_Change();
        QCOMPARE(f.panel.Label7->text(), QString("调配椭圆:7"));
    }
};

QTEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
