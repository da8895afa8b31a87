// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace chromadeck {

// Turns a picture into bytes and back, for keeping pictures in memory: the capture
// history keeps the pictures of a step that changes the picture's size or format this
// way, so this is a plain copy of the scan lines behind a small header, not a compressed
// file format.
// The bag holds one property, "pic". Every QImage format comes back as it went in (same
// size, format, colour table and pixels); the pixels are in this machine's byte order,
// so the bytes are not for files or other machines.
class ExcelPropertyBag {
  public:
    // Replaces `bytes` with a bag holding `picture` under "pic". A null picture is kept
    // as the empty picture.
    void WriteP(QByteArray& bytes, const QImage& picture) const;

    // The picture under "pic"; a null picture when the bytes are no bag of this kind
    // (garbage, cut short, another property) or the memory for it cannot be had.
    // Never allocates more than the bytes themselves hold.
    QImage ReadP(const QByteArray& bytes) const;
};

}  // namespace chromadeck
