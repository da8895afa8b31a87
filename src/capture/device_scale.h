// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"

#include <QRect>
#include <QSizeF>

namespace chromadeck::capture {

// A capture keeps the screen's own pixels: on a dense screen the picture has `ratio`
// device pixels for every window pixel each way (2 on a screen at 200 %, 1.25 or 1.5 on
// fractional ones). What the user points at and reads stays in window pixels: the pointer,
// the region and its size, the handles, the toolbar. The picture, its history, copies and
// saved files are device pixels. This is where the two meet.
struct DeviceScale {
    qreal ratio = 1;

    // A screen or window of `logical` pixels, in device pixels as a grab gives it.
    QSize deviceSize(QSizeF logical) const;
    // The window rectangle with these edges, in device pixels.
    QRect deviceRect(Long left, Long top, Long right, Long bottom) const;
    // A pen one window pixel wide, in whole device pixels.
    int penWidth() const;
    // Text of `points` in the window drawn on the picture.
    double fontPoints(double points) const { return points * ratio; }
    // Lets `picture` take positions in window pixels and draw them on its device pixels
    // with a pen one window pixel wide, so that every tool draws at any ratio what it
    // draws at 1, only sharper.
    void setUp(DrawingSurface& picture) const;
};

}  // namespace chromadeck::capture
