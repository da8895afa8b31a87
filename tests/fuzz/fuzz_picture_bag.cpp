// SPDX-License-Identifier: GPL-3.0-or-later
// The picture bag's reader on arbitrary bytes, and the round trip of whatever it accepts.
// The capture history keeps every snapshot as a bag, so a bag that reads must come back
// from WriteP exactly, and a damaged one must read as no picture rather than a crash.
#include "fuzz_expect.h"
#include "pictures/picture_bag.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Byte for byte, padding included, and the same colour table: the bag promises the very
// picture back, which is more than QImage's comparison of colours checks.
bool SamePicture(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.format() == b.format() && a.colorTable() == b.colorTable() &&
           a.bytesPerLine() == b.bytesPerLine() && a.sizeInBytes() == b.sizeInBytes() &&
           std::memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Not copied: a read past the end of the input lands outside libFuzzer's buffer,
    // where the address sanitizer sees it.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const chromadeck::ExcelPropertyBag bag;
    const QImage picture = bag.ReadP(bytes);
    if (picture.isNull()) return 0;
    FuzzExpect(picture.sizeInBytes() <= bytes.size(),
               "ReadP never allocates more than the bytes hold");

    QByteArray written;
    bag.WriteP(written, picture);
    FuzzExpect(SamePicture(bag.ReadP(written), picture), "ReadP(WriteP(picture)) == picture");
    return 0;
}
