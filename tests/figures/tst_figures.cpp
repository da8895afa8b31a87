// SPDX-License-Identifier: GPL-3.0-or-later
// The random-colour figures: how many colours each takes, in which order, and where
// they land on the canvas.
#include "canvas/random_source.h"
#include "figures/bar_figure.h"
#include "figures/concentric_figures.h"
#include "figures/value_panel.h"

#include <QtTest>
#include <vector>

using namespace chromadeck;

namespace {
std::vector<RgbColor> colourSequence(int count) {
    RandomSource fresh;
    std::vector<RgbColor> colours;
    for (int i = 0; i < count; ++i) colours.push_back(RandomColor(fresh));
    return colours;
}

QRgb pixelAtUnits(const DrawingSurface& canvas, float x, float y) {
    return canvas.Image().pixel(canvas.pixelX(x), canvas.pixelY(y));
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
        ValuePanel f;
        RandomSource random;
        f.canvas.setDrawWidth(50);
        DrawCircleFigure(f, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(30));  // radii 1, 51, ..., 451

        f.hScroll1 = 10;  // largest radius 5: a single ring
        f.text5Visible = true;
        DrawCircleFigure(f, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(33));
        QVERIFY(!f.text5Visible);

        f.combo3 = "1";
        f.hScroll1 = 1000;
        DrawCircleFigure(f, random, 800, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(33 + 1500));
    }

    void noRingKeepsTheTextBoxShown() {
        ValuePanel f;
        RandomSource random;
        f.combo3 = "x";
        f.text5Visible = true;
        DrawCircleFigure(f, random, 100, 100);
        QVERIFY(f.text5Visible);
        QCOMPARE(random.drawCount(), std::uint64_t(0));
    }

    void ringsLandInTheirDrawnColours() {
        ValuePanel f;
        RandomSource random;
        f.canvas.setDrawWidth(50);
        DrawCircleFigure(f, random, 1000, 700);
        const auto colours = colourSequence(10);
        // The outermost ring (radius 451 units, 316 px) is on top along its whole width.
        const int cx = f.canvas.pixelX(1000), cy = f.canvas.pixelY(700);
        const QImage img = f.canvas.Image();
        QCOMPARE(img.pixel(cx + 316, cy), colours[9].toQRgb());
        QCOMPARE(img.pixel(cx - 330, cy), colours[9].toQRgb());
        QCOMPARE(img.pixel(cx + 280, cy), colours[8].toQRgb());  // 451's inner part is off
        QCOMPARE(img.pixel(cx, cy), colours[0].toQRgb());        // ring 51 leaves a hole of 10 px
        QCOMPARE(img.pixel(cx + 360, cy), RGB(0, 0, 0).toQRgb());
    }

    void aspectComesFromTheSecondBar() {
        ValuePanel f;
        RandomSource random;
        f.canvas.setDrawWidth(1);
        f.hScroll1 = 2000;  // largest radius 1000
        f.hScroll2 = 2;     // five times as wide as high
        f.combo3 = "999";
        DrawCircleFigure(f, random, 1000, 700);  // radii 1 and 1000
        QCOMPARE(random.drawCount(), std::uint64_t(6));
        const auto colours = colourSequence(2);
        const int cx = f.canvas.pixelX(1000), cy = f.canvas.pixelY(700);
        const QImage img = f.canvas.Image();
        QCOMPARE(img.pixel(cx + 701, cy), colours[1].toQRgb());  // 1000 units: 701 px
        QCOMPARE(img.pixel(cx - 701, cy), colours[1].toQRgb());
        QCOMPARE(img.pixel(cx, cy - 140), colours[1].toQRgb());  // a fifth of that
        QCOMPARE(img.pixel(cx, cy - 143), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(cx + 703, cy), RGB(0, 0, 0).toQRgb());
    }

