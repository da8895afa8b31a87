#include "palette_quantizer.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace chromadeck {

namespace {

constexpr int kMaxColours = 256;

// Colours are gathered in cells of 5 bits a channel: fine enough that neighbouring
// shades of a photo land in different palette entries, coarse enough to stay quick.
constexpr int kCellBits = 5;
constexpr int kCellCount = 1 << (3 * kCellBits);
// Rounds of moving every palette colour to the average of the colours that chose it;
// the first rounds take most of what there is to gain.
constexpr int kRefineRounds = 3;

int cellOf(QRgb c) {
    constexpr int shift = 8 - kCellBits;
    return (qRed(c) >> shift) << (2 * kCellBits) | (qGreen(c) >> shift) << kCellBits |
           (qBlue(c) >> shift);
}

// The picture's own colours, when it has no more than a palette holds.
std::optional<QImage> exactPalette(const QImage& rgb) {
    QImage out(rgb.size(), QImage::Format_Indexed8);
    if (out.isNull()) return QImage();
    QHash<QRgb, uchar> index;
    index.reserve(2 * kMaxColours);
    QList<QRgb> table;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        // Flat areas repeat the colour before, so the table is asked only at edges.
        QRgb last = 0;
        uchar lastIndex = 0;
        bool haveLast = false;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = src[x] | 0xff000000u;
            if (!haveLast || c != last) {
                auto it = index.constFind(c);
                if (it == index.constEnd()) {
                    if (table.size() == kMaxColours) return std::nullopt;
                    it = index.insert(c, uchar(table.size()));
                    table.push_back(c);
                }
                last = c;
                lastIndex = *it;
                haveLast = true;
            }
            dst[x] = lastIndex;
        }
    }
    out.setColorTable(table);
    return out;
}

struct Cell {
    quint64 count = 0;
    std::array<quint64, 3> sum{};
    std::array<double, 3> mean{};  // the average colour of the pixels in the cell
};

struct Box {
    int begin = 0, end = 0;  // a range of cells
    double spread = 0;       // weighted squared distance of its colours from their mean
    int axis = 0;            // the channel that spreads most
};

Box measure(const std::vector<Cell>& cells, int begin, int end) {
    Box box{begin, end, 0, 0};
    double total = 0;
    std::array<double, 3> mean{};
    for (int i = begin; i < end; ++i) {
        total += double(cells[i].count);
        for (int a = 0; a < 3; ++a) mean[a] += cells[i].mean[a] * double(cells[i].count);
    }
    for (double& m : mean) m /= total;
    std::array<double, 3> spread{};
    for (int i = begin; i < end; ++i)
        for (int a = 0; a < 3; ++a) {
            const double d = cells[i].mean[a] - mean[a];
            spread[a] += d * d * double(cells[i].count);
        }
    box.axis = int(std::max_element(spread.begin(), spread.end()) - spread.begin());
    box.spread = end - begin > 1 ? spread[0] + spread[1] + spread[2] : 0;
    return box;
}

// Cuts the box that spreads most at the median of its pixels along its widest channel,
// until the palette is full or no box holds more than one cell.
std::vector<Box> medianCut(std::vector<Cell>& cells) {
    std::vector<Box> boxes{measure(cells, 0, int(cells.size()))};
    while (int(boxes.size()) < kMaxColours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.spread < b.spread;
        });
        if (widest->spread <= 0) break;
        const Box box = *widest;
        std::sort(cells.begin() + box.begin, cells.begin() + box.end,
                  [axis = box.axis](const Cell& a, const Cell& b) {
                      return a.mean[axis] < b.mean[axis];
                  });
        quint64 total = 0;
        for (int i = box.begin; i < box.end; ++i) total += cells[i].count;
        int cut = box.begin + 1;
        for (quint64 below = cells[box.begin].count; cut < box.end - 1 && 2 * below < total; ++cut)
            below += cells[cut].count;
        *widest = measure(cells, box.begin, cut);
        boxes.push_back(measure(cells, cut, box.end));
    }
    return boxes;
}

double distance2(const std::array<double, 3>& a, QRgb b) {
    const double dr = a[0] - qRed(b), dg = a[1] - qGreen(b), db = a[2] - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

QRgb roundedColour(const std::array<quint64, 3>& sum, quint64 count) {
    auto channel = [count](quint64 s) { return int((s + count / 2) / count); };
    return qRgb(channel(sum[0]), channel(sum[1]), channel(sum[2]));
}

// For every cell, the palette entry nearest its average colour.
void assign(const std::vector<Cell>& cells, const QList<QRgb>& palette,
            std::vector<uchar>& choice) {
    for (size_t i = 0; i < cells.size(); ++i) {
        double best = distance2(cells[i].mean, palette[0]);
        uchar bestIndex = 0;
        for (int p = 1; p < palette.size() && best > 0; ++p) {
            const double d = distance2(cells[i].mean, palette[p]);
            if (d < best) {
                best = d;
                bestIndex = uchar(p);
            }
        }
        choice[i] = bestIndex;
    }
}

// Moves every palette colour to the average of the pixels that chose it.
void recentre(const std::vector<Cell>& cells, const std::vector<uchar>& choice,
              QList<QRgb>& palette) {
    std::vector<Cell> groups(palette.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        Cell& g = groups[choice[i]];
        g.count += cells[i].count;
        for (int a = 0; a < 3; ++a) g.sum[a] += cells[i].sum[a];
    }
    for (int p = 0; p < palette.size(); ++p)
        if (groups[p].count > 0) palette[p] = roundedColour(groups[p].sum, groups[p].count);
}

QImage cutPalette(const QImage& rgb) {
    QImage out(rgb.size(), QImage::Format_Indexed8);
    if (out.isNull()) return out;

    std::vector<Cell> byCell(kCellCount);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            Cell& cell = byCell[cellOf(src[x])];
            ++cell.count;
            cell.sum[0] += qRed(src[x]);
            cell.sum[1] += qGreen(src[x]);
            cell.sum[2] += qBlue(src[x]);
        }
    }
    std::vector<Cell> cells;
    std::vector<int> cellIndex(kCellCount, -1);
    for (int k = 0; k < kCellCount; ++k) {
        Cell& cell = byCell[k];
        if (cell.count == 0) continue;
        for (int a = 0; a < 3; ++a) cell.mean[a] = double(cell.sum[a]) / double(cell.count);
        cellIndex[k] = int(cells.size());
        cells.push_back(cell);
    }

    // The median cut reorders the cells; the lookup below needs them in place.
    std::vector<Cell> sorted = cells;
    QList<QRgb> palette;
    for (const Box& box : medianCut(sorted)) {
        Cell total;
        for (int i = box.begin; i < box.end; ++i) {
            total.count += sorted[i].count;
            for (int a = 0; a < 3; ++a) total.sum[a] += sorted[i].sum[a];
        }
        palette.push_back(roundedColour(total.sum, total.count));
    }

    std::vector<uchar> choice(cells.size());
    assign(cells, palette, choice);
    for (int round = 0; round < kRefineRounds; ++round) {
        recentre(cells, choice, palette);
        assign(cells, palette, choice);
    }

    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) dst[x] = choice[cellIndex[cellOf(src[x])]];
    }
    out.setColorTable(palette);
    return out;
}

}  // namespace

QImage ReducePalette(const QImage& picture) {
    if (picture.isNull()) return QImage();
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) return QImage();
    if (std::optional<QImage> exact = exactPalette(rgb)) return *exact;
    return cutPalette(rgb);
}

}  // namespace chromadeck
