// Milliseconds for the capture history's steps on a 3840 x 2160 screen, and the memory
// its steps take for many annotations. Run: build/bench/chromadeck_capture_bench
#include "capture/capture_history.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <random>

using chromadeck::capture::CaptureHistory;

namespace {
// A desktop: flat panels and text-like detail over a noisy, photo-like wallpaper, the
// worst case for any compression of the whole picture.
QImage desktop() {
    QImage image(3840, 2160, QImage::Format_RGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] =
                qRgb((x / 7 + noise() % 32) & 255, (y / 5 + noise() % 32) & 255, noise() % 256);
    }
    QPainter painter(&image);
    painter.fillRect(200, 200, 1600, 1200, QColor(240, 240, 240));
    painter.setPen(Qt::black);
    for (int line = 0; line < 40; ++line)
        painter.drawText(240, 260 + line * 26,
                         QStringLiteral("Chromadeck capture history line %1").arg(line));
    return image;
}

double ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// The k-th annotation: a rectangle outline of 200 x 100, each one somewhere else.
void annotate(QImage& picture, int k) {
    QPainter painter(&picture);
    painter.setPen(QColor(255, k & 255, 0));
    painter.drawRect((k * 397) % (picture.width() - 201), (k * 151) % (picture.height() - 101), 200,
                     100);
}

struct Timing {
    double total = 0, worst = 0;
    int count = 0;
    void add(double t) {
        total += t;
        worst = std::max(worst, t);
        ++count;
    }
    void print(const char* what) const {
        std::printf("%-34s %8.2f / %.2f ms\n", what, total / count, worst);
    }
};

// Push, undo and redo on a 3840 x 2160 screen, the picture shown held as the window
// holds it (so the history's spare picture is free again after every step).
int timeSteps() {
    QImage picture = desktop();
    CaptureHistory history;
    QElapsedTimer timer;
    timer.start();
    if (!history.StartHistory(picture)) return 1;
    std::printf("start-history-3840x2160            %8.2f ms\n", ms(timer));

    constexpr int kAnnotations = 50;
    Timing push, undo, redo;
    for (int k = 0; k < kAnnotations; ++k) {
        annotate(picture, k);
        timer.restart();
        if (!history.PushSnapshot(picture)) return 1;
        push.add(ms(timer));
    }
    QImage shown = picture;
    picture = QImage();
    for (int k = 0; k < kAnnotations; ++k) {
        timer.restart();
        shown = history.Undo().picture;
        undo.add(ms(timer));
        if (shown.isNull()) return 1;
    }
    for (int k = 0; k < kAnnotations; ++k) {
        timer.restart();
        shown = history.Redo().picture;
        redo.add(ms(timer));
        if (shown.isNull()) return 1;
    }
    push.print("push-snapshot (mean / worst)");
    undo.print("undo (mean / worst)");
    redo.print("redo (mean / worst)");
    std::printf("stored after %d annotations        %8.3f MB\n", kAnnotations,
                history.storedBytes() / 1e6);
    return 0;
}

// What the history keeps for many annotations on a 1920 x 1080 screen.
void storedBytes() {
    QImage picture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    CaptureHistory history;
    if (!history.StartHistory(picture)) return;
    for (int k = 1; k <= 1000; ++k) {
        annotate(picture, k);
        if (!history.PushSnapshot(picture)) return;
        if (k == 200 || k == 1000)
            std::printf("stored after %4d annotations 1080p %8.3f MB (%lld bytes)\n", k,
                        history.storedBytes() / 1e6, static_cast<long long>(history.storedBytes()));
    }
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (timeSteps() != 0) return 1;
    storedBytes();
    return 0;
}
