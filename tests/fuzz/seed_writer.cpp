// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora under the folder given: tiny pictures in the formats users
// open, bags as WriteP writes them, and number texts at the edges of the number rules.
// Small seeds keep libFuzzer's mutations fast; it finds the rest of each format itself.
#include "capture/snapshot_delta.h"
#include "pictures/gif_writer.h"
#include "pictures/picture_bag.h"
#include "snapshot_input.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QStringList>
#include <cstdio>

using namespace chromadeck;

namespace {

bool Save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Four colours in a 6 x 4 picture: enough for a palette, a gradient for JPEG, two
// scan lines of each kind.
const QList<QRgb> kColours = {0xffff0000, 0x8000ff00, 0xff0000ff, 0xffffffff};

QImage SmallPicture(QImage::Format format) {
    QImage image(6, 4, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, kColours[(x < 3 ? 0 : 2) + (y < 2 ? 0 : 1)]);
    // A palette of just these, not the 256 entries Qt would make.
    if (format == QImage::Format_Indexed8) return image.convertToFormat(format, kColours);
    return image.convertToFormat(format);
}

bool WritePictures(const QDir& to) {
    struct Seed {
        const char* name;
        const char* format;
        QImage::Format pixels;
    };
    const Seed seeds[] = {
        {"rgb.bmp", "bmp", QImage::Format_RGB32},
        {"rgb.png", "png", QImage::Format_RGB32},
        {"alpha.png", "png", QImage::Format_ARGB32},
        {"indexed.png", "png", QImage::Format_Indexed8},
        {"grey.jpg", "jpeg", QImage::Format_Grayscale8},
        {"rgb.jpg", "jpeg", QImage::Format_RGB32},
        {"rgb.tiff", "tiff", QImage::Format_RGB32},
        {"alpha.ico", "ico", QImage::Format_ARGB32},
        {"rgb.webp", "webp", QImage::Format_RGB32},
        {"mono.pbm", "pbm", QImage::Format_Mono},
        {"rgb.ppm", "ppm", QImage::Format_RGB32},
        {"mono.xbm", "xbm", QImage::Format_Mono},
        {"indexed.xpm", "xpm", QImage::Format_Indexed8},
    };
    for (const Seed& seed : seeds) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, seed.format);
        if (!writer.write(SmallPicture(seed.pixels))) {
            std::fprintf(stderr, "%s: %s\n", seed.name, qPrintable(writer.errorString()));
            return false;
        }
        if (!Save(to.filePath(seed.name), buffer.data())) return false;
    }
    // Qt writes no GIF; the program's own writer does.
    QBuffer gif;
    gif.open(QIODevice::WriteOnly);
    const QString why = WriteGif(SmallPicture(QImage::Format_RGB32), gif);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "rgb.gif: %s\n", qPrintable(why));
        return false;
    }
    return Save(to.filePath("rgb.gif"), gif.data());
}

bool WriteBags(const QDir& to) {
    struct Seed {
        const char* name;
        QImage picture;
    };
    QImage indexed = SmallPicture(QImage::Format_Indexed8);
    QImage mono(9, 2, QImage::Format_Mono);  // a line is padded to 32 bits
    mono.fill(1);
    mono.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    const Seed seeds[] = {
        {"rgb32", SmallPicture(QImage::Format_RGB32)},
        {"argb32", SmallPicture(QImage::Format_ARGB32)},
        {"rgb888", SmallPicture(QImage::Format_RGB888)},
        {"rgba64", SmallPicture(QImage::Format_RGBA64)},
        {"grey8", SmallPicture(QImage::Format_Grayscale8)},
        {"indexed8", indexed},
        {"mono", mono},
        {"empty", QImage()},
    };
    const ExcelPropertyBag bag;
    for (const Seed& seed : seeds) {
        QByteArray bytes;
        bag.WriteP(bytes, seed.picture);
        if (!Save(to.filePath(seed.name), bytes)) return false;
    }
    return true;
}

