// SPDX-License-Identifier: GPL-3.0-or-later
// The fast figures against the plain in-order drawing: the same pixels, the same colours
// taken, the same pen colour and current point left behind.
#include "canvas/random_source.h"
#include "figures/bar_figure.h"
#include "figures/circle_rings.h"
#include "figures/concentric_figures.h"
#include "figures/fast_figures.h"
#include "figures/value_panel.h"

#include <QtTest>
#include <random>

using namespace chromadeck;

namespace {
struct Setting {
    const char* step;
    int penWidth, halfWidth, halfHeight;
    float x, y;
    QSize canvas;
};

// Step, pen, half-width and half-height bars, press point, canvas size.
const Setting kRectangleSettings[] = {
    {"50", 50, 260, 180, 700, 500, {900, 700}},
    {"1", 1, 120, 90, 300, 200, {400, 300}},
    {"2", 2, 100, 130, 250, 210, {300, 260}},
    {"3", 3, 200, 60, 140, 120, {380, 200}},
    {"7", 7, 300, 300, 100, 100, {500, 400}},   // centre near the corner
    {"13", 4, 250, 200, 400, 300, {400, 330}},  // pen thinner than the step
    {"5", 40, 160, 120, 300, 260, {420, 360}},  // pen wider than the step
    {"360", 360, 900, 900, 600, 400, {900, 600}},
    {"11", 11, 10, 900, 300, 300, {400, 400}},  // one half-width, many heights
    {"9", 9, 900, 10, 300, 300, {400, 400}},
    {"1", 1, 9, 900, 300, 300, {100, 100}},  // no half-width at all
    {"1", 1, 900, 9, 300, 300, {100, 100}},  // no half-height at all
};

void apply(ValuePanel& f, const Setting& s) {
    f.combo3 = s.step;
    f.hScroll3 = s.halfWidth;
    f.hScroll4 = s.halfHeight;
    // Something under the figure, so that pixels it leaves alone are checked too.
    f.canvas.setDrawWidth(9);
    f.canvas.Line(0, 0, 2000, 1500, RGB(40, 50, 60));
    f.canvas.setDrawWidth(s.penWidth);
}

void compareCanvases(const ValuePanel& reference, const ValuePanel& fast, const RandomSource& r1,
                     const RandomSource& r2) {
    QCOMPARE(r2.drawCount(), r1.drawCount());
    QCOMPARE(fast.canvas.ForeColor().value, reference.canvas.ForeColor().value);
    QCOMPARE(fast.canvas.CurrentX(), reference.canvas.CurrentX());
    QCOMPARE(fast.canvas.CurrentY(), reference.canvas.CurrentY());
    const QImage a = reference.canvas.Image(), b = fast.canvas.Image();
    QCOMPARE(b.size(), a.size());
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), a.bytesPerLine()) != 0) {
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
        }
}
}  // namespace

// A press of one figure with settings drawn at random: steps, pens, sizes and aspects of
// every kind, canvases from one pixel up, and press points inside, near the edges and
// beyond them, so that clipping cuts the rings and boxes on every side.
struct RandomPress {
    Setting s;
    int size, aspect;

    explicit RandomPress(std::mt19937& g) {
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(g); };
        static const char* const kSteps[] = {"1", "1", "2", "3", "4", "7", "10", "25", "50"};
        s.step = kSteps[pick(0, 8)];
        s.penWidth = pick(0, 2) == 0 ? QString(s.step).toInt() : pick(1, 12);
        if (pick(0, 9) == 0) s.penWidth = pick(20, 90);
        s.halfWidth = pick(10, 400);
        s.halfHeight = pick(10, 400);
        size = pick(10, 1400);
        aspect = pick(2, 20);
        s.canvas =
            pick(0, 9) == 0 ? QSize(pick(1, 4), pick(1, 4)) : QSize(pick(20, 420), pick(20, 320));
        // In canvas units (about 0.7 pixel), from well before the canvas to well past it.
        s.x = float(pick(-300, s.canvas.width() * 3 / 2 + 300));
        s.y = float(pick(-300, s.canvas.height() * 3 / 2 + 300));
    }
};

