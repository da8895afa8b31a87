// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include "canvas/raster/pen_shapes.h"
#include "canvas/rgb_color.h"

#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>

namespace chromadeck::app {

namespace {

// Innermost first, each ring laid over the outer edge of the one before, as a press on
// the canvas lays them down. On the 32-pixel design grid.
constexpr double kDesignSize = 32;
constexpr double kRingWidth = 5;
constexpr std::array<RgbColor, 4> kColours{RGB(220, 30, 120), RGB(240, 190, 20), RGB(30, 170, 90),
                                           RGB(40, 70, 200)};
constexpr std::array<double, 4> kRadii{2.5, 6.0, 9.5, 13.0};

}  // namespace

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const raster::ClipRect clip = raster::ClipRect::of(image);
    const double scale = size / kDesignSize;
    const int width = std::max(1, int(std::lround(kRingWidth * scale)));
    for (std::size_t i = 0; i < kRadii.size(); ++i) {
        const double r = kRadii[i] * scale;
        raster::ellipseOutlineSpans(size / 2.0, size / 2.0, r, r, width, clip,
                                    raster::SpanWriter(image, kColours[i].toQRgb()));
    }
    return image;
}

QString appIconSvg() {
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 32 32\">\n");
    for (std::size_t i = 0; i < kRadii.size(); ++i) {
        svg += QStringLiteral(
                   "  <circle cx=\"16\" cy=\"16\" r=\"%1\" fill=\"none\" "
                   "stroke=\"%2\" stroke-width=\"%3\"/>\n")
                   .arg(kRadii[i])
                   .arg(kColours[i].toQColor().name())
                   .arg(kRingWidth);
    }
    return svg + QStringLiteral("</svg>\n");
}

QList<int> appIconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : appIconSizes()) icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}

}  // namespace chromadeck::app
