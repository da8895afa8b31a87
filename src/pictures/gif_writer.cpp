// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif_writer.h"

#include "palette_quantizer.h"

#include <gif_lib.h>
#include <QCoreApplication>
#include <QIODevice>
#include <algorithm>
#include <memory>

namespace chromadeck {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("GifWriter", text);
}

// The screen descriptor keeps width and height in 16 bits.
constexpr int kMaxGifSide = 65535;

int writeToDevice(GifFileType* gif, const GifByteType* data, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(data), length));
}

QString gifReason(int error) {
    if (error == E_GIF_ERR_WRITE_FAILED) return tr("The file cannot be written.");
    const char* text = GifErrorString(error);
    return text ? QString::fromUtf8(text) : tr("GIF error %1").arg(error);
}

struct CloseGif {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
struct FreeMap {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

QString WriteGif(const QImage& picture, QIODevice& device) {
    if (picture.isNull()) return tr("There is no picture to save.");
    if (picture.width() > kMaxGifSide || picture.height() > kMaxGifSide) {
        return tr("A GIF picture is at most %1 pixels wide and high; this one is %2 x %3.")
            .arg(kMaxGifSide)
            .arg(picture.width())
            .arg(picture.height());
    }
    QImage indexed = ReducePalette(picture);
    if (indexed.isNull()) return tr("Not enough memory to save the picture.");

    // A GIF colour table has a power of two entries; the unused ones stay black.
    const QList<QRgb> colours = indexed.colorTable();
    const int bits = GifBitSize(int(std::max<qsizetype>(colours.size(), 2)));
    std::unique_ptr<ColorMapObject, FreeMap> map(GifMakeMapObject(1 << bits, nullptr));
    if (!map) return tr("Not enough memory to save the picture.");
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    int error = 0;
    std::unique_ptr<GifFileType, CloseGif> gif(EGifOpen(&device, writeToDevice, &error));
    if (!gif) return gifReason(error);
    const int w = indexed.width(), h = indexed.height();
    if (EGifPutScreenDesc(gif.get(), w, h, bits, 0, map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, w, h, false, nullptr) == GIF_ERROR)
        return gifReason(gif->Error);
    for (int y = 0; y < h; ++y) {
        // giflib masks the indices in place, so it gets the picture's own row.
        if (EGifPutLine(gif.get(), indexed.scanLine(y), w) == GIF_ERROR)
            return gifReason(gif->Error);
    }
    // Closing writes the trailer; only then is the file complete.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) return gifReason(error);
    return QString();
}

}  // namespace chromadeck
