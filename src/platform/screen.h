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

    virtual QSize sizePixels() const = 0;
    // The part of the desktop that windows may take: the primary screen less the
    // desktop's own panels and docks, in desktop pixels.
    virtual QRect availableGeometry() const = 0;
    // A pixel copy of the whole primary screen; nothing when the platform refuses, a null
    // image when the memory for the copy cannot be had.
    virtual std::optional<QImage> grab() = 0;
    // Why the last grab() gave nothing, in words for the user; empty when the platform
    // gives no reason of its own.
    virtual QString grabRefusal() const { return {}; }
    virtual QPoint cursorPos() const = 0;

    // The screen-wide pointer; any code but Default overrides every window's own cursor.
    virtual void setMousePointer(CursorCode code) = 0;
    virtual CursorCode MousePointer() const = 0;
};

}  // namespace chromadeck::platform
