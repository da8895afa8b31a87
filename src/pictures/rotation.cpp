// SPDX-License-Identifier: GPL-3.0-or-later
#include "rotation.h"

#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"

#include <cmath>

namespace chromadeck {

namespace {

// π as a single-precision number, carried in double precision.
constexpr double kPi = 3.1415927410125732;

// The geometry both ways of rotating share, worked out exactly once.
struct RotationFrame {
    double c = 1, s = 0;
    Long hw2 = 0, hh2 = 0, hw3 = 0, hh3 = 0;
    Integer lastColumn = -1, lastRow = -1;
    float sourceRight = 0, sourceBottom = 0;  // W3 - 1 and H3 - 1, in single precision

    RotationFrame(const DrawingSurface& source, const DrawingSurface& output, double degrees) {
        const double a = degrees * kPi / 180;
        c = std::cos(a);
        s = std::sin(a);
        const float w2 = output.ScaleWidth(), h2 = output.ScaleHeight();
        const float w3 = source.ScaleWidth(), h3 = source.ScaleHeight();
        // Rounded to whole numbers, then halved toward zero.
        hw2 = toLong(w2).value_or(0) / 2;
        hh2 = toLong(h2).value_or(0) / 2;
        hw3 = toLong(w3).value_or(0) / 2;
        hh3 = toLong(h3).value_or(0) / 2;
        lastColumn = toInteger(w2).value_or(-1);
        lastRow = toInteger(h2).value_or(-1);
        sourceRight = w3 - 1;
        sourceBottom = h3 - 1;
    }

    // Where output pixel (i, j) reads the source; false when that falls outside.
    bool sourceOf(Integer i, Integer j, double& sx, double& sy) const {
        const Integer dx = static_cast<Integer>(i - hw2), dy = static_cast<Integer>(j - hh2);
        sx = hw3 + dx * c + dy * s;
        sy = hh3 + dy * c - dx * s;
        return sx > 0 && static_cast<float>(sx) < sourceRight && sy > 0 &&
               static_cast<float>(sy) < sourceBottom;
    }
};

}  // namespace

void RotatePicture(const DrawingSurface& source, DrawingSurface& output, double degrees) {
    const RotationFrame frame(source, output, degrees);
    for (Integer i = 0; i <= frame.lastColumn && i >= 0; ++i) {
        for (Integer j = 0; j <= frame.lastRow && j >= 0; ++j) {
            double sx, sy;
            if (frame.sourceOf(i, j, sx, sy))
                output.PSet(i, j, source.Point(static_cast<float>(sx), static_cast<float>(sy)));
            if (j == 32767) break;
        }
        if (i == 32767) break;
    }
}

void RotatePictureFast(const DrawingSurface& source, DrawingSurface& output, double degrees) {
    // The shortcut writes single pixels in pixel units; any other pen or scale takes the
    // plain way.
    if (output.DrawWidth() != 1 || output.ScaleMode() != DrawingSurface::kPixels ||
        source.ScaleMode() != DrawingSurface::kPixels) {
        RotatePicture(source, output, degrees);
        return;
    }
    const RotationFrame frame(source, output, degrees);
    // Read in place: a copy of a large sticker would double the memory it takes.
    const QImage& from = source.persistentImage();
    const QSize fromArea = source.drawableSize(from);
    QImage& to = output.drawingTarget();
    const QSize area = output.drawableSize(to);
    const int columns = std::min<int>(frame.lastColumn, area.width() - 1);
    const int rows = std::min<int>(frame.lastRow, area.height() - 1);
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            double sx, sy;
            if (!frame.sourceOf(static_cast<Integer>(i), static_cast<Integer>(j), sx, sy)) continue;
            // Point rounds single-precision positions to the nearest pixel, ties to even.
            const int px = static_cast<int>(roundHalfEven(static_cast<float>(sx)));
            const int py = static_cast<int>(roundHalfEven(static_cast<float>(sy)));
            const QRgb colour = px < fromArea.width() && py < fromArea.height()
                                    ? from.pixel(px, py)
                                    : RgbColor(kNoPixel).toQRgb();
            reinterpret_cast<QRgb*>(to.scanLine(j))[i] = colour | 0xFF000000u;
        }
    }
    output.markDrawn();
}

}  // namespace chromadeck
