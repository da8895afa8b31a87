// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_io.h"

#include "file_bytes.h"
#include "picture_completeness.h"
#include "picture_memory.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace chromadeck::platform {

namespace {

QString tooLarge(QSize size) {
    const qint64 bytes = PictureBytes(size, QImage::Format_RGB32);
    return OutOfMemoryMessage(
        QCoreApplication::translate("PictureFile",
                                    "the picture is %1 x %2 pixels and would take %3 MB of memory, "
                                    "more than the %4 MB a picture may take.")
            .arg(size.width())
            .arg(size.height())
            .arg((bytes + (1 << 20) - 1) >> 20)
            .arg(kPictureBudgetBytes >> 20));
}

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};

    // A compressed file is always smaller than its picture; an uncompressed one about as
    // large. Beyond that it cannot be a picture the budget would take.
    const FileBytes file = ReadRegularFile(path, kPictureBudgetBytes);
    if (!file.ok()) return {QImage(), file.error};

    // Readers that cannot tell the size before decoding are stopped by Qt's allocation
    // limit instead.
    QImageReader::setAllocationLimit(int(kPictureBudgetBytes >> 20));
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    // The pixels as stored: a photo's orientation tag must not turn it, or its size
    // would disagree with what other programs report.
    reader.setAutoTransform(false);
    // A picture saved under the wrong extension still loads.
    reader.setDecideFormatFromContent(true);

    const QSize size = reader.size();  // from the header, where the format tells it
    if (size.isValid() && !FitsPictureBudget(size, QImage::Format_RGB32))
        return {QImage(), tooLarge(size)};
    const QByteArray format = reader.format();
    if (QString why = MissingPictureData(file.bytes, format); !why.isEmpty())
        return {QImage(), why};

    const QImage image = reader.read();
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty())
            why = QCoreApplication::translate("PictureFile",
                                              "The file is not a picture this program can read.");
        return {QImage(), why};
    }
    if (!FitsPictureBudget(image.size(), QImage::Format_RGB32))
        return {QImage(), tooLarge(image.size())};
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) {
        return {QImage(), OutOfMemoryMessage(
                              QCoreApplication::translate("PictureFile",
                                                          "the picture of %1 x %2 pixels cannot be "
                                                          "converted for display.")
                                  .arg(image.width())
                                  .arg(image.height()))};
    }
    return {pixels, QString()};
}

QString SavePictureBmp(const QImage& image, const QString& path) {
    if (image.isNull())
        return QCoreApplication::translate("PictureFile", "There is no picture to save.");
    if (path.isEmpty())
        return QCoreApplication::translate("PictureFile", "No file name was given.");

    // Qt's bitmap writer stores a 32-bit image as 24 bits per pixel without alpha, the
    // form every Windows program reads.
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull())
        return OutOfMemoryMessage(QCoreApplication::translate(
            "PictureFile", "the picture cannot be prepared for saving."));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(pixels)) {
        return QCoreApplication::translate("PictureFile", "The picture cannot be written: %1")
            .arg(writer.errorString());
    }
    return ReplaceFileContents(path, bytes);
}

}  // namespace chromadeck::platform
