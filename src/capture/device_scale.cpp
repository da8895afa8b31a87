// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_scale.h"

#include "platform/screen.h"
#include "selection_rules.h"

#include <cmath>

namespace chromadeck::capture {

namespace {
Long devicePixels(double logical, qreal ratio) {
    return toLongClamped(float(logical * ratio));
}
}  // namespace

QSize DeviceScale::deviceSize(QSizeF logical) const {
    return QSize(devicePixels(logical.width(), ratio), devicePixels(logical.height(), ratio));
}

QRect DeviceScale::deviceRect(Long left, Long top, Long right, Long bottom) const {
    const Long x = devicePixels(left, ratio), y = devicePixels(top, ratio);
    return QRect(x, y, devicePixels(right, ratio) - x, devicePixels(bottom, ratio) - y);
}

int DeviceScale::penWidth() const {
    return std::max(1, int(std::lround(ratio)));
}

void DeviceScale::setUp(DrawingSurface& picture) const {
    const int pen = penWidth();
    picture.setDrawWidth(pen);
    // One unit is a window pixel. A pen draws about the pixel its position names (about
    // that pixel's top-left corner for even widths), so positions move half a pen, in
    // whole pixels, into the window pixel: a line on window column c then covers exactly
    // c's device pixels. At a ratio of 1 this is the plain pixel scale.
    const double unit = platform::kTwipsPerPixel * ratio;
    const double shift = -(pen / 2) / ratio;
    picture.setUnitSize(unit, unit, shift, shift);
}

}  // namespace chromadeck::capture