bool WriteNumbers(const QDir& to) {
    // Ties of both signs, the edges of Integer, Long, Single and Double, and the
    // spellings a number box meets.
    const struct {
        const char* name;
        const char* text;
    } seeds[] = {
        {"whole", "12"},
        {"spaced", " -3.5 "},
        {"exponent", "1e3"},
        {"tie", "2.5"},
        {"negative_tie", "-2.5"},
        {"signed_fraction", "+.5"},
        {"tenth", "0.1"},
        {"negative_zero", "-0"},
        {"above_integer", "32767.5"},
        {"lowest_integer_tie", "-32768.5"},
        {"largest_long", "2147483647"},
        {"lowest_long_tie", "-2147483648.5"},
        {"largest_single", "3.4028235e38"},
        {"largest_double", "1.7976931348623157e308"},
        {"smallest_double", "5e-324"},
        {"beyond_double", "1e400"},
        {"hexadecimal", "0x1A"},
        {"infinity", "inf"},
        {"trailing_word", "12abc"},
        {"ideographic_spaces", "\u300042\u3000"},
    };
    for (const auto& seed : seeds) {
        if (!Save(to.filePath(seed.name), QByteArray(seed.text))) return false;
    }
    // Digits as UTF-16, as a paste from another program might hold them.
    const QString wide = QStringLiteral("-12.75e1");
    return Save(to.filePath("utf16"),
                QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2));
}

// Steps that fit the target's start picture: a few changed pixels, a changed row, a
// change of size (kept whole), and pixel changes for the encoder to turn into a step.
bool WriteSnapshotSteps(const QDir& to) {
    using namespace snapshot_input;
    using chromadeck::capture::EncodeSnapshotDelta;
    const std::uint8_t rgb[kHeaderBytes] = {7, 4, 0}, argbBack[kHeaderBytes] = {3, 9, 3};
    const auto withHeader = [](const std::uint8_t* header, const QByteArray& rest) {
        return QByteArray(reinterpret_cast<const char*>(header), kHeaderBytes) + rest;
    };
    const QImage start = StartPicture(rgb);
    QImage dotted = start.copy(), striped = start.copy();
    dotted.setPixel(1, 1, qRgb(255, 0, 0));
    dotted.setPixel(6, 3, qRgb(0, 0, 255));
    for (int x = 0; x < striped.width(); ++x) striped.setPixel(x, 2, qRgb(0, 200, 0));
    const QImage argb = StartPicture(argbBack);
    QImage argbAfter = argb.copy();
    argbAfter.setPixel(2, 8, qRgba(1, 2, 3, 255));
    const struct {
        const char* name;
        QByteArray bytes;
    } seeds[] = {
        {"dots", withHeader(rgb, EncodeSnapshotDelta(start, dotted).value_or(QByteArray()))},
        {"row", withHeader(rgb, EncodeSnapshotDelta(start, striped).value_or(QByteArray()))},
        {"resized",
         withHeader(rgb,
                    EncodeSnapshotDelta(start, start.copy(0, 0, 5, 2)).value_or(QByteArray()))},
        // Taken backwards: the step from the picture after to the start picture.
        {"argb_back",
         withHeader(argbBack, EncodeSnapshotDelta(argbAfter, argb).value_or(QByteArray()))},
        {"changes", QByteArray("\x05\x05\x04\x00\xff\x00\x00\x11\x00\xff\x00", 11)},
    };
    for (const auto& seed : seeds) {
        if (!Save(to.filePath(seed.name), seed.bytes)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);  // for the image format plugins
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER (tests/fuzz/corpus)\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    for (const char* target : {"picture_loader", "picture_bag", "numeric", "snapshot_delta"}) {
        if (!corpus.mkpath(target)) {
            std::fprintf(stderr, "cannot make %s\n", target);
            return 1;
        }
    }
    const bool written = WritePictures(QDir(corpus.filePath("picture_loader"))) &&
                         WriteBags(QDir(corpus.filePath("picture_bag"))) &&
                         WriteNumbers(QDir(corpus.filePath("numeric"))) &&
                         WriteSnapshotSteps(QDir(corpus.filePath("snapshot_delta")));
    return written ? 0 : 1;
}
