// Milliseconds for turning a sticker into a 1000 x 1000 output box (plain and fast), and
// for saving a full maximised canvas (1799 x 1069 on a 1920 x 1080 screen) in every
// format. Run: build/bench/chromadeck_pictures_bench
#include "canvas/canvas.h"
#include "canvas/random_source.h"
#include "pictures/image_saver.h"
#include "pictures/rotation.h"
#include "platform/scripted_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace chromadeck;

namespace {
double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

// Random-colour rings, as the canvas holds after a few presses.
QImage busyPicture(int w, int h) {
    Canvas canvas;
    canvas.setBorderStyle(0);
    canvas.resize(w, h);
    canvas.surface().setAutoRedraw(true);
    canvas.surface().setScaleMode(DrawingSurface::kPixels);
    RandomSource random;
    canvas.surface().setDrawWidth(7);
    for (int r = 1; r < 1200; r += 5)
        canvas.surface().Circle(w / 3.0f, h / 2.0f, float(r), RandomColor(random));
    return canvas.surface().Image();
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Canvas source, output;
    source.setBorderStyle(1);
    source.setAutoSize(true);
    source.surface().setScaleMode(DrawingSurface::kPixels);
    source.setPicture(busyPicture(343, 161));
    for (const bool fast : {false, true}) {
        output.setBorderStyle(0);
        output.resize(1000, 1000);
        output.surface().setScaleMode(DrawingSurface::kPixels);
        output.surface().setAutoRedraw(true);
        output.surface().setBackColor(RGB(255, 255, 255));
        QElapsedTimer timer;
        timer.start();
        if (fast)
            RotatePictureFast(source.surface(), output.surface(), 30);
        else
            RotatePicture(source.surface(), output.surface(), 30);
        std::printf("%-34s %10.1f ms\n", fast ? "rotate-1000x1000-fast" : "rotate-1000x1000",
                    msSince(timer));
    }

    platform::ScriptedServices services;
    const QImage canvas = busyPicture(1799, 1069);
    QTemporaryDir dir;
    for (const char* type : {"bmp", "png", "jpg", "gif", "tiff"}) {
        QElapsedTimer timer;
        timer.start();
        SaveImageFile(canvas, dir.filePath(QString("canvas.") + type), type, 80, 24, 6,
                      services.messages, services.screen);
        std::printf("save-full-canvas-%-17s %10.1f ms\n", type, msSince(timer));
    }
    return 0;
}
