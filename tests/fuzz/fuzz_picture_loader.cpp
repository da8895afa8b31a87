// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loader on arbitrary bytes. Users open whatever file they like, so a file
// must give a picture or a reason, never a crash, a hang or runaway memory; scripts/fuzz
// runs this with memory and time limits for the last two.
#include "fuzz_expect.h"
#include "platform/picture_io.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

using chromadeck::platform::LoadedPicture;

namespace {

// Qt's readers are not compiled for coverage, so libFuzzer would see every file run
// through the same few lines of the loader and keep a single seed. What a file became
// (the format Qt took it for, the reason it failed, the magnitude of its size) counts
// as coverage instead, through libFuzzer's extra counters.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t gOutcomes[4096];

// Every doubling of the size counting as new would breed ever larger pictures, each
// slower to decode; beyond a million pixels a picture is just large.
constexpr int kLargestMagnitude = 21;

void CountOutcome(const QString& path, const LoadedPicture& loaded) {
    QString outcome = QString::fromLatin1(QImageReader::imageFormat(path)) + u'|' + loaded.error;
    // A reason that quotes the picture's size is one outcome whatever the size.
    outcome.removeIf([](QChar c) { return c.isDigit(); });
    const auto pixels = std::uint64_t(loaded.image.width()) * std::uint64_t(loaded.image.height());
    const int magnitude = std::min(int(std::bit_width(pixels)), kLargestMagnitude);
    const std::size_t slot = qHash(outcome, magnitude) % sizeof gOutcomes;
    gOutcomes[slot] = 1;
}

// The loader takes a path, so every input is written to the same file of a folder that
// belongs to this process (several runs may share the temporary folder).
QString InputPath() {
    static const QTemporaryDir folder;
    FuzzExpect(folder.isValid(), "a temporary folder for the input file");
    return folder.filePath(QStringLiteral("input"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    // The program reads pictures under its application object; reading needs no window
    // system, and the format plugins (TIFF, WebP, ICO...) load under a core one.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QCoreApplication application(qtArgc, qtArgv);
    InputPath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = InputPath();
    {
        QFile file(path);
        FuzzExpect(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file opens");
        FuzzExpect(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                   "the input file is written");
    }

    const LoadedPicture loaded = chromadeck::platform::LoadPicture(path);
    if (loaded.ok()) {
        FuzzExpect(!loaded.image.isNull(), "a file that loads gives a picture");
        FuzzExpect(loaded.image.format() == QImage::Format_RGB32, "a picture comes as RGB32");
    } else {
        FuzzExpect(loaded.image.isNull(), "a file that fails gives no picture");
    }
    CountOutcome(path, loaded);
    return 0;
}
