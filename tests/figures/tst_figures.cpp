// The random-colour figures: how many colours each takes, in which order, and where
// they land on the canvas.
#include "canvas/random_source.h"
#include "figures/bar_figure.h"
#include "figures/concentric_figures.h"
#include "panel_fixture.h"

#include <QtTest>
#include <vector>

using namespace chromadeck;
using chromadeck::testing::PanelFixture;

namespace {
std::vector<RgbColor> colourSequence(int count) {
    RandomSource fresh;
    std::vector<RgbColor> colours;
    for (int i = 0; i < count; ++i) colours.push_back(RandomColor(fresh));
    return colours;
}

QRgb pixelAtUnits(const Canvas& canvas, float x, float y) {
    return canvas.surface().Image().pixel(canvas.surface().pixelX(x), canvas.surface().pixelY(y));
}

struct LineEnds {
    std::vector<std::pair<int, int>> ends;
    void operator()(Integer x, Integer y) { ends.emplace_back(x, y); }
};
}  // namespace

class FiguresTest : public QObject {
    Q_OBJECT
  private slots:
    void circleTakesThreeDrawsPerRing() {
        PanelFixture f;
        RandomSource random;
        f.canvas->surface().setDrawWidth(50);
        DrawCircleFigure(f.panel, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(30));  // radii 1, 51, ..., 451

        f.panel.HScroll1->setValue(10);  // largest radius 5: a single ring
        f.panel.Text5->show();
        DrawCircleFigure(f.panel, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(33));
        QVERIFY(!PanelFixture::shown(f.panel.Text5));

        f.panel.Combo3->setEditText("1");
        f.panel.HScroll1->setValue(1000);
        DrawCircleFigure(f.panel, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(33 + 1500));
    }

    void noRingKeepsTheTextBoxShown() {
        PanelFixture f;
        RandomSource random;
        f.panel.Combo3->setEditText("x");
        f.panel.Text5->show();
        DrawCircleFigure(f.panel, random, 100, 100);
        QVERIFY(PanelFixture::shown(f.panel.Text5));
        QCOMPARE(random.drawCount(), std::uint64_t(0));
    }

    void ringsLandInTheirDrawnColours() {
        PanelFixture f;
        RandomSource random;
        f.canvas->surface().setDrawWidth(50);
        DrawCircleFigure(f.panel, random, 1000, 700);
        const auto colours = colourSequence(10);
        // The outermost ring (radius 451 units, 316 px) is on top along its whole width.
        const int cx = f.canvas->surface().pixelX(1000), cy = f.canvas->surface().pixelY(700);
        const QImage img = f.canvas->surface().Image();
        QCOMPARE(img.pixel(cx + 316, cy), colours[9].toQRgb());
        QCOMPARE(img.pixel(cx - 330, cy), colours[9].toQRgb());
        QCOMPARE(img.pixel(cx + 280, cy), colours[8].toQRgb());  // 451's inner part is off
        QCOMPARE(img.pixel(cx, cy), colours[0].toQRgb());        // ring 51 leaves a hole of 10 px
        QCOMPARE(img.pixel(cx + 360, cy), RGB(0, 0, 0).toQRgb());
    }

    void aspectComesFromTheSecondBar() {
        PanelFixture f;
        RandomSource random;
        f.canvas->surface().setDrawWidth(1);
        f.panel.HScroll1->setValue(2000);  // largest radius 1000
        f.panel.HScroll2->setValue(2);     // five times as wide as high
        f.panel.Combo3->setEditText("999");
        DrawCircleFigure(f.panel, random, 1000, 700);  // radii 1 and 1000
        QCOMPARE(random.drawCount(), std::uint64_t(6));
        const auto colours = colourSequence(2);
        const int cx = f.canvas->surface().pixelX(1000), cy = f.canvas->surface().pixelY(700);
        const QImage img = f.canvas->surface().Image();
        QCOMPARE(img.pixel(cx + 701, cy), colours[1].toQRgb());  // 1000 units: 701 px
        QCOMPARE(img.pixel(cx - 701, cy), colours[1].toQRgb());
        QCOMPARE(img.pixel(cx, cy - 140), colours[1].toQRgb());  // a fifth of that
        QCOMPARE(img.pixel(cx, cy - 143), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(cx + 703, cy), RGB(0, 0, 0).toQRgb());
    }

    void rectanglePairsAndTheUnusedPenColour() {
        PanelFixture f;
        RandomSource random;
        f.canvas->surface().setDrawWidth(50);
        DrawRectangleFigure(f.panel, random, 1000, 700);
        // 6 half-widths x 4 half-heights: 24 pairs, plus one pen colour per half-width.
        QCOMPARE(random.drawCount(), std::uint64_t(162));
        const auto colours = colourSequence(54);
        QCOMPARE(f.canvas->surface().ForeColor().value, colours[45].value);
        // Every right edge at half-width 260 crosses the centre row: the last one drawn,
        // the second outline of the last pair, is on top.
        QCOMPARE(pixelAtUnits(*f.canvas, 1260, 700), colours[53].toQRgb());

        f.panel.HScroll3->setValue(10);
        f.panel.HScroll4->setValue(10);
        DrawRectangleFigure(f.panel, random, 1000, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(162 + 9));
    }

