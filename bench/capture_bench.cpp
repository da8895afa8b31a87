// Milliseconds for the capture history's steps on a 3840 x 2160 screen, and the memory
// a snapshot takes. Run: build/bench/chromadeck_capture_bench
#include "capture/capture_history.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
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
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage picture = desktop();
    CaptureHistory history;
    QElapsedTimer timer;
    timer.start();
    history.StartHistory(picture);
    std::printf("start-history-3840x2160          %10.1f ms  (%.1f MB)\n", ms(timer),
                history.Snapshots()[1].Bytes.size() / 1e6);

    constexpr int kAnnotations = 50;
    double pushTotal = 0, pushWorst = 0, stored = 0;
    for (int k = 0; k < kAnnotations; ++k) {
        QPainter painter(&picture);
        painter.setPen(QColor(255, 0, 0));
        painter.drawRect(100 + k * 60, 1500, 300, 200);  // one more rectangle annotation
        painter.end();
        timer.restart();
        history.PushSnapshot(picture);
        const double t = ms(timer);
        pushTotal += t;
        pushWorst = std::max(pushWorst, t);
        stored += history.Snapshots().back().Bytes.size();
    }
    std::printf(
        "push-snapshot (mean / worst)      %10.1f / %.1f ms  (%.3f MB a snapshot on average)\n",
        pushTotal / kAnnotations, pushWorst, stored / kAnnotations / 1e6);

    double undoTotal = 0, undoWorst = 0;
    for (int k = 0; k < kAnnotations; ++k) {
        timer.restart();
        const auto step = history.Undo();
        const double t = ms(timer);
        undoTotal += t;
        undoWorst = std::max(undoWorst, t);
        if (step.picture.isNull()) return 1;
    }
    std::printf("undo (mean / worst)               %10.1f / %.1f ms\n", undoTotal / kAnnotations,
                undoWorst);
    return 0;
}
