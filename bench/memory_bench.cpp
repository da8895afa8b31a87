// The memory a large picture takes in a picture box that sizes itself to it (the sticker
// box, the cut-out pad), and what stays after a small picture replaces it; then the
// memory a capture window of a 3840 x 2160 screen takes while open and what stays after
// it closes: the resident set size read from the system after each step.
// Run: build/bench/chromadeck_memory_bench
#include "canvas/canvas.h"
#include "capture/capture_form.h"
#include "platform/picture_io.h"
#include "platform/picture_memory.h"
#include "platform/scripted_services.h"

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

void report(const char* step) {
    std::printf("%-46s %8.1f MB resident\n", step, residentMB());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString large = dir.filePath("large.png"), small = dir.filePath("small.png");
    gradient(8000, 8000).save(large);  // 244 MB decoded, just inside the budget
    gradient(200, 150).save(small);

    Canvas box;
    box.setBorderStyle(1);
    box.setAutoSize(true);
    report("before any picture");
    box.setPicture(platform::LoadPicture(large).image);
    report("8000 x 8000 picture in the box");
    box.setPicture(platform::LoadPicture(small).image);
    report("200 x 150 picture in its place");
    box.setPicture(QImage());
    report("no picture");

    platform::ScriptedServices services;
    services.screen.size = QSize(3840, 2160);
    services.screen.picture = gradient(3840, 2160);  // the screen itself, before the run
    report("before the capture window opens");
    for (int run = 1; run <= 3; ++run) {
        auto form = std::make_unique<CaptureForm>(nullptr, services.services());
        if (!form->Open()) return 1;
        QCoreApplication::processEvents();
        report(qPrintable(QStringLiteral("capture window %1 open").arg(run)));
        form->Unload();
        form.reset();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::GiveFreedMemoryBack();  // as the main window does after a run
        report(qPrintable(QStringLiteral("capture window %1 closed").arg(run)));
    }
    return 0;
}