    void squareTakesNineDrawsPerStep() {
        PanelFixture f;
        RandomSource random;
        f.canvas->surface().setDrawWidth(1);
        DrawSquareFigure(f.panel, random, 1000, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(54));  // half-sides 10, 60, ..., 260
        const auto colours = colourSequence(18);
        // Second outline of each step lies over the first: half-side 60 shows colour 5.
        QCOMPARE(pixelAtUnits(*f.canvas, 1060, 700), colours[5].toQRgb());
        QCOMPARE(pixelAtUnits(*f.canvas, 1000, 640), colours[5].toQRgb());
        QCOMPARE(f.canvas->surface().ForeColor().value, colours[15].value);
        QCOMPARE(pixelAtUnits(*f.canvas, 1000, 700), RGB(0, 0, 0).toQRgb());
    }

    void hugeStepsEndTheFigureInsteadOfWrapping() {
        PanelFixture f;
        RandomSource random;
        f.panel.Combo3->setEditText("32767");
        f.panel.HScroll3->setValue(900);
        DrawRectangleFigure(f.panel, random, 500, 500);
        QCOMPARE(random.drawCount(), std::uint64_t(9));
        DrawSquareFigure(f.panel, random, 500, 500);
        QCOMPARE(random.drawCount(), std::uint64_t(18));
        BarFigure bars;
        bars.DrawBarFigure(f.panel, random);
        QCOMPARE(random.drawCount(), std::uint64_t(21));
    }

    void barStrokeVisitsItsLineEndsDepthFirst() {
        BarFigure bars;
        bars.minStrokeLength = 20;
        LineEnds record;
        bars.BarStroke(record, 10, 1300, 50, -270);
        const std::vector<std::pair<int, int>> expected{{10, 1300}, {35, 1300}, {45, 1300},
                                                        {70, 1300}, {60, 1300}, {85, 1300},
                                                        {95, 1300}, {120, 1300}};
        QCOMPARE(record.ends, expected);

        int total = 0;
        for (int cutOff = 20; cutOff >= 2; --cutOff) {
            LineEnds lines;
            bars.minStrokeLength = static_cast<Integer>(cutOff);
            bars.BarStroke(lines, 10, 1300, 50, -270);
            total += int(lines.ends.size());
        }
        QCOMPARE(total, 2464);
    }

    void barsTakeOneColourEachAndEndWithCutOffOne() {
        PanelFixture f;
        RandomSource random;
        BarFigure bars;
        f.canvas->surface().setDrawWidth(50);
        f.panel.Combo3->setEditText("50");
        bars.DrawBarFigure(f.panel, random);
        QCOMPARE(random.drawCount(), std::uint64_t(150));  // x = 10, 60, ..., 2460
        QCOMPARE(bars.minStrokeLength, Integer(1));
        const auto colours = colourSequence(50);
        QCOMPARE(f.canvas->surface().ForeColor().value, colours[49].value);
        // The bar at x = 1010 stands from y = 1 to 1300; the next bar begins 35 px right.
        QCOMPARE(pixelAtUnits(*f.canvas, 1010, 650), colours[20].toQRgb());
        QCOMPARE(pixelAtUnits(*f.canvas, 1010, 5), colours[20].toQRgb());
    }

    void barsDrawTheSameWhenTopIsBelowBottom() {
        PanelFixture f;
        RandomSource random;
        BarFigure bars;
        f.canvas->surface().setDrawWidth(50);
        f.panel.Combo4->setEditText("1200");
        f.panel.Combo5->setEditText("300");
        bars.DrawBarFigure(f.panel, random);
        const auto colours = colourSequence(50);
        QCOMPARE(pixelAtUnits(*f.canvas, 1010, 700), colours[20].toQRgb());
        QCOMPARE(pixelAtUnits(*f.canvas, 1010, 1250), RGB(0, 0, 0).toQRgb());
    }

    void barHeightsThatAreNoNumbersDrawNothing() {
        for (const auto& [top, bottom] : {std::pair{"abc", "1300"}, std::pair{"1", ""},
                                          std::pair{"1", "99999"}, std::pair{"1e40", "10"}}) {
            PanelFixture f;
            RandomSource random;
            BarFigure bars;
            const QImage before = f.canvas->surface().Image();
            f.panel.Combo4->setEditText(top);
            f.panel.Combo5->setEditText(bottom);
            bars.DrawBarFigure(f.panel, random);
            QCOMPARE(random.drawCount(), std::uint64_t(0));
            QCOMPARE(f.canvas->surface().Image(), before);
        }
    }
};

QTEST_MAIN(FiguresTest)
#include "tst_figures.moc"
