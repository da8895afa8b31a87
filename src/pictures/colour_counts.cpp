// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_counts.h"

namespace chromadeck {

namespace {

constexpr int kFirstBits = 12;

}  // namespace

ColourCounts::ColourCounts(const QImage& rgb32)
    : slots_(std::size_t(1) << kFirstBits, -1), shift_(32 - kFirstBits) {
    for (int y = 0; y < rgb32.height() && rgb32.width() > 0; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        // Flat areas repeat the colour before, so a run is counted with one look-up.
        QRgb last = row[0] | 0xff000000u;
        std::uint64_t run = 0;
        for (int x = 0; x < rgb32.width(); ++x) {
            const QRgb c = row[x] | 0xff000000u;
            if (c != last) {
                add(last, run);
                last = c;
                run = 0;
            }
            ++run;
        }
        add(last, run);
    }
}

// Multiplicative hashing: neighbouring shades land far apart.
std::size_t ColourCounts::slotOf(QRgb opaque) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = (std::uint32_t(opaque) * 0x9E3779B1u) >> shift_;
    while (slots_[slot] >= 0 && entries_[std::size_t(slots_[slot])].colour != opaque)
        slot = (slot + 1) & mask;
    return slot;
}

void ColourCounts::add(QRgb opaque, std::uint64_t pixels) {
    std::size_t slot = slotOf(opaque);
    if (slots_[slot] >= 0) {
        entries_[std::size_t(slots_[slot])].count += pixels;
        return;
    }
    // Kept at most half full, so a search ends after a few steps.
    if (2 * (entries_.size() + 1) > slots_.size()) {
        grow();
        slot = slotOf(opaque);
    }
    slots_[slot] = std::int32_t(entries_.size());
    entries_.push_back({opaque, pixels});
}

void ColourCounts::grow() {
    slots_.assign(2 * slots_.size(), -1);
    --shift_;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = (std::uint32_t(entries_[i].colour) * 0x9E3779B1u) >> shift_;
        while (slots_[slot] >= 0) slot = (slot + 1) & mask;
        slots_[slot] = std::int32_t(i);
    }
}

int ColourCounts::indexOf(QRgb colour) const {
    return slots_[slotOf(colour | 0xff000000u)];
}

}  // namespace chromadeck
