// Milliseconds for the cut-out window's fill on a 4000 x 4000 open area: the canvas's
// scanline fill alone, and a whole fill press of the window on a picture that size.
// Run: build/bench/chromadeck_cutout_bench [repeats]
#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "cutout/form11.h"
#include "platform/scripted_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace chromadeck;

namespace {

constexpr int kSide = 4000;

void report(const char* name, double ms, long long pixels) {
    std::printf("%-36s %8.1f ms  (%lld pixels, %.0f Mpixel/s)\n", name, ms, pixels,
                pixels / ms / 1000.0);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    // The canvas fill: each round floods the whole area with the other colour.
    DrawingSurface canvas(QSize(kSide, kSide));
    canvas.setAutoRedraw(true);
    canvas.setScaleMode(DrawingSurface::kPixels);
    canvas.setFillStyle(0);
    canvas.setBackColor(RGB(0, 0, 0));
    for (int i = 0; i < repeats; ++i) {
        const RgbColor from = i % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0);
        canvas.setFillColor(i % 2 ? RGB(0, 0, 0) : RGB(255, 255, 255));
        QElapsedTimer timer;
        timer.start();
        const long long painted = canvas.ExtFloodFill(kSide / 2, kSide / 2, from);
        report("canvas ExtFloodFill 4000x4000", timer.nsecsElapsed() / 1e6, painted);
    }

    // The window's press in fill mode, on a picture that fills the pad: this part needs
    // the window, so it runs in an application.
    QApplication app(argc, argv);
    platform::ScriptedServices services;
    RandomSource random;
    QWidget main;
    Form11 form(&main, services.services(), random, nullptr);
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    for (int i = 0; i < repeats; ++i) {
        picture.fill(i % 2 ? Qt::darkCyan : Qt::darkYellow);
        form.Picture1->setPicture(picture);
        form.Option5->click();
        QElapsedTimer timer;
        timer.start();
        form.Picture1_MouseDown(1, 0, kSide / 2, kSide / 2);
        const double ms = timer.nsecsElapsed() / 1e6;
        const QImage image = form.Picture1->surface().Image();
        const long long filled = image.pixel(kSide - 1, kSide - 1) == 0xFFFFFFFFu
                                     ? static_cast<long long>(kSide) * kSide
                                     : 0;
        report("Form11 fill press 4000x4000 picture", ms, filled);
    }
    return 0;
}
