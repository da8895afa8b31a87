// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_memory.h"

#include <QCoreApplication>
#include <cstdlib>
#include <new>

#ifdef __unix__
#include <sys/mman.h>
#endif

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

namespace {

// Cleared memory straight from the system: its pages cost nothing until written, and go
// back to the system when freed. calloc gives that only while the C library decides to
// map large blocks, which it stops doing once a few of them were freed.
struct ClearBlock {
    void* memory = nullptr;
    size_t bytes = 0;
};

ClearBlock allocateClear(size_t bytes) {
#ifdef __unix__
    void* memory =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return memory == MAP_FAILED ? ClearBlock{} : ClearBlock{memory, bytes};
#else
    return ClearBlock{std::calloc(bytes, 1), bytes};
#endif
}

void releaseClear(const ClearBlock& block) {
#ifdef __unix__
    ::munmap(block.memory, block.bytes);
#else
    std::free(block.memory);
#endif
}

void freeClear(void* block) {
    auto* clear = static_cast<ClearBlock*>(block);
    releaseClear(*clear);
    delete clear;
}

}  // namespace

QImage NewClearPicture(QSize size, QImage::Format format) {
    if (size.isEmpty() || !FitsPictureBudget(size, format)) return QImage();
    const qsizetype bytesPerLine =
        (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const ClearBlock block = allocateClear(size_t(bytesPerLine) * size_t(size.height()));
    if (!block.memory) return QImage();
    auto* owned = new (std::nothrow) ClearBlock(block);
    if (!owned) {
        releaseClear(block);
        return QImage();
    }
    return QImage(static_cast<uchar*>(block.memory), size.width(), size.height(), bytesPerLine,
                  format, freeClear, owned);
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
