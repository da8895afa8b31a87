// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_memory.h"

#include <QCoreApplication>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace chromadeck::platform {

namespace {

qint64 budgetInForce = kPictureBudgetBytes;

// QImage's own line length: whole 32-bit words.
qint64 lineBytes(int width, QImage::Format format) {
    const int bits = QImage::toPixelFormat(format).bitsPerPixel();
    return (qint64(width) * bits + 31) / 32 * 4;
}

}  // namespace

qint64 PictureBytes(QSize size, QImage::Format format) {
    if (size.width() < 0 || size.height() < 0 || format == QImage::Format_Invalid) return -1;
    return lineBytes(size.width(), format) * size.height();
}

bool FitsPictureBudget(QSize size, QImage::Format format) {
    const qint64 bytes = PictureBytes(size, format);
    return bytes >= 0 && bytes <= budgetInForce;
}

QImage NewPicture(QSize size, QImage::Format format) {
    if (size.isEmpty() || !FitsPictureBudget(size, format)) return QImage();
    // A null image is also what QImage gives when the system has no memory for it.
    return QImage(size, format);
}

QImage NewClearPicture(QSize size, QImage::Format format) {
    if (size.isEmpty() || !FitsPictureBudget(size, format)) return QImage();
    const qsizetype bytesPerLine =
        (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    void* pixels = std::calloc(size_t(bytesPerLine) * size_t(size.height()), 1);
    if (!pixels) return QImage();
    return QImage(
        static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, format,
        [](void* memory) { std::free(memory); }, pixels);
}

void GiveFreedMemoryBack() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QString OutOfMemoryMessage(const QString& attempted) {
    return QCoreApplication::translate("PictureMemory", "内存不足：") + attempted;
}

PictureBudgetOverride::PictureBudgetOverride(qint64 bytes) : previous_(budgetInForce) {
    budgetInForce = bytes;
}

PictureBudgetOverride::~PictureBudgetOverride() {
    budgetInForce = previous_;
}

}  // namespace chromadeck::platform
