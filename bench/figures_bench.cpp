// Milliseconds per press for the heaviest figures (plain in-order drawing, and the
// faster drawing the press uses where there is one), on the canvas a maximised window
// gets on a 1920 x 1080 screen. Run: build/bench/chromadeck_bench [case ...]
#include "canvas/random_source.h"
#include "figures/bar_figure.h"
#include "figures/concentric_figures.h"
#include "figures/fast_figures.h"
#include "figures/value_panel.h"
#include "vector_state.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace chromadeck;

namespace {

// The drawing area of a maximised window's canvas on a 1920 x 1080 screen without a
// frame, below a 19-pixel menu bar: 1803 x 1048 pixels less the 2-pixel border each side.
constexpr QSize kDrawingArea(1799, 1044);

struct Case {
    std::string name;
    std::function<void(ValuePanel&, RandomSource&, BarFigure&)> press;
};

void setUp(ValuePanel& f, const char* step, int size, int aspect, int halfWidth, int halfHeight) {
    f.combo3 = step;
    f.hScroll1 = size;
    f.hScroll2 = aspect;
    f.hScroll3 = halfWidth;
    f.hScroll4 = halfHeight;
    f.canvas.setDrawWidth(QString(step).toInt());
}

}  // namespace

int main(int argc, char** argv) {
    // The press point: the middle of the drawing area, in canvas units.
    const float X = 900 * 15 / 10.51875f, Y = 535 * 15 / 10.525f;
    const std::vector<Case> cases{
        {"rectangle-step1-900x900",
         [&](ValuePanel& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 900);
             DrawRectangleFigure(f, r, X, Y);
         }},
        {"rectangle-step1-900x900-fast",
         [&](ValuePanel& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 900);
             DrawRectangleFigureFast(f, r, X, Y);
         }},
        {"circle-step1-size5000-aspect1",
         [&](ValuePanel& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 5000, 10, 260, 180);
             DrawCircleFigure(f, r, X, Y);
         }},
        {"circle-step1-size5000-aspect0.2",
         [&](ValuePanel& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 5000, 2, 260, 180);
             DrawCircleFigure(f, r, X, Y);
         }},
        {"square-step1-900",
         [&](ValuePanel& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 180);
             DrawSquareFigure(f, r, X, Y);
         }},
        {"bars-step1",
         [&](ValuePanel& f, RandomSource& r, BarFigure& bars) {
             setUp(f, "1", 1000, 10, 260, 180);
             bars.DrawBarFigure(f, r);
         }},
        {"bars-step1-fast",
         [&](ValuePanel& f, RandomSource& r, BarFigure& bars) {
             setUp(f, "1", 1000, 10, 260, 180);
             DrawBarFigureFast(bars, f, r);
         }},
    };

    std::vector<std::string> wanted(argv + 1, argv + argc);
    for (const Case& c : cases) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), c.name) == wanted.end())
            continue;
        ValuePanel fixture(kDrawingArea);
        RandomSource random;
        BarFigure bars;
        settleVectorRegisters();
        QElapsedTimer timer;
        timer.start();
        c.press(fixture, random, bars);
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("%-34s %10.1f ms  (%llu random draws)\n", c.name.c_str(), ms,
                    static_cast<unsigned long long>(random.drawCount()));
        std::fflush(stdout);
    }
    return 0;
}
