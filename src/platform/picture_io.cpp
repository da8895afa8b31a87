#include "picture_io.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace chromadeck::platform {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PictureFile", text);
}

// Far beyond any photo put on a screen-sized canvas, and it keeps a file whose header
// claims a giant picture from taking gigabytes before it is found out.
constexpr qint64 kMaxPicturePixels = 100'000'000;
// Readers that cannot tell the size before decoding are stopped by Qt's allocation
// limit instead: enough for the largest accepted picture at 32 bits a pixel.
constexpr int kAllocationLimitMiB = 400;

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};

    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    QImageReader reader(path);
    // The pixels as stored: a photo's orientation tag must not turn it, or its size
    // would disagree with what other programs report.
    reader.setAutoTransform(false);
    // A picture saved under the wrong extension still loads.
    reader.setDecideFormatFromContent(true);

    const QSize size = reader.size();  // from the header, where the format tells it
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) {
        return {QImage(), tr("The picture is %1 x %2 pixels, more than the %3 million "
                             "pixels this program opens.")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(kMaxPicturePixels / 1'000'000)};
    }

    const QImage image = reader.read();
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty()) why = tr("The file is not a picture this program can read.");
        return {QImage(), why};
    }
    return {image.convertToFormat(QImage::Format_RGB32), QString()};
}

QString SavePictureBmp(const QImage& image, const QString& path) {
    if (image.isNull()) return tr("There is no picture to save.");
    if (path.isEmpty()) return tr("No file name was given.");

    // Qt's bitmap writer stores a 32-bit image as 24 bits per pixel without alpha, the
    // form every Windows program reads.
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) return tr("Not enough memory to save the picture.");

    // The picture goes to a temporary file beside the target that replaces it only
    // once complete, so a failed save never leaves half a file or loses the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return tr("The file cannot be created: %1").arg(file.errorString());
    }
    QImageWriter writer(&file, "bmp");
    if (!writer.write(pixels)) {
        const QString why = writer.errorString();
        file.cancelWriting();
        return tr("The picture cannot be written: %1").arg(why);
    }
    if (!file.commit()) {
        return tr("The file cannot be saved: %1").arg(file.errorString());
    }
    return QString();
}

}  // namespace chromadeck::platform
