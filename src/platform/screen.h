#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
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
    // A pixel copy of the whole primary screen; nothing when the platform refuses.
    virtual std::optional<QImage> grab() = 0;
    virtual QPoint cursorPos() const = 0;

    // Screen-wide cursor code (0 default, 1 arrow, 2 cross, 3 I-beam, 5 move, 6-9 resize,
    // 11 hourglass); any code but 0 overrides every window's own cursor.
    virtual void setMousePointer(int code) = 0;
    virtual int MousePointer() const = 0;
};

}  // namespace chromadeck::platform
