// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

namespace chromadeck::testing {

// A picture with a recognisable corner: red top-left block, the rest a colour ramp.
inline QImage markedPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(20 + x % 200, 30 + y % 200, 90));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

// The rectangle of output pixels that are no longer white, and where red landed: what
// a rotation of the marked picture put on a white output.
struct Coverage {
    QRect changed, red;
    long long count = 0;
};
inline Coverage coverage(const QImage& img) {
    Coverage c;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == qRgb(255, 255, 255)) continue;
            c.changed |= QRect(x, y, 1, 1);
            ++c.count;
            if (p == qRgb(255, 0, 0)) c.red |= QRect(x, y, 1, 1);
        }
    return c;
}

}  // namespace chromadeck::testing
