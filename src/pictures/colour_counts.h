// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace chromadeck {

// The distinct colours of an RGB32 picture with the number of pixels of each, in the order
// they first appear, so the same picture always gives the same list. Alpha is ignored.
// Throws std::bad_alloc when the picture has more colours than memory holds.
class ColourCounts {
  public:
    struct Entry {
        QRgb colour;  // opaque
        std::uint64_t count;
    };

    explicit ColourCounts(const QImage& rgb32);

    const std::vector<Entry>& colours() const { return entries_; }
    // The colour's place in colours(); -1 when the picture does not hold it.
    int indexOf(QRgb colour) const;

  private:
    std::size_t slotOf(QRgb opaque) const;
    void add(QRgb opaque, std::uint64_t pixels);
    void grow();

    std::vector<Entry> entries_;
    std::vector<std::int32_t> slots_;  // open addressing into entries_; -1 is empty
    std::uint32_t shift_ = 0;
};

}  // namespace chromadeck
