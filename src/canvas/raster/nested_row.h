// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spans.h"

#include <QRgb>
#include <algorithm>
#include <cstdint>
#include <cstring>

// One row of a stack of nested outlines (rings, box outlines), painted from the last one
// drawn down so that every pixel is written once, however many outlines lie on it.
namespace chromadeck::raster {

// What one outline covers on one row: the pixels first..last less those of its hole,
// holeFirst..holeLast, which it leaves untouched (no hole when holeFirst > holeLast).
struct RowRun {
    int first = 0, last = -1;
    int holeFirst = 1, holeLast = 0;
    bool hasHole() const { return holeFirst <= holeLast; }
};
// Four ints in this order, with nothing between: the circle writes runs two at a time.
static_assert(sizeof(RowRun) == 4 * sizeof(int));

// Outlines come from the top of the stack down. It serves stacks in which each
// outline's run holds the runs of those below it and its hole holds their holes, as with
// outlines drawn from the smallest to the largest about one centre. A pixel then shows
// the topmost outline that covers it; going down the stack, what is still open is the
// hole of the outline above, and each outline paints the open pixels outside its own.
class NestedRow {
  public:
    // A fresh row: pixels left..right-1 open, painted into `row` and, where another row
    // looks the same (a mirror image about the centre), into `twin` as well.
    void start(int left, int right, std::uint32_t* row, std::uint32_t* twin = nullptr) {
        openFirst_ = left;
        openLast_ = right - 1;
        row_ = row;
        twin_ = twin;
        painted_ = 0;
    }
    // A row whose outlines down to some point are already in place (copied from a row
    // like it): only first..last is still open.
    void resume(int first, int last, std::uint32_t* row) {
        openFirst_ = first;
        openLast_ = last;
        row_ = row;
        twin_ = nullptr;
    }
    bool isOpen() const { return openFirst_ <= openLast_; }
    int openFirst() const { return openFirst_; }
    int openLast() const { return openLast_; }
    // Pixels painted since the stack was started.
    long long painted() const { return painted_; }
    // Whether the hole of `run` holds every open pixel: such an outline shows nothing.
    bool holeHoldsOpen(const RowRun& run) const {
        return run.holeFirst <= openFirst_ && run.holeLast >= openLast_;
    }

    // The next outline down: it paints its run outside its hole; its hole stays open.
    void paint(const RowRun& run, QRgb colour) {
        const std::uint32_t c = colour | 0xFF000000u;
        if (!run.hasHole()) {
            fill(std::max(openFirst_, run.first), std::min(openLast_, run.last), c);
            openFirst_ = 1;
            openLast_ = 0;
            return;
        }
        fill(std::max(openFirst_, run.first), std::min({openLast_, run.last, run.holeFirst - 1}),
             c);
        fill(std::max({openFirst_, run.first, run.holeLast + 1}), std::min(openLast_, run.last), c);
        openFirst_ = std::max(openFirst_, run.holeFirst);
        openLast_ = std::min(openLast_, run.holeLast);
    }
    // The outlines to-1 down to `from`, whose runs each hold every pixel still open when
    // it comes: each paints those outside its hole, holes[k] (first..last, none when
    // first > last), in colours[k] (opaque). To spare the processor guessing how long
    // each piece is, a piece of two pixels or fewer is written as two pixels, so that
    // up to two open pixels at either end may be coloured and stay open: meant for a
    // scratch row of which only what is painted is kept. Its twin is not painted.
    template <typename Hole>
    void paintDownOverOpen(const Hole* holes, const std::uint32_t* colours, std::size_t from,
                           std::size_t to) {
        std::uint32_t* const row = row_;
        int left = openFirst_, right = openLast_;
        const int width = right - left + 1;
        std::size_t k = to;
        // While two or more pixels are open, each end gets one store of two pixels.
        for (; k > from && left < right; --k) {
            const std::uint32_t c = colours[k - 1];
            const Hole& hole = holes[k - 1];
            const int holeFirst = hole.first, holeLast = hole.last;
            if (holeFirst > holeLast) {
                std::fill(row + left, row + right + 1, c);
                left = 1;
                right = 0;
                break;
            }
            const std::uint64_t pair = c * 0x100000001ull;
            const int leftEnd = std::min(right, holeFirst - 1);
            const int rightStart = std::max(left, holeLast + 1);
            if (leftEnd - left >= 2)
                std::fill(row + left, row + leftEnd + 1, c);
            else
                std::memcpy(row + left, &pair, sizeof pair);
            if (right - rightStart >= 2)
                std::fill(row + rightStart, row + right + 1, c);
            else
                std::memcpy(row + right - 1, &pair, sizeof pair);
            left = std::max(left, holeFirst);
            right = std::min(right, holeLast);
        }
        // One pixel open: the first outline whose hole leaves it out paints it.
        for (; k > from && left == right; --k) {
            const Hole& hole = holes[k - 1];
            if (hole.first <= left && left <= hole.last) continue;
            row[left] = colours[k - 1];
            left = 1;
            right = 0;
        }
        // Nothing lies between one outline and the next: all that closed was painted.
        painted_ += width - std::max(0, right - left + 1);
        openFirst_ = left;
        openLast_ = right;
    }
    // Paints every pixel still open, as something that fills the last hole does.
    void fillOpen(QRgb colour) {
        fill(openFirst_, openLast_, colour | 0xFF000000u);
        openFirst_ = 1;
        openLast_ = 0;
    }

  private:
    void fill(int first, int last, std::uint32_t colour) {
        if (first > last) return;
        painted_ += last - first + 1;
        // Most pieces of a dense stack are one or two pixels wide, one or the other at
        // random: two stores, rather than a loop whose end the processor must guess.
        if (last - first < 2) {
            row_[first] = row_[last] = colour;
            if (twin_) twin_[first] = twin_[last] = colour;
            return;
        }
        std::fill(row_ + first, row_ + last + 1, colour);
        if (twin_) std::fill(twin_ + first, twin_ + last + 1, colour);
    }

    int openFirst_ = 1, openLast_ = 0;
    std::uint32_t* row_ = nullptr;
    std::uint32_t* twin_ = nullptr;
    long long painted_ = 0;
};

}  // namespace chromadeck::raster
