// Milliseconds for turning a sticker into a 1000 x 1000 output box (plain and fast), and
// for saving a full maximised canvas (1799 x 1044 on a 1920 x 1080 screen) in every
// format. Run: build/bench/chromadeck_pictures_bench
#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "pictures/image_saver.h"
#include "pictures/rotation.h"
#include "platform/scripted_services.h"

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
    DrawingSurface canvas(QSize(w, h));
    canvas.setAutoRedraw(true);
    canvas.setScaleMode(DrawingSurface::kPixels);
    RandomSource random;
    canvas.setDrawWidth(7);
    for (int r = 1; r < 1200; r += 5)
        canvas.Circle(w / 3.0f, h / 2.0f, float(r), RandomColor(random));
    return canvas.Image();
}
}  // namespace

int main() {
    // The sticker box takes its picture's size; the output box is 1000 x 1000.
    DrawingSurface source(QSize(343, 161)), output(QSize(1000, 1000));
    source.setScaleMode(DrawingSurface::kPixels);
    source.setPicture(busyPicture(343, 161));
    for (const bool fast : {false, true}) {
        output.setScaleMode(DrawingSurface::kPixels);
        output.setAutoRedraw(true);
        output.setBackColor(RGB(255, 255, 255));
        QElapsedTimer timer;
        timer.start();
        if (fast)
            RotatePictureFast(source, output, 30);
        else
            RotatePicture(source, output, 30);
        std::printf("%-34s %10.1f ms\n", fast ? "rotate-1000x1000-fast" : "rotate-1000x1000",
                    msSince(timer));
    }

    platform::ScriptedServices services;
    const QImage canvas = busyPicture(1799, 1044);
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