    void rectanglePairsAndTheUnusedPenColour() {
        ValuePanel f;
        RandomSource random;
        f.canvas.setDrawWidth(50);
        DrawRectangleFigure(f, random, 1000, 700);
        // 6 half-widths x 4 half-heights: 24 pairs, plus one pen colour per half-width.
        QCOMPARE(random.drawCount(), std::uint64_t(162));
        const auto colours = colourSequence(54);
        QCOMPARE(f.canvas.ForeColor().value, colours[45].value);
        // Every right edge at half-width 260 crosses the centre row: the last one drawn,
        // the second outline of the last pair, is on top.
        QCOMPARE(pixelAtUnits(f.canvas, 1260, 700), colours[53].toQRgb());

        f.hScroll3 = 10;
        f.hScroll4 = 10;
        DrawRectangleFigure(f, random, 1000, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(162 + 9));
    }

    void squareTakesNineDrawsPerStep() {
        ValuePanel f;
        RandomSource random;
        f.canvas.setDrawWidth(1);
        DrawSquareFigure(f, random, 1000, 700);
        QCOMPARE(random.drawCount(), std::uint64_t(54));  // half-sides 10, 60, ..., 260
        const auto colours = colourSequence(18);
        // Second outline of each step lies over the first: half-side 60 shows colour 5.
        QCOMPARE(pixelAtUnits(f.canvas, 1060, 700), colours[5].toQRgb());
        QCOMPARE(pixelAtUnits(f.canvas, 1000, 640), colours[5].toQRgb());
        QCOMPARE(f.canvas.ForeColor().value, colours[15].value);
        QCOMPARE(pixelAtUnits(f.canvas, 1000, 700), RGB(0, 0, 0).toQRgb());
    }

    void hugeStepsEndTheFigureInsteadOfWrapping() {
        ValuePanel f;
        RandomSource random;
        f.combo3 = "32767";
        f.hScroll3 = 900;
        DrawRectangleFigure(f, random, 500, 500);
        QCOMPARE(random.drawCount(), std::uint64_t(9));
        DrawSquareFigure(f, random, 500, 500);
        QCOMPARE(random.drawCount(), std::uint64_t(18));
        BarFigure bars;
        bars.DrawBarFigure(f, random);
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
        ValuePanel f;
        RandomSource random;
        BarFigure bars;
        f.canvas.setDrawWidth(50);
        f.combo3 = "50";
        bars.DrawBarFigure(f, random);
        QCOMPARE(random.drawCount(), std::uint64_t(150));  // x = 10, 60, ..., 2460
        QCOMPARE(bars.minStrokeLength, Integer(1));
        const auto colours = colourSequence(50);
        QCOMPARE(f.canvas.ForeColor().value, colours[49].value);
        // The bar at x = 1010 stands from y = 1 to 1300; the next bar begins 35 px right.
        QCOMPARE(pixelAtUnits(f.canvas, 1010, 650), colours[20].toQRgb());
        QCOMPARE(pixelAtUnits(f.canvas, 1010, 5), colours[20].toQRgb());
    }

    void barsDrawTheSameWhenTopIsBelowBottom() {
        ValuePanel f;
        RandomSource random;
        BarFigure bars;
        f.canvas.setDrawWidth(50);
        f.combo4 = "1200";
        f.combo5 = "300";
        bars.DrawBarFigure(f, random);
        const auto colours = colourSequence(50);
        QCOMPARE(pixelAtUnits(f.canvas, 1010, 700), colours[20].toQRgb());
        QCOMPARE(pixelAtUnits(f.canvas, 1010, 1250), RGB(0, 0, 0).toQRgb());
    }

    void barHeightsThatAreNoNumbersDrawNothing() {
        for (const auto& [top, bottom] : {std::pair{"abc", "1300"}, std::pair{"1", ""},
                                          std::pair{"1", "99999"}, std::pair{"1e40", "10"}}) {
            ValuePanel f;
            RandomSource random;
            BarFigure bars;
            const QImage before = f.canvas.Image();
            f.combo4 = top;
            f.combo5 = bottom;
            bars.DrawBarFigure(f, random);
            QCOMPARE(random.drawCount(), std::uint64_t(0));
            QCOMPARE(f.canvas.Image(), before);
        }
    }
};

QTEST_APPLESS_MAIN(FiguresTest)
#include "tst_figures.moc"
