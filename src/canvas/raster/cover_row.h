#pragma once

#include <QRgb>
#include <cstdint>
#include <numeric>
#include <vector>

namespace chromadeck::raster {

// Paints one image row from the topmost shape down: each pixel takes the colour of the
// first run that reaches it and is never painted again. Drawing a stack of shapes in
// reverse through it gives the same row as drawing them in order, while touching every
// pixel once, however many shapes lie on top of each other.
class CoverRow {
  public:
    explicit CoverRow(int width) : next_(static_cast<std::size_t>(width) + 1) {}

    void start(std::uint32_t* row) {
        row_ = row;
        std::iota(next_.begin(), next_.end(), 0);
        open_ = static_cast<int>(next_.size()) - 1;
    }

    // Paints the still open pixels of first..last (inside the row).
    void paint(int first, int last, QRgb colour) {
        const std::uint32_t c = colour | 0xFF000000u;
        for (int x = find(first); x <= last; x = find(x + 1)) {
            row_[x] = c;
            next_[x] = x + 1;
            --open_;
        }
    }

    bool isFull() const { return open_ == 0; }

  private:
    // The first open pixel at or after x (the row's width when none is left).
    int find(int x) {
        int root = x;
        while (next_[root] != root) root = next_[root];
        while (next_[x] != root) {
            const int up = next_[x];
            next_[x] = root;
            x = up;
        }
        return root;
    }

    std::uint32_t* row_ = nullptr;
    std::vector<int> next_;
    int open_ = 0;
};

}  // namespace chromadeck::raster
