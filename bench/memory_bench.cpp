// SPDX-License-Identifier: GPL-3.0-or-later
// The memory a large picture takes in a picture box that sizes itself to it (the sticker
// box, the cut-out pad), and what stays after a small picture replaces it; then the
// memory a capture window of a 3840 x 2160 screen takes while open and what stays after
// it closes, with a few annotations drawn: the resident set size read from the system after each
// step, as counters in MB. The time is of no interest here; each case runs once. Run:
// build/bench/chromadeck_memory_bench
#include "canvas/canvas.h"
#include "capture/capture_form.h"
#include "offscreen_screens.h"
#include "platform/picture_io.h"
#include "platform/picture_memory.h"
#include "platform/scripted_services.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace chromadeck;

namespace {

double residentMB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * double(::sysconf(_SC_PAGESIZE)) / 1e6;
}

QImage gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    return image;
}

void SelfSizingPictureBox(benchmark::State& state) {
    QTemporaryDir dir;
    const QString large = dir.filePath("large.png"), small = dir.filePath("small.png");
    gradient(8000, 8000).save(large);  // 244 MB decoded, just inside the budget
    gradient(200, 150).save(small);
    for (auto _ : state) {
        Canvas box;
        box.setBorderStyle(1);
        box.setAutoSize(true);
        state.counters["0_before_MB"] = residentMB();
        box.setPicture(platform::LoadPicture(large).image);
        state.counters["1_8000x8000_MB"] = residentMB();
        box.setPicture(platform::LoadPicture(small).image);
        state.counters["2_200x150_after_MB"] = residentMB();
        box.setPicture(QImage());
        state.counters["3_no_picture_MB"] = residentMB();
    }
}
BENCHMARK(SelfSizingPictureBox)->Iterations(1)->Unit(benchmark::kMillisecond);

// A region, three rectangles drawn in it and one of them undone, as a user would.
void annotateAndUndo(CaptureForm& form) {
    form.Form_MouseDown(1, 0, 400, 300);
    form.Form_MouseMove(1, 0, 3400, 1800);
    form.Form_MouseUp(1, 0, 3400, 1800);
    form.Image2_Click(int(capture::ToolbarButton::Rectangle));
    for (int k = 0; k < 3; ++k) {
        const float at = float(500 + 300 * k);
        form.Form_MouseDown(1, 0, at, at);
        for (int step = 1; step <= 10; ++step) {
            form.Form_MouseMove(1, 0, at + 80.0f * step, at + 50.0f * step);
            QCoreApplication::processEvents();
        }
        form.Form_MouseUp(1, 0, at + 800, at + 500);
        QCoreApplication::processEvents();
    }
    form.Image2_Click(int(capture::ToolbarButton::Undo));
    QCoreApplication::processEvents();
}

void CaptureWindow3840x2160(benchmark::State& state) {
    platform::ScriptedServices services;
    services.screen.size = QSize(3840, 2160);
    services.screen.position = QPoint(1920, 0);      // on the 4K screen of main()
    services.screen.picture = gradient(3840, 2160);  // the screen itself, before the run
    for (auto _ : state) {
        state.counters["0_before_MB"] = residentMB();
        for (int run = 1; run <= 3; ++run) {
            auto form = std::make_unique<CaptureForm>(nullptr, services.services());
            if (!form->Open()) state.SkipWithError("the window did not open");
            QCoreApplication::processEvents();
            state.counters[QStringLiteral("%1_open_MB").arg(run).toStdString()] = residentMB();
            annotateAndUndo(*form);
            state.counters[QStringLiteral("%1_annotated_MB").arg(run).toStdString()] = residentMB();
            form->Unload();
            form.reset();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            platform::GiveFreedMemoryBack();  // as the main window does after a run
            state.counters[QStringLiteral("%1_closed_MB").arg(run).toStdString()] = residentMB();
        }
    }
}
BENCHMARK(CaptureWindow3840x2160)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const auto screens = bench::useOffscreenScreens();
    if (!screens) return 1;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
