// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spans.h"

#include <QRgb>
#include <algorithm>
#include <cstdint>

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
