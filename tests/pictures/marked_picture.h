#pragma once

#include <QImage>

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

}  // namespace chromadeck::testing
