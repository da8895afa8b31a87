// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a row of nested outlines from the top down, each pixel once, against painting
// them in order, and the box outline's row as one run less its hole against its spans.
#include "canvas/raster/nested_row.h"
#include "canvas/raster/pen_shapes.h"

#include <QtTest>
#include <random>
#include <vector>

using namespace chromadeck::raster;

namespace {
constexpr std::uint32_t kUnder = 0xFF123456;

struct Outline {
    RowRun run;
    QRgb colour;
};

// What drawing the outlines in order leaves on a row of `width` pixels.
std::vector<std::uint32_t> inOrder(const std::vector<Outline>& stack, int width) {
    std::vector<std::uint32_t> row(width, kUnder);
    for (const Outline& o : stack)
        for (int x = std::max(o.run.first, 0); x <= std::min(o.run.last, width - 1); ++x)
            if (!(x >= o.run.holeFirst && x <= o.run.holeLast)) row[x] = o.colour | 0xFF000000u;
    return row;
}

// Which pixels of row y a box outline's spans cover (it is drawn on its rows only).
std::vector<char> spansOf(const BoxOutline& box, int y, int width) {
    std::vector<char> row(width, 0);
    int first, last;
    if (!box.rows(first, last) || y < first || y > last) return row;
    box.row(y, [&](int, int x1, int x2) {
        for (int x = x1; x <= x2; ++x) row[x] = 1;
    });
    return row;
}
}  // namespace

class NestedRowTest : public QObject {
    Q_OBJECT
  private slots:
    // Stacks about one centre whose runs and holes grow outline by outline: some with
    // gaps between them, the smallest without a hole, runs past both ends of the row.
    void paintsNestedStacksAsDrawingThemInOrder() {
        std::mt19937 g(11);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(g); };
        for (int trial = 0; trial < 2000; ++trial) {
            const int width = pick(1, 60), centre = pick(-10, width + 10);
            std::vector<Outline> stack;
            int left = 0, right = 0, holeLeft = -pick(0, 3), holeRight = -pick(0, 3);
            for (int k = pick(0, 12); k > 0; --k) {
                left += pick(0, 4);
                right += pick(0, 4);
                holeLeft = std::min(holeLeft + pick(0, 5), left);
                holeRight = std::min(holeRight + pick(0, 5), right);
                RowRun run{centre - left, centre + right, 1, 0};
                if (holeLeft > 0 && holeRight > 0) {
                    run.holeFirst = centre - holeLeft + 1;
                    run.holeLast = centre + holeRight - 1;
                }
                stack.push_back({run, QRgb(0x010101u * (k + 1))});
            }
            std::vector<std::uint32_t> row(width, kUnder);
            NestedRow nested;
            nested.start(0, width, row.data());
            for (std::size_t k = stack.size(); k-- > 0 && nested.isOpen();)
                nested.paint(stack[k].run, stack[k].colour);
            QVERIFY2(row == inOrder(stack, width), qPrintable(QString("trial %1").arg(trial)));
        }
    }

    void boxOutlineRunCoversWhatItsSpansCover() {
        std::mt19937 g(5);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(g); };
        for (int trial = 0; trial < 500; ++trial) {
            const ClipRect clip{0, 0, pick(1, 50), pick(1, 50)};
            const BoxOutline box(pick(-20, 70), pick(-20, 70), pick(-20, 70), pick(-20, 70),
                                 pick(1, 12), clip);
            for (int y = clip.top; y < clip.bottom; ++y) {
                const RowRun run = box.run(y);
                std::vector<char> covered(clip.right, 0);
                for (int x = std::max(run.first, 0); x <= std::min(run.last, clip.right - 1); ++x)
                    covered[x] = !(x >= run.holeFirst && x <= run.holeLast);
                QVERIFY2(covered == spansOf(box, y, clip.right),
                         qPrintable(QString("trial %1, row %2").arg(trial).arg(y)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(NestedRowTest)
#include "tst_nested_row.moc"
