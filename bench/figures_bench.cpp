// Milliseconds per press for the heaviest figures (plain in-order drawing, and the
// faster drawing the press uses where there is one), on the canvas a maximised window
// gets on a 1920 x 1080 screen. Run: build/bench/chromadeck_bench [case ...]
#include "canvas/random_source.h"
#include "figures/bar_figure.h"
#include "figures/concentric_figures.h"
#include "figures/fast_figures.h"
#include "figures/panel_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace chromadeck;
using chromadeck::testing::PanelFixture;

namespace {

// 1920 x 1080 twips less the window's margins: 1803 x 1073 pixels with a 2-pixel border.
constexpr QSize kCanvasSize(1803, 1073);

struct Case {
    std::string name;
    std::function<void(PanelFixture&, RandomSource&, BarFigure&)> press;
};

void setUp(PanelFixture& f, const char* step, int size, int aspect, int halfWidth, int halfHeight) {
    f.canvas->setBorderStyle(1);
    f.canvas->resize(kCanvasSize);
    f.panel.Combo3->setEditText(step);
    f.panel.HScroll1->setValue(size);
    f.panel.HScroll2->setValue(aspect);
    f.panel.HScroll3->setValue(halfWidth);
    f.panel.HScroll4->setValue(halfHeight);
    f.canvas->surface().setDrawWidth(QString(step).toInt());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The press point: the middle of the drawing area, in canvas units.
    const float X = 900 * 15 / 10.51875f, Y = 535 * 15 / 10.525f;
    const std::vector<Case> cases{
        {"rectangle-step1-900x900",
         [&](PanelFixture& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 900);
             DrawRectangleFigure(f.panel, r, X, Y);
         }},
        {"rectangle-step1-900x900-fast",
         [&](PanelFixture& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 900);
             DrawRectangleFigureFast(f.panel, r, X, Y);
         }},
        {"circle-step1-size5000-aspect1",
         [&](PanelFixture& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 5000, 10, 260, 180);
             DrawCircleFigure(f.panel, r, X, Y);
         }},
        {"circle-step1-size5000-aspect0.2",
         [&](PanelFixture& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 5000, 2, 260, 180);
             DrawCircleFigure(f.panel, r, X, Y);
         }},
        {"square-step1-900",
         [&](PanelFixture& f, RandomSource& r, BarFigure&) {
             setUp(f, "1", 1000, 10, 900, 180);
             DrawSquareFigure(f.panel, r, X, Y);
         }},
        {"bars-step1",
         [&](PanelFixture& f, RandomSource& r, BarFigure& bars) {
             setUp(f, "1", 1000, 10, 260, 180);
             bars.DrawBarFigure(f.panel, r);
         }},
        {"bars-step1-fast",
         [&](PanelFixture& f, RandomSource& r, BarFigure& bars) {
             setUp(f, "1", 1000, 10, 260, 180);
             DrawBarFigureFast(bars, f.panel, r);
         }},
    };

    std::vector<std::string> wanted(argv + 1, argv + argc);
    for (const Case& c : cases) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), c.name) == wanted.end())
            continue;
        PanelFixture fixture(kCanvasSize);
        RandomSource random;
        BarFigure bars;
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
