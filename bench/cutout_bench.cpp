// SPDX-License-Identifier: GPL-3.0-or-later
// The cut-out window's fill on a 4000 x 4000 open area: the canvas's scanline fill alone,
// and a whole fill press of the window on a picture that size.
// Run: build/bench/chromadeck_cutout_bench --benchmark_repetitions=5
#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "cutout/form11.h"
#include "platform/scripted_services.h"

#include <benchmark/benchmark.h>

#include <QApplication>

using namespace chromadeck;

namespace {

constexpr int kSide = 4000;

// Each iteration floods the whole area with the other colour.
void ExtFloodFill(benchmark::State& state) {
    DrawingSurface canvas(QSize(kSide, kSide));
    canvas.setAutoRedraw(true);
    canvas.setScaleMode(DrawingSurface::kPixels);
    canvas.setFillStyle(0);
    canvas.setBackColor(RGB(0, 0, 0));
    bool white = false;
    long long painted = 0;
    for (auto _ : state) {
        canvas.setFillColor(white ? RGB(0, 0, 0) : RGB(255, 255, 255));
        painted =
            canvas.ExtFloodFill(kSide / 2, kSide / 2, white ? RGB(255, 255, 255) : RGB(0, 0, 0));
        white = !white;
    }
    if (painted != static_cast<long long>(kSide) * kSide) state.SkipWithError("not all filled");
    state.counters["Mpixel/s"] = benchmark::Counter(
        double(kSide) * kSide / 1e6 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(ExtFloodFill)->Unit(benchmark::kMillisecond);

// The window's press in fill mode, on a picture that fills the pad.
void Form11FillPress(benchmark::State& state) {
    platform::ScriptedServices services;
    RandomSource random;
    QWidget main;
    Form11 form(&main, services.services(), random, nullptr);
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    bool cyan = false;
    for (auto _ : state) {
        state.PauseTiming();
        picture.fill(cyan ? Qt::darkCyan : Qt::darkYellow);
        cyan = !cyan;
        form.Picture1->setPicture(picture);
        form.Option5->click();
        state.ResumeTiming();
        form.Picture1_MouseDown(1, 0, kSide / 2, kSide / 2);
    }
    const QImage image = form.Picture1->surface().Image();
    if (image.pixel(kSide - 1, kSide - 1) != 0xFFFFFFFFu) state.SkipWithError("not all filled");
}
BENCHMARK(Form11FillPress)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the window's press needs widgets
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
