// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cursors.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace chromadeck::platform {

// One logical pixel is 15 twips, whatever the display; Qt's device pixel ratio
// takes care of dense screens.
inline constexpr int kTwipsPerPixel = 15;

// The primary screen as the program sees it.
class Screen {
  public:
    virtual ~Screen() = default;

    // Screen size in twips.
    double Width() const { return sizePixels().width() * double(kTwipsPerPixel); }
    double Height() const { return sizePixels().height() * double(kTwipsPerPixel); }

    // Where the primary screen lies in the virtual desktop, in logical pixels. It need not
    // start at (0, 0): another screen may lie left of or above it.
    virtual QRect geometry() const = 0;
    QSize sizePixels() const { return geometry().size(); }
    // The part of the desktop that windows may take: the primary screen less the
    // desktop's own panels and docks, in desktop pixels.
    virtual QRect availableGeometry() const = 0;
    // A pixel copy of the whole primary screen at the screen's own pixels: on a dense
    // screen more than one per logical pixel, as the picture's devicePixelRatio() says.
    // Nothing when the platform refuses, a null image when the memory for the copy cannot
    // be had.
    virtual std::optional<QImage> grab() = 0;
    // Why the last grab() gave nothing, in words for the user; empty when the platform
    // gives no reason of its own.
    virtual QString grabRefusal() const { return {}; }
    // In the virtual desktop's logical pixels.
    virtual QPoint cursorPos() const = 0;

    // The screen-wide pointer; any code but Default overrides every window's own cursor.
    virtual void setMousePointer(CursorCode code) = 0;
    virtual CursorCode MousePointer() const = 0;
};

}  // namespace chromadeck::platform