class FastFiguresTest : public QObject {
    Q_OBJECT
  private slots:
    void rectanglesMatchThePlainDrawing_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kRectangleSettings)); ++i)
            QTest::newRow(qPrintable(QString("setting %1").arg(i))) << i;
    }

    void rectanglesMatchThePlainDrawing() {
        QFETCH(int, index);
        const Setting& s = kRectangleSettings[index];
        ValuePanel reference(s.canvas), fast(s.canvas);
        for (ValuePanel* f : {&reference, &fast}) apply(*f, s);
        RandomSource r1, r2;
        DrawRectangleFigure(reference, r1, s.x, s.y);
        DrawRectangleFigureFast(fast, r2, s.x, s.y);
        compareCanvases(reference, fast, r1, r2);
    }

    void concentricFiguresMatchThePlainDrawing_data() {
        QTest::addColumn<int>("figure");
        QTest::newRow("circles") << 0;
        QTest::newRow("rectangles") << 1;
        QTest::newRow("squares") << 2;
    }

    void concentricFiguresMatchThePlainDrawing() {
        QFETCH(int, figure);
        using Draw = void (*)(FigurePanel&, RandomSource&, float, float);
        const Draw plain[] = {DrawCircleFigure, DrawRectangleFigure, DrawSquareFigure};
        const Draw fast[] = {DrawCircleFigureFast, DrawRectangleFigureFast, DrawSquareFigureFast};
        std::mt19937 g(2024 + figure);
        for (int press = 0; press < 120; ++press) {
            const RandomPress p(g);
            ValuePanel reference(p.s.canvas), quick(p.s.canvas);
            for (ValuePanel* f : {&reference, &quick}) {
                apply(*f, p.s);
                f->hScroll1 = p.size;
                f->hScroll2 = p.aspect;
            }
            RandomSource r1, r2;
            plain[figure](reference, r1, p.s.x, p.s.y);
            fast[figure](quick, r2, p.s.x, p.s.y);
            const QString what = QString(
                                     "press %1: step %2 pen %3 size %4 aspect %5 half %6x%7 at "
                                     "%8,%9 on %10x%11")
                                     .arg(press)
                                     .arg(p.s.step)
                                     .arg(p.s.penWidth)
                                     .arg(p.size)
                                     .arg(p.aspect)
                                     .arg(p.s.halfWidth)
                                     .arg(p.s.halfHeight)
                                     .arg(p.s.x)
                                     .arg(p.s.y)
                                     .arg(p.s.canvas.width())
                                     .arg(p.s.canvas.height());
            compareCanvases(reference, quick, r1, r2);
            if (QTest::currentTestFailed()) QFAIL(qPrintable(what));
        }
    }

    // The presses the benchmark times, on a maximised window's canvas: thousands of rings
    // and squares, most of them cut by the canvas's edges.
    void heaviestPressesMatchThePlainDrawing_data() {
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("aspect");
        QTest::newRow("circles") << 0 << 10;
        QTest::newRow("ellipses") << 0 << 2;
        QTest::newRow("tall ellipses") << 0 << 20;
        QTest::newRow("squares") << 2 << 10;
    }

    void heaviestPressesMatchThePlainDrawing() {
        QFETCH(int, figure);
        QFETCH(int, aspect);
        const Setting s{"1", 1, 900, 900, 900 * 15 / 10.51875f, 535 * 15 / 10.525f, {1799, 1069}};
        ValuePanel reference(s.canvas), quick(s.canvas);
        for (ValuePanel* f : {&reference, &quick}) {
            apply(*f, s);
            f->hScroll1 = 5000;
            f->hScroll2 = aspect;
        }
        RandomSource r1, r2;
        if (figure == 0) {
            DrawCircleFigure(reference, r1, s.x, s.y);
            DrawCircleFigureFast(quick, r2, s.x, s.y);
        } else {
            DrawSquareFigure(reference, r1, s.x, s.y);
            DrawSquareFigureFast(quick, r2, s.x, s.y);
        }
        compareCanvases(reference, quick, r1, r2);
    }

    void barsMatchThePlainDrawing_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("start values") << "50" << 50 << "1"
                                      << "1300";
        QTest::newRow("step 1") << "1" << 1 << "1"
                                << "1300";
        QTest::newRow("step 7, pen 4") << "7" << 4 << "20.5"
                                       << "600";
        QTest::newRow("top below bottom") << "30" << 30 << "1200"
                                          << "300";
        QTest::newRow("bottom off the canvas") << "100" << 10 << "-50"
                                               << "5000";
        QTest::newRow("huge step") << "32767" << 3 << "1"
                                   << "100";
        QTest::newRow("near the end of the range") << "360" << 360 << "1"
                                                   << "32700";
    }

    void barsMatchThePlainDrawing() {
        QFETCH(QString, step);
        QFETCH(int, penWidth);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        ValuePanel reference(QSize(1000, 700)), fast(QSize(1000, 700));
        for (ValuePanel* f : {&reference, &fast}) {
            f->combo3 = step;
            f->combo4 = top;
            f->combo5 = bottom;
            f->canvas.setDrawWidth(penWidth);
        }
        RandomSource r1, r2;
        BarFigure plain, quick;
        plain.DrawBarFigure(reference, r1);
        DrawBarFigureFast(quick, fast, r2);
        QCOMPARE(quick.minStrokeLength, plain.minStrokeLength);
        compareCanvases(reference, fast, r1, r2);
    }

    // A row's holes, most of them worked out in single precision, against each ring's
    // exact edges: rings small and huge, centres on and off the canvas, and edges on
    // whole pixels (whole radii about a centre halfway between pixels).
    void ringHolesMatchTheExactEdges() {
        std::mt19937 g(7);
        const auto real = [&](double lo, double hi) {
            return std::uniform_real_distribution(lo, hi)(g);
        };
        for (int set = 0; set < 200; ++set) {
            const bool wholePixels = set % 4 == 0;
            const double h = wholePixels ? 0.5 : real(0.5, 20);
            const double cx = wholePixels ? std::floor(real(-500, 2500)) + 0.5 : real(-3000, 5000);
            const double spacing = wholePixels ? 1 : real(0.05, 3), aspect = real(0.1, 3);
            const double largest = real(50, 6000);
            CircleRings rings;
            for (double r = spacing; r < largest; r += spacing)
                rings.add(r, wholePixels ? r : r * aspect, h, 0, 0);
            std::vector<RowHole> holes(rings.size());
            for (int row = 0; row < 40; ++row) {
                const double dy = row == 0 ? 0.0 : std::floor(real(-2000, 2000)) + 0.5;
                const bool reportedWhole = rings.holes(0, rings.size(), cx, dy, holes.data());
                for (std::size_t k = 0; k < rings.size(); ++k) {
                    const raster::RowRun exact = rings.run(k, cx, dy);
                    if (holes[k].first != exact.holeFirst || holes[k].last != exact.holeLast)
                        QFAIL(qPrintable(QString("set %1, dy %2, ring %3: %4..%5, exactly %6..%7")
                                             .arg(set)
                                             .arg(dy)
                                             .arg(k)
                                             .arg(holes[k].first)
                                             .arg(holes[k].last)
                                             .arg(exact.holeFirst)
                                             .arg(exact.holeLast)));
                }
                // Through the centre, whole radii less half a pixel end on whole pixels.
                if (wholePixels && dy == 0) QVERIFY(reportedWhole);
            }
        }
    }
};

QTEST_APPLESS_MAIN(FastFiguresTest)
#include "tst_fast_figures.moc"
