// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's costs on full screens, 1920 x 1080 and 3840 x 2160: the history's
// steps (start, push, undo, redo) and what it stores for many annotations; the window's
// opening, a stroke's preview and commit, and a copy, each against one screenful's copy.
// Run: build/bench/chromadeck_capture_bench --benchmark_repetitions=5
#include "capture/capture_form.h"
#include "capture/capture_history.h"
#include "cpu_clock.h"
#include "offscreen_screens.h"
#include "platform/scripted_services.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstring>
#include <memory>
#include <random>
#include <string>

using namespace chromadeck;
using chromadeck::capture::CaptureHistory;
using chromadeck::capture::ToolbarButton;

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
// Each case's limit is a plain copy of one screenful (what any capture must make of the
// grabbed screen at least once): its x_limit is its time over that copy's median.

bench::CaseTimes& limits() {
    static bench::CaseTimes times;
    return times;
}

std::string screenName(const benchmark::State& state) {
    return std::to_string(state.range(0)) + "x" + std::to_string(state.range(1));
}

void reportLimitRatio(benchmark::State& state, double seconds) {
    if (const double limit = limits().median(screenName(state)); limit > 0)
        state.counters["x_limit"] = seconds / limit;
}

void OneScreenfulCopy(benchmark::State& state) {
    const QImage screen = desktop(int(state.range(0)), int(state.range(1)));
    QImage copy(screen.size(), screen.format());
    copy.fill(0);  // its pages are the system's already, as a reused buffer's are
    double seconds = 0;
    for (auto _ : state) {
        const double start = bench::cpuSeconds();
        std::memcpy(copy.bits(), screen.constBits(), size_t(screen.sizeInBytes()));
        benchmark::DoNotOptimize(copy.constBits());
        seconds += bench::cpuSeconds() - start;
    }
    limits().add(screenName(state), seconds / double(state.iterations()));
}
BENCHMARK(OneScreenfulCopy)->Apply(screenSizes);

// A capture window on a screen showing `desktop`, with everything it needs.
struct CaptureWindow {
    platform::ScriptedServices services;
    std::unique_ptr<CaptureForm> form;

    explicit CaptureWindow(const benchmark::State& state) {
        services.screen.size = QSize(int(state.range(0)), int(state.range(1)));
        // The window goes full screen on the screen of its size (see main()).
        services.screen.position = QPoint(services.screen.size.width() > 1920 ? 1920 : 0, 0);
        services.screen.picture =
            desktop(services.screen.size.width(), services.screen.size.height());
    }
    bool open() {
        form = std::make_unique<CaptureForm>(nullptr, services.services());
        if (!form->Open()) return false;
        QCoreApplication::processEvents();  // the first paint
        return true;
    }
    void close() {
        form->Unload();
        form.reset();
        QCoreApplication::processEvents();
    }
    // A region fixed over the screen's middle, the rectangle tool chosen.
    void annotating() {
        const QSize size = services.screen.size;
        form->Form_MouseDown(1, 0, size.width() / 8.0f, size.height() / 8.0f);
        form->Form_MouseMove(1, 0, size.width() * 7 / 8.0f, size.height() * 7 / 8.0f);
        form->Form_MouseUp(1, 0, size.width() * 7 / 8.0f, size.height() * 7 / 8.0f);
        form->Image2_Click(int(ToolbarButton::Rectangle));
        QCoreApplication::processEvents();
    }
    // A point a quarter of the way into the screen, inside that region.
    QPointF inside() const {
        return {services.screen.size.width() / 4.0, services.screen.size.height() / 4.0};
    }
};

// From the grab to the window painted on the screen.
void CaptureOpening(benchmark::State& state) {
    CaptureWindow window(state);
    double seconds = 0;
    for (auto _ : state) {
        const double start = bench::cpuSeconds();
        if (!window.open()) state.SkipWithError("the window did not open");
        seconds += bench::cpuSeconds() - start;
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
    reportLimitRatio(state, seconds / double(state.iterations()));
}
BENCHMARK(CaptureOpening)->Apply(screenSizes);

// One mouse move of a rectangle being drawn, 600 x 400 window pixels and growing and
// shrinking by a pixel, with its repaint.
void AnnotationPreview(benchmark::State& state) {
    CaptureWindow window(state);
    if (!window.open()) state.SkipWithError("the window did not open");
    window.annotating();
    const QPointF from = window.inside();
    window.form->Form_MouseDown(1, 0, float(from.x()), float(from.y()));
    int move = 0;
    for (auto _ : state) {
        const float grow = float(move++ % 2);
        window.form->Form_MouseMove(1, 0, float(from.x()) + 600 + grow,
                                    float(from.y()) + 400 + grow);
        QCoreApplication::processEvents();
    }
    window.form->Form_MouseUp(1, 0, float(from.x()) + 600, float(from.y()) + 400);
    window.close();
}
BENCHMARK(AnnotationPreview)->Apply(screenSizes);

// The release of a 600 x 400 rectangle: drawn for keeps, a step of the history, repainted.
void AnnotationCommit(benchmark::State& state) {
    CaptureWindow window(state);
    if (!window.open()) state.SkipWithError("the window did not open");
    window.annotating();
    int stroke = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const float x = float(window.inside().x()) + float(stroke % 50 * 7);
        const float y = float(window.inside().y()) + float(stroke++ % 50 * 5);
        window.form->Form_MouseDown(1, 0, x, y);
        window.form->Form_MouseMove(1, 0, x + 600, y + 400);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.form->Form_MouseUp(1, 0, x + 600, y + 400);
        QCoreApplication::processEvents();
    }
    window.close();
}
BENCHMARK(AnnotationCommit)->Apply(screenSizes);

// A 400 x 300 region of an annotated screen onto the clipboard.
void CopyRegion400x300(benchmark::State& state) {
    CaptureWindow window(state);
    if (!window.open()) state.SkipWithError("the window did not open");
    window.annotating();
    const QPointF at = window.inside();
    window.form->Form_MouseDown(1, 0, float(at.x()), float(at.y()));
    window.form->Form_MouseMove(1, 0, float(at.x()) + 200, float(at.y()) + 100);
    window.form->Form_MouseUp(1, 0, float(at.x()) + 200, float(at.y()) + 100);
    const Long left = Long(at.x()) - 50, top = Long(at.y()) - 50;
    for (auto _ : state) window.form->ScrnCap(left, top, left + 400, top + 300);
    window.close();
}
BENCHMARK(CopyRegion400x300)->Apply(screenSizes);

}  // namespace

int main(int argc, char** argv) {
    const auto screens = bench::useOffscreenScreens();
    if (!screens) return 1;
    QApplication app(argc, argv);  // fonts for the desktop's text, and the capture window
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
