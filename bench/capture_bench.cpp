// The capture window's costs on full screens, 1920 x 1080 and 3840 x 2160: the history's
// steps (start, push, undo, redo) and what it stores for many annotations.
// Run: build/bench/chromadeck_capture_bench --benchmark_repetitions=5
#include "capture/capture_history.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <random>

using chromadeck::capture::CaptureHistory;

namespace {

// The screens every capture case runs on, as (width, height) arguments.
void screenSizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160})->ArgNames({"w", "h"});
    b->Unit(benchmark::kMillisecond);
}

// A desktop: flat panels and text-like detail over a noisy, photo-like wallpaper, the
// worst case for any compression of the whole picture.
QImage desktop(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] =
                qRgb((x / 7 + noise() % 32) & 255, (y / 5 + noise() % 32) & 255, noise() % 256);
    }
    QPainter painter(&image);
    painter.fillRect(w / 20, h / 10, w * 4 / 10, h * 5 / 10, QColor(240, 240, 240));
    painter.setPen(Qt::black);
    for (int line = 0; line < 40; ++line)
        painter.drawText(w / 20 + 40, h / 10 + 60 + line * 26,
                         QStringLiteral("Chromadeck capture history line %1").arg(line));
    return image;
}

// The k-th annotation: a rectangle outline of 200 x 100, each one somewhere else.
void annotate(QImage& picture, int k) {
    QPainter painter(&picture);
    painter.setPen(QColor(255, k & 255, 0));
    painter.drawRect((k * 397) % (picture.width() - 201), (k * 151) % (picture.height() - 101), 200,
                     100);
}

// ---- the history

void StartHistory(benchmark::State& state) {
    const QImage picture = desktop(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        CaptureHistory history;
        if (!history.StartHistory(picture)) state.SkipWithError("no memory for the history");
    }
}
BENCHMARK(StartHistory)->Apply(screenSizes);

// One annotation committed, the picture shown held as the window holds it.
void PushSnapshot(benchmark::State& state) {
    QImage picture = desktop(int(state.range(0)), int(state.range(1)));
    CaptureHistory history;
    if (!history.StartHistory(picture)) state.SkipWithError("no memory for the history");
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        annotate(picture, k++);
        state.ResumeTiming();
        if (!history.PushSnapshot(picture)) state.SkipWithError("no memory for the step");
    }
    state.counters["stored_MB"] = history.storedBytes() / 1e6;
}
BENCHMARK(PushSnapshot)->Apply(screenSizes);

// Undo or redo of one step among 50; at either end the history is walked back to the
// other, outside the timing.
void UndoRedo(benchmark::State& state, bool undo) {
    QImage picture = desktop(int(state.range(0)), int(state.range(1)));
    CaptureHistory history;
    if (!history.StartHistory(picture)) state.SkipWithError("no memory for the history");
    for (int k = 0; k < 50; ++k) {
        annotate(picture, k);
        if (!history.PushSnapshot(picture)) state.SkipWithError("no memory for the step");
    }
    picture = QImage();
    QImage shown;
    for (auto _ : state) {
        if (undo ? history.SnapPos() == 1 : history.SnapPos() == history.SnapTop()) {
            state.PauseTiming();
            while (undo ? history.SnapPos() < history.SnapTop() : history.SnapPos() > 1)
                shown = (undo ? history.Redo() : history.Undo()).picture;
            state.ResumeTiming();
        }
        shown = (undo ? history.Undo() : history.Redo()).picture;
        if (shown.isNull()) state.SkipWithError("no picture");
    }
}
BENCHMARK_CAPTURE(UndoRedo, undo, true)->Apply(screenSizes);
BENCHMARK_CAPTURE(UndoRedo, redo, false)->Apply(screenSizes);

// What the history keeps for 1000 annotations on a 1920 x 1080 screen.
void StoredAfter1000(benchmark::State& state) {
    QImage start(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < start.height(); ++y)
        for (int x = 0; x < start.width(); ++x)
            start.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    for (auto _ : state) {
        QImage picture = start;
        CaptureHistory history;
        if (!history.StartHistory(picture)) state.SkipWithError("no memory for the history");
        for (int k = 1; k <= 1000; ++k) {
            annotate(picture, k);
            if (!history.PushSnapshot(picture)) state.SkipWithError("no memory for the step");
        }
        state.counters["stored_MB"] = history.storedBytes() / 1e6;
    }
}
BENCHMARK(StoredAfter1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// ---- the capture window
// Cases of the window itself (opening on a grabbed screen, a stroke's preview, its
// commit, the copy to the clipboard) belong here, on the same screens:
// BENCHMARK(...)->Apply(screenSizes). They need the widgets: link chromadeck_capture and
// chromadeck_platform_scripted in bench/CMakeLists.txt and make the application below a
// QApplication.

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the desktop's text
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
