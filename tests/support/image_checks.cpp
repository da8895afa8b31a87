// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/image_checks.h"

namespace chromadeck::testing {

int countColour(const QImage& image, QRgb colour, QRect area) {
    area = area.isNull() ? image.rect() : area;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

QRect inkBounds(const QImage& image, QRgb ground) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != ground) box |= QRect(x, y, 1, 1);
    return box;
}

bool nearColour(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

}  // namespace chromadeck::testing
