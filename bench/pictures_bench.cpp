// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a sticker into a 1000 x 1000 output box (plain and fast), saving a full
// maximised canvas (1799 x 1044 on a 1920 x 1080 screen) in every format, and the GIF
// palette of the three test pictures (PSNR and colours beside the time; the other
// palettes' figures come from tools/gif_palette_figures).
// Run: build/bench/chromadeck_pictures_bench --benchmark_repetitions=5
#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "pictures/image_saver.h"
#include "pictures/palette_pictures.h"
#include "pictures/palette_quantizer.h"
#include "pictures/rotation.h"
#include "platform/scripted_services.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

using namespace chromadeck;

namespace {

// Random-colour rings, as the canvas holds after a few presses.
QImage busyPicture(int w, int h) {
    DrawingSurface canvas(QSize(w, h));
    canvas.setAutoRedraw(true);
    canvas.setScaleMode(DrawingSurface::kPixels);
    RandomSource random;
    canvas.setDrawWidth(7);
    for (int r = 1; r < 1200; r += 5)
        canvas.Circle(w / 3.0f, h / 2.0f, float(r), RandomColor(random));
    return canvas.Image();
}

// The sticker box takes its picture's size; the output box is 1000 x 1000.
void Rotate1000x1000(benchmark::State& state, bool fast) {
    DrawingSurface source(QSize(343, 161)), output(QSize(1000, 1000));
    source.setScaleMode(DrawingSurface::kPixels);
    source.setPicture(busyPicture(343, 161));
    output.setScaleMode(DrawingSurface::kPixels);
    output.setAutoRedraw(true);
    output.setBackColor(RGB(255, 255, 255));
    for (auto _ : state) {
        if (fast)
            RotatePictureFast(source, output, 30);
        else
            RotatePicture(source, output, 30);
    }
}
BENCHMARK_CAPTURE(Rotate1000x1000, plain, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rotate1000x1000, fast, true)->Unit(benchmark::kMillisecond);

void SaveFullCanvas(benchmark::State& state, const char* type) {
    platform::ScriptedServices services;
    const QImage canvas = busyPicture(1799, 1044);
    QTemporaryDir dir;
    const QString file = dir.filePath(QString("canvas.") + type);
    for (auto _ : state)
        SaveImageFile(canvas, file, type, 80, 24, 6, services.messages, services.screen);
}
BENCHMARK_CAPTURE(SaveFullCanvas, bmp, "bmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFullCanvas, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFullCanvas, jpg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFullCanvas, gif, "gif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFullCanvas, tiff, "tiff")->Unit(benchmark::kMillisecond);

void GifPalette(benchmark::State& state, QImage (*make)()) {
    const QImage picture = make();
    QImage indexed;
    for (auto _ : state) indexed = ReducePalette(picture);
    state.counters["psnr"] = testing::psnr(picture, indexed);
    state.counters["colours"] = double(indexed.colorTable().size());
}
BENCHMARK_CAPTURE(GifPalette, gradient, testing::gradientPicture)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GifPalette, photo, testing::photoPicture)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GifPalette, screenshot, testing::screenshotPicture)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
