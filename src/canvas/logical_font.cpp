// SPDX-License-Identifier: GPL-3.0-or-later
#include "logical_font.h"

#include <QFontMetricsF>
#include <cmath>
#include <cstdlib>

namespace chromadeck {

namespace {
// Font records give weights on the 100..900 scale; Qt 6 uses the same numbers.
QFont::Weight qtWeight(int weight) {
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}
}  // namespace

QFont LogicalFont::toQFont() const {
    QFont font(faceName);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setWeight(qtWeight(weight));
    font.setItalic(italic);
    const int pixels = std::max(1, std::abs(height == 0 ? 16 : height));
    font.setPixelSize(pixels);
    if (height > 0) {
        // A positive height is the whole cell (ascent + descent): shrink the em to fit.
        const QFontMetricsF metrics(font);
        const double cell = metrics.ascent() + metrics.descent();
        if (cell > 0) font.setPixelSize(std::max(1, int(std::lround(pixels * pixels / cell))));
    }
    return font;
}

QFont canvasFont(const QString& name, double points, bool bold, bool italic) {
    QFont font(name);
    // One logical pixel is 1/96 inch: points to pixels without depending on the screen.
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace chromadeck
