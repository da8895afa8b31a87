// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen.h"

#include <QRect>
#include <cmath>

namespace chromadeck {

// Window layouts are designed in twips; a logical pixel is 15 of them.
inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

}  // namespace chromadeck
