// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/numeric.h"
#include "canvas/rgb_color.h"
#include "platform/cursors.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>

// The rules of the capture window's selection, as plain values: the rubber band, moving
// the fixed region, the eight resize handles and where the toolbar goes. Every position
// is a Single in window pixels, and sums are taken in single precision as the window
// does, so a rule here gives the very value the window shows.
namespace chromadeck::capture {

// The selection frame `Shape1`.
struct Frame {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    float Right() const { return Left + Width; }
    float Bottom() const { return Top + Height; }
    friend bool operator==(const Frame&, const Frame&) = default;
};

// A rectangle of four Longs: left and top inclusive, right and bottom exclusive.
struct LongRect {
    Long left = 0;
    Long top = 0;
    Long right = 0;
    Long bottom = 0;
    friend bool operator==(const LongRect&, const LongRect&) = default;
};

// A Single converted to Long, nearest with ties to even; far-off values stop at the ends
// of the range, as a position can only be far off by a pointer dragged off the screen.
Long toLongClamped(float v);

// The frame's rectangle as `HitRect` holds it, and the platform's point-in-rectangle test.
LongRect hitRectOf(const Frame& frame);
bool PtInRect(const LongRect& rect, Long x, Long y);

// Whether (x, y) lies strictly inside the frame: the move cursor, and where a stroke
// may start.
bool strictlyInside(const Frame& frame, float x, float y);

// The rubber band from the anchor to the pointer; nothing while the pointer is on the
// anchor's row or column, where the frame keeps its last geometry.
std::optional<Frame> rubberBand(float originX, float originY, float x, float y);

// The fixed region dragged from a press at `press` to the pointer at (x, y), starting
// from its anchor (`OriginX`, `OriginY`), and kept on a screen of `screen` pixels.
Frame movedFrame(const Frame& frame, QPointF origin, QPointF press, float x, float y,
                 QSizeF screen);

// The region's edges frozen at a handle press.
struct FrozenEdges {
    float FrameLeft = 0;
    float FrameTop = 0;
    float FrameRight = 0;
    float FrameBottom = 0;
};

// The frame while handle `index` is dragged to the screen point (cx, cy); `handle` is that
// handle's own size. Nothing when the new width or height would be negative: the frame
// then keeps its geometry.
std::optional<Frame> handleDragFrame(int index, Long cx, Long cy, QSizeF handle,
                                     const FrozenEdges& edges);

// The handles' size, both ways.
inline constexpr float kHandleSize = 4;

// Top-left corners of the eight handles around the frame, each of `handleSize`.
std::array<QPointF, 8> handlePlaces(const Frame& frame, QSizeF handleSize);

// The screen cursor over each handle: the resize direction of its place on the frame.
// Handles 0..7 sit top-left, top, top-right, left, bottom-left, bottom, bottom-right, right.
inline constexpr std::array<platform::CursorCode, 8> kHandleCursor = {
    platform::CursorCode::SizeNWSE, platform::CursorCode::SizeNS,   platform::CursorCode::SizeNESW,
    platform::CursorCode::SizeWE,   platform::CursorCode::SizeNESW, platform::CursorCode::SizeNS,
    platform::CursorCode::SizeNWSE, platform::CursorCode::SizeWE};

// Top-left corner of the toolbar beside the frame on a screen `screenHeight` pixels high:
// under the frame when it fits, else inside along its bottom; right edges lined up.
QPointF toolbarPlace(const Frame& frame, QSizeF toolbar, float screenHeight);

// `LblPos`: "320x200", "120.5x80".
QString sizeText(float width, float height);

// A colour's three channels as Longs; the colour -1 (no pixel) gives -1, 0, 0.
struct Channels {
    Long red = 0;
    Long green = 0;
    Long blue = 0;
};
Channels SplitRgb(Long colour);

// `lblInfo`: "RGB(255,0,0)".
QString colourText(RgbColor colour);

}  // namespace chromadeck::capture
