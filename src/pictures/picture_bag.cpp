// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_bag.h"

#include <QtEndian>
#include <cstring>
#include <optional>

namespace chromadeck {

// The layout, every header number little-endian:
//   "CDPB"  u16 version  u8 pixel byte order  u8 name length  name (UTF-8)
//   u32 width  u32 height  u32 QImage::Format  u32 bytes per line  u32 colour count
//   the colour table (u32 each), then height x bytes-per-line bytes of scan lines.
namespace {

constexpr char kMagic[4] = {'C', 'D', 'P', 'B'};
constexpr quint16 kVersion = 1;
constexpr quint8 kPixelOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 1 : 2;
constexpr char kPropertyName[] = "pic";
constexpr int kNameLength = sizeof(kPropertyName) - 1;
constexpr int kMaxColours = 256;  // a palette never holds more

constexpr qsizetype kFixedHeader = 4 + 2 + 1 + 1 + kNameLength + 5 * 4;

class Writer {
  public:
    explicit Writer(char* at) : at_(at) {}
    void bytes(const void* data, size_t n) {
        if (n > 0) std::memcpy(at_, data, n);
        at_ += n;
    }
    template <class T>
    void number(T value) {
        qToLittleEndian(value, at_);
        at_ += sizeof(T);
    }

  private:
    char* at_;
};

// Reads forward through the bytes; every read checks that the bytes are there.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : at_(bytes.constData()), left_(bytes.size()) {}
    const char* take(qsizetype n) {
        if (n < 0 || n > left_) return nullptr;
        const char* start = at_;
        at_ += n;
        left_ -= n;
        return start;
    }
    template <class T>
    std::optional<T> number() {
        const char* p = take(sizeof(T));
        if (!p) return std::nullopt;
        return qFromLittleEndian<T>(p);
    }
    qsizetype left() const { return left_; }

  private:
    const char* at_;
    qsizetype left_;
};

bool indexedFormat(QImage::Format format) {
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
           format == QImage::Format_Indexed8;
}

}  // namespace

void ExcelPropertyBag::WriteP(QByteArray& bytes, const QImage& picture) const {
    const QList<QRgb> colours = picture.isNull() ? QList<QRgb>() : picture.colorTable();
    const qsizetype pixelBytes = picture.isNull() ? 0 : picture.sizeInBytes();
    // A fresh array: growing the old one would first copy what it held.
    bytes = QByteArray(kFixedHeader + colours.size() * 4 + pixelBytes, Qt::Uninitialized);

    Writer out(bytes.data());
    out.bytes(kMagic, sizeof kMagic);
    out.number<quint16>(kVersion);
    out.number<quint8>(kPixelOrder);
    out.number<quint8>(kNameLength);
    out.bytes(kPropertyName, kNameLength);
    out.number<quint32>(picture.isNull() ? 0 : picture.width());
    out.number<quint32>(picture.isNull() ? 0 : picture.height());
    out.number<quint32>(picture.isNull() ? QImage::Format_Invalid : picture.format());
    out.number<quint32>(picture.isNull() ? 0 : picture.bytesPerLine());
    out.number<quint32>(quint32(colours.size()));
    for (QRgb c : colours) out.number<quint32>(c);
    // A QImage's scan lines follow one another, so they go in one copy.
    if (pixelBytes > 0) out.bytes(picture.constBits(), size_t(pixelBytes));
}

QImage ExcelPropertyBag::ReadP(const QByteArray& bytes) const {
    Reader in(bytes);
    const char* magic = in.take(sizeof kMagic);
    if (!magic || std::memcmp(magic, kMagic, sizeof kMagic) != 0) return QImage();
    if (in.number<quint16>() != kVersion || in.number<quint8>() != kPixelOrder) return QImage();
    const std::optional<quint8> nameLength = in.number<quint8>();
    if (!nameLength) return QImage();
    const char* name = in.take(*nameLength);
    if (!name || *nameLength != kNameLength || std::memcmp(name, kPropertyName, kNameLength) != 0)
        return QImage();

    const auto width = in.number<quint32>(), height = in.number<quint32>(),
               format = in.number<quint32>(), bytesPerLine = in.number<quint32>(),
               colourCount = in.number<quint32>();
    if (!colourCount) return QImage();  // the last field read: all are there
    if (*width == 0 && *height == 0 && *format == QImage::Format_Invalid && *bytesPerLine == 0 &&
        *colourCount == 0 && in.left() == 0)
        return QImage();  // the empty picture, stored as such

    if (*width == 0 || *height == 0 || *width > INT_MAX || *height > INT_MAX) return QImage();
    if (*format == QImage::Format_Invalid || *format >= QImage::NImageFormats) return QImage();
    const auto imageFormat = QImage::Format(*format);
    if (*colourCount > (indexedFormat(imageFormat) ? kMaxColours : 0)) return QImage();

    // The line length QImage itself uses, worked out without making the picture.
    const int depth = QImage::toPixelFormat(imageFormat).bitsPerPixel();
    const qint64 lineBytes = (qint64(*width) * depth + 31) / 32 * 4;
    if (lineBytes != *bytesPerLine) return QImage();

    QList<QRgb> colours;
    colours.reserve(*colourCount);
    for (quint32 i = 0; i < *colourCount; ++i) {
        const std::optional<quint32> c = in.number<quint32>();
        if (!c) return QImage();
        colours.push_back(*c);
    }
    // The scan lines must all be there, and nothing after them: only then is the
    // picture made, so its size is never larger than the bytes already in memory.
    if (in.left() / lineBytes != *height || in.left() % lineBytes != 0) return QImage();

    QImage picture(int(*width), int(*height), imageFormat);
    if (picture.isNull() || picture.sizeInBytes() != in.left()) return QImage();
    std::memcpy(picture.bits(), in.take(in.left()), size_t(picture.sizeInBytes()));
    if (!colours.isEmpty()) picture.setColorTable(colours);
    return picture;
}

}  // namespace chromadeck
