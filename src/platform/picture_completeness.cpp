// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_completeness.h"

#include <QCoreApplication>
#include <QtEndian>

namespace chromadeck::platform {

namespace {

QString cutShort(const char* kind) {
    return QCoreApplication::translate(
               "PictureFile",
               "The %1 file ends before its picture data does: it is damaged or was not "
               "copied completely.")
        .arg(QString::fromLatin1(kind));
}

// A JPEG's compressed data runs from its first scan to the end-of-image marker, which a
// complete file always has (anything after it is ignored by every reader).
bool jpegComplete(const QByteArray& file) {
    const qsizetype scan = file.indexOf(QByteArray("\xFF\xDA", 2));
    return scan >= 0 && file.indexOf(QByteArray("\xFF\xD9", 2), scan + 2) >= 0;
}

// Walks the blocks of a GIF up to the end of its first picture, the one shown.
bool gifComplete(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype size = file.size();
    qsizetype at = 13;  // signature and screen descriptor
    if (size < at) return false;
    if (bytes[10] & 0x80) at += 3 * (qsizetype(2) << (bytes[10] & 7));  // global colours
    const auto skipSubBlocks = [&] {
        while (at < size) {
            const uchar length = bytes[at++];
            if (length == 0) return true;
            at += length;
        }
        return false;
    };
    while (at < size) {
        const uchar block = bytes[at++];
        if (block == 0x3B) return true;  // the end, with no picture: the reader says so
        if (block == 0x21) {             // an extension: its label, then sub-blocks
            ++at;
            if (!skipSubBlocks()) return false;
        } else if (block == 0x2C) {  // a picture: descriptor, colours, code size, data
            if (size < at + 9) return false;
            const uchar flags = bytes[at + 8];
            at += 9;
            if (flags & 0x80) at += 3 * (qsizetype(2) << (flags & 7));
            ++at;
            return at <= size && skipSubBlocks();
        } else {
            return true;  // not a block the reader knows: its own error says why
        }
    }
    return false;
}

// An uncompressed bitmap's rows are a fixed number of bytes from a known offset.
bool bmpComplete(const QByteArray& file) {
    if (file.size() < 26) return true;  // too short for a header: the reader refuses it
    const char* b = file.constData();
    const quint32 pixels = qFromLittleEndian<quint32>(b + 10);
    const quint32 header = qFromLittleEndian<quint32>(b + 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (header == 12) {  // the old OS/2 header
        width = qFromLittleEndian<quint16>(b + 18);
        height = qFromLittleEndian<quint16>(b + 20);
        bits = qFromLittleEndian<quint16>(b + 24);
    } else if (header >= 40 && file.size() >= 34) {
        width = qFromLittleEndian<qint32>(b + 18);
        height = qAbs(qint64(qFromLittleEndian<qint32>(b + 22)));
        bits = qFromLittleEndian<quint16>(b + 28);
        compression = qFromLittleEndian<quint32>(b + 30);
    } else {
        return true;
    }
    // Only plain rows (none or bit fields) have a size known in advance.
    if (compression != 0 && compression != 3 && compression != 6) return true;
    if (width <= 0 || bits <= 0 || bits > 32) return true;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return qint64(pixels) + rowBytes * height <= file.size();
}

}  // namespace

QString MissingPictureData(const QByteArray& file, const QByteArray& format) {
    const QByteArray kind = format.toLower();
    if ((kind == "jpeg" || kind == "jpg") && !jpegComplete(file)) return cutShort("JPEG");
    if (kind == "gif" && !gifComplete(file)) return cutShort("GIF");
    if (kind == "bmp" && !bmpComplete(file)) return cutShort("bitmap");
    return QString();
}

}  // namespace chromadeck::platform
