// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_saver.h"

#include "gif_writer.h"
#include "platform/file_bytes.h"
#include "platform/picture_io.h"
#include "platform/picture_memory.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <functional>
#include <optional>

namespace chromadeck {

namespace {

// The hourglass for as long as the save takes, back to the default on every way out.
class HourglassPointer {
  public:
    explicit HourglassPointer(platform::Screen& screen) : screen_(screen) {
        screen_.setMousePointer(platform::CursorCode::Hourglass);
    }
    ~HourglassPointer() { screen_.setMousePointer(platform::CursorCode::Default); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;

  private:
    platform::Screen& screen_;
};

enum class Kind { Jpeg, Png, Gif, Tiff, Bmp };

std::optional<Kind> kindOf(const QString& fileType) {
    const QString type = fileType.toLower();
    if (type == u"jpg" || type == u"jpeg") return Kind::Jpeg;
    if (type == u"png") return Kind::Png;
    if (type == u"gif") return Kind::Gif;
    if (type == u"tiff" || type == u"tif") return Kind::Tiff;
    if (type == u"bmp") return Kind::Bmp;
    return std::nullopt;
}

constexpr int kErrSubscript = 9;
constexpr int kErrFileAccess = 75;
constexpr int kErrInvalidPicture = 481;

struct Fault {
    int number = 0;
    QString description;
};

// Encodes onto the device; returns the reason on failure, an empty string on success.
using Encoder = std::function<QString(QIODevice&)>;

// The whole file is made in memory first, so that the encoder's faults and the disk's
// are told apart; it then replaces the old file only once it is all on the disk.
QString writeWhole(const QString& fileName, const Encoder& encode) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QString why = encode(buffer); !why.isEmpty()) return why;
    return platform::ReplaceFileContents(fileName, bytes);
}

Encoder qtEncoder(const QImage& pixels, const char* format,
                  std::function<void(QImageWriter&)> setUp) {
    return [=](QIODevice& device) {
        QImageWriter writer(&device, format);
        if (setUp) setUp(writer);
        if (writer.write(pixels)) return QString();
        // Qt's JPEG writer gives no reason of its own, for one too large among others.
        if (writer.error() == QImageWriter::UnknownError) {
            return QCoreApplication::translate(
                       "SaveImageFile", "A %1 file cannot hold this picture of %2 x %3 pixels.")
                .arg(QString::fromLatin1(format).toUpper())
                .arg(pixels.width())
                .arg(pixels.height());
        }
        return writer.errorString();
    };
}

// The Qt TIFF writer's compression values.
constexpr int kTiffNone = 0;
constexpr int kTiffLzw = 1;
// The caller's code for LZW; its code for none is 6, and anything else is none as well.
constexpr Long kCallerTiffLzw = 2;

QString save(const QImage& picture, const QString& fileName, Kind kind, Long jpegQuality,
             Long tiffCompression) {
    if (kind == Kind::Bmp) return platform::SavePictureBmp(picture, fileName);

    // Opaque pixels for every format: a 32-bit source with alpha would give the TIFF a
    // fourth sample and the PNG transparency the canvas never showed.
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull())
        return platform::OutOfMemoryMessage(QCoreApplication::translate(
            "SaveImageFile", "the picture cannot be prepared for saving."));

    switch (kind) {
        case Kind::Jpeg: {
            const int quality = int(std::clamp<Long>(jpegQuality, 0, 100));
            return writeWhole(fileName, qtEncoder(pixels, "jpeg", [quality](QImageWriter& w) {
                                  w.setQuality(quality);
                              }));
        }
        case Kind::Png:
            return writeWhole(fileName, qtEncoder(pixels, "png", {}));
        case Kind::Tiff: {
            const int compression = tiffCompression == kCallerTiffLzw ? kTiffLzw : kTiffNone;
            return writeWhole(fileName, qtEncoder(pixels, "tiff", [compression](QImageWriter& w) {
                                  w.setCompression(compression);
                              }));
        }
        case Kind::Gif:
            return writeWhole(fileName,
                              [&pixels](QIODevice& device) { return WriteGif(pixels, device); });
        case Kind::Bmp:
            break;
    }
    return QString();
}

std::optional<Fault> trySave(const QImage& picture, const QString& fileName,
                             const QString& fileType, Long jpegQuality, Long tiffCompression) {
    const std::optional<Kind> kind = kindOf(fileType);
    if (!kind)
        return Fault{kErrSubscript, QCoreApplication::translate("SaveImageFile", "下标越界")};
    if (picture.isNull())
        return Fault{kErrInvalidPicture,
                     QCoreApplication::translate("SaveImageFile", "无效的图片")};
    if (QString why = save(picture, fileName, *kind, jpegQuality, tiffCompression); !why.isEmpty())
        return Fault{kErrFileAccess, why};
    return std::nullopt;
}

}  // namespace

bool SaveImageFile(const QImage& picture, const QString& fileName, const QString& fileType,
                   Long jpegQuality, Long /*tiffColorDepth*/, Long tiffCompression,
                   platform::MessageBox& messages, platform::Screen& screen, QWidget* parent) {
    std::optional<Fault> fault;
    {
        // The user reads any message with the ordinary pointer again.
        HourglassPointer hourglass(screen);
        fault = trySave(picture, fileName, fileType, jpegQuality, tiffCompression);
    }
    if (!fault) return true;
    const QString text =
        QCoreApplication::translate("SaveImageFile", "在保存图片的过程中发生错误:") + "\r\n" +
        "\r\n" + QCoreApplication::translate("SaveImageFile", "错误号: ") +
        QString::number(fault->number) + "\r\n" +
        QCoreApplication::translate("SaveImageFile", "错误描述: ") + fault->description;
    messages.show(parent, QCoreApplication::translate("SaveImageFile", "错误"), text,
                  platform::MessageIcon::Information);
    return false;
}

}  // namespace chromadeck
