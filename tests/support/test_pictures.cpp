// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_pictures.h"

namespace chromadeck::testing {

QImage plainPicture(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage screenPicture(int tint) {
    QImage picture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) row[x] = qRgb(x & 255, y & 255, tint);
    }
    return picture;
}

}  // namespace chromadeck::testing
