// SPDX-License-Identifier: GPL-3.0-or-later
// CPU time per press for the heaviest figures, on the canvas a maximised window gets on a
// 1920 x 1080 screen. Every case runs three ways in one run: its limit (the press's random
// colours drawn in order and the drawing area written once, which no drawing of the
// figure can beat), the fast drawing the press uses, and the plain in-order drawing it
// must match. The fast and plain rows carry x_limit, their time over the limit's median.
// Run: build/bench/chromadeck_bench --benchmark_repetitions=5 [--benchmark_filter=circle]
#include "canvas/random_source.h"
#include "canvas/raster/pixel_ops.h"
#include "cpu_clock.h"
#include "figures/bar_figure.h"
#include "figures/concentric_figures.h"
#include "figures/fast_figures.h"
#include "figures/value_panel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace chromadeck;

namespace {

// The drawing area of a maximised window's canvas on a 1920 x 1080 screen without a
// frame, below a 19-pixel menu bar: 1803 x 1048 pixels less the 2-pixel border each side.
constexpr QSize kDrawingArea(1799, 1044);
// The press point: the middle of the drawing area, in canvas units.
constexpr float kX = 900 * 15 / 10.51875f, kY = 535 * 15 / 10.525f;

using Press = void (*)(ValuePanel&, RandomSource&);

struct FigureCase {
    const char* name;
    const char* step;
    int size, aspect, halfWidth, halfHeight;
    Press fast, plain;
    bool slowPlain;  // seconds a press: one iteration a repetition
};

BarFigure& bars() {
    static BarFigure figure;
    return figure;
}

const FigureCase kCases[] = {
    {"rectangle-step1-900x900", "1", 1000, 10, 900, 900,
     [](ValuePanel& f, RandomSource& r) { DrawRectangleFigureFast(f, r, kX, kY); },
     [](ValuePanel& f, RandomSource& r) { DrawRectangleFigure(f, r, kX, kY); }, true},
    {"circle-step1-size5000-aspect1", "1", 5000, 10, 260, 180,
     [](ValuePanel& f, RandomSource& r) { DrawCircleFigureFast(f, r, kX, kY); },
     [](ValuePanel& f, RandomSource& r) { DrawCircleFigure(f, r, kX, kY); }, false},
    {"circle-step1-size5000-aspect0.2", "1", 5000, 2, 260, 180,
     [](ValuePanel& f, RandomSource& r) { DrawCircleFigureFast(f, r, kX, kY); },
     [](ValuePanel& f, RandomSource& r) { DrawCircleFigure(f, r, kX, kY); }, false},
    {"square-step1-900", "1", 1000, 10, 900, 180,
     [](ValuePanel& f, RandomSource& r) { DrawSquareFigureFast(f, r, kX, kY); },
     [](ValuePanel& f, RandomSource& r) { DrawSquareFigure(f, r, kX, kY); }, false},
    {"bars-step1", "1", 1000, 10, 260, 180,
     [](ValuePanel& f, RandomSource& r) { DrawBarFigureFast(bars(), f, r); },
     [](ValuePanel& f, RandomSource& r) { bars().DrawBarFigure(f, r); }, true},
};

bench::CaseTimes& limits() {
    static bench::CaseTimes times;
    return times;
}

void setUp(ValuePanel& f, const FigureCase& c) {
    f.combo3 = c.step;
    f.hScroll1 = c.size;
    f.hScroll2 = c.aspect;
    f.hScroll3 = c.halfWidth;
    f.hScroll4 = c.halfHeight;
    f.canvas.setDrawWidth(QString(c.step).toInt());
}

// Times one press a iteration on the same canvas, as presses follow each other in the
// program, and leaves the seconds per iteration.
template <typename Body>
double timePresses(benchmark::State& state, Body&& body) {
    double spent = 0;
    for (auto _ : state) {
        const double start = bench::cpuSeconds();
        body();
        spent += bench::cpuSeconds() - start;
    }
    return state.iterations() ? spent / double(state.iterations()) : 0;
}

void drawing(benchmark::State& state, const FigureCase& c, Press press) {
    ValuePanel panel(kDrawingArea);
    setUp(panel, c);
    std::uint64_t draws = 0;
    const double seconds = timePresses(state, [&] {
        RandomSource random;
        press(panel, random);
        draws = random.drawCount();
    });
    state.counters["draws"] = double(draws);
    if (const double limit = limits().median(c.name); limit > 0)
        state.counters["x_limit"] = seconds / limit;
}

// What no drawing of the figure can beat: its colours, drawn in the same number and
// order, and every pixel of the drawing area written once.
void limit(benchmark::State& state, const FigureCase& c) {
    ValuePanel panel(kDrawingArea);
    setUp(panel, c);
    RandomSource counter;
    c.fast(panel, counter);
    const std::uint64_t colours = counter.drawCount() / 3;
    QImage& image = panel.canvas.drawingTarget();
    const QSize area = panel.canvas.drawableSize(image);
    std::vector<std::uint32_t> pattern(static_cast<std::size_t>(std::max(area.width(), 0)));
    const double seconds = timePresses(state, [&] {
        RandomSource random;
        std::uint32_t mix = 0;
        for (std::uint64_t n = 0; n < colours; ++n)
            mix += static_cast<std::uint32_t>(RandomColor(random).value);
        // Written past the cache, as the fastest figures write their rows.
        std::fill(pattern.begin(), pattern.end(), 0xFF000000u | mix);
        for (int y = 0; y < area.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            raster::streamPixels(pattern.data(), pattern.data() + area.width(), row);
        }
        raster::finishStreamedPixels();
        benchmark::ClobberMemory();
    });
    limits().add(c.name, seconds);
    state.counters["draws"] = double(colours * 3);
}

void registerFigures() {
    for (const FigureCase& c : kCases) {
        const std::string name = c.name;
        // The limit first: the drawings divide by its median.
        benchmark::RegisterBenchmark((name + "/limit").c_str(), limit, c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/fast").c_str(), drawing, c, c.fast)
            ->Unit(benchmark::kMillisecond);
        auto* plain = benchmark::RegisterBenchmark((name + "/plain").c_str(), drawing, c, c.plain)
                          ->Unit(benchmark::kMillisecond);
        if (c.slowPlain) plain->Iterations(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerFigures();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
