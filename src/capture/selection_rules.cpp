// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection_rules.h"

#include <algorithm>
#include <limits>

namespace chromadeck::capture {

Long toLongClamped(float v) {
    if (const std::optional<Long> l = toLong(v)) return *l;
    if (v != v) return 0;  // NaN
    return v < 0 ? std::numeric_limits<Long>::min() : std::numeric_limits<Long>::max();
}

LongRect hitRectOf(const Frame& frame) {
    return {toLongClamped(frame.Left), toLongClamped(frame.Top), toLongClamped(frame.Right()),
            toLongClamped(frame.Bottom())};
}

bool PtInRect(const LongRect& rect, Long x, Long y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

bool strictlyInside(const Frame& frame, float x, float y) {
    return x > frame.Left && y > frame.Top && frame.Right() > x && frame.Bottom() > y;
}

std::optional<Frame> rubberBand(float originX, float originY, float x, float y) {
    if (x == originX || y == originY) return std::nullopt;
    const float dx = x - originX, dy = y - originY;
    return Frame{std::min(x, originX), std::min(y, originY), dx > 0 ? dx : -dx, dy > 0 ? dy : -dy};
}

Frame movedFrame(const Frame& frame, QPointF origin, QPointF press, float x, float y,
                 QSizeF screen) {
    Frame moved = frame;
    moved.Left = float(origin.x()) - (float(press.x()) - x);
    moved.Top = float(origin.y()) - (float(press.y()) - y);
    if (moved.Left < 0) moved.Left = 0;
    if (moved.Top < 0) moved.Top = 0;
    const float screenWidth = float(screen.width()), screenHeight = float(screen.height());
    // The pointer may run on past an edge; the region stops there.
    if (screenWidth < moved.Width + moved.Left) moved.Left = screenWidth - moved.Width;
    if (screenHeight < moved.Height + moved.Top) moved.Top = screenHeight - moved.Height;
    return moved;
}

std::optional<Frame> handleDragFrame(int index, Long cx, Long cy, QSizeF handle,
                                     const FrozenEdges& e) {
    const float x = float(cx), y = float(cy);
    const float halfW = float(handle.width()) / 2, halfH = float(handle.height()) / 2;
    Frame f;
    switch (index) {
        case 0:
            f = {x + halfW, y + halfH, e.FrameRight - x, e.FrameBottom - y};
            break;
        case 1:
            f = {e.FrameLeft, y + halfH, e.FrameRight - e.FrameLeft, e.FrameBottom - y};
            break;
        case 2:
            f = {e.FrameLeft, y + halfH, x - e.FrameLeft + halfW, e.FrameBottom - y};
            break;
        case 3:
            f = {x + halfW, e.FrameTop, e.FrameRight - x, e.FrameBottom - e.FrameTop};
            break;
        case 4:
            f = {x + halfW, e.FrameTop, e.FrameRight - x, y - e.FrameTop};
            break;
        case 5:
            f = {e.FrameLeft, e.FrameTop, e.FrameRight - e.FrameLeft, y - e.FrameTop};
            break;
        case 6:
            f = {e.FrameLeft, e.FrameTop, x - e.FrameLeft, y - e.FrameTop};
            break;
        case 7:
            f = {e.FrameLeft, e.FrameTop, x - e.FrameLeft, e.FrameBottom - e.FrameTop};
            break;
        default:
            return std::nullopt;
    }
    // A shape refuses a negative size, and then none of the four values is taken.
    if (f.Width < 0 || f.Height < 0) return std::nullopt;
    return f;
}

std::array<QPointF, 8> handlePlaces(const Frame& f, QSizeF handleSize) {
    const float w = float(handleSize.width()), h = float(handleSize.height());
    const float L = f.Left, T = f.Top, W = f.Width, H = f.Height;
    // The top-right corner sits a little further in than the others: w/1.5, not w/2.
    return {QPointF(L - w / 2, T - h / 2),         QPointF(L + W / 2 - w / 2, T - h / 2),
            QPointF(L + W - w / 1.5f, T - h / 2),  QPointF(L - w / 2, T + H / 2 - h / 2),
            QPointF(L - w / 2, T + H - h / 2),     QPointF(L + W / 2 - w / 2, T + H - h / 2),
            QPointF(L + W - w / 2, T + H - h / 2), QPointF(L + W - w / 2, T + H / 2 - h / 2)};
}

QPointF toolbarPlace(const Frame& f, QSizeF toolbar, float screenHeight) {
    const float w = float(toolbar.width()), h = float(toolbar.height());
    const float top =
        screenHeight >= f.Top + f.Height + 4 + h ? f.Top + f.Height + 4 : f.Top + f.Height - h - 4;
    float left = f.Left + f.Width - w;
    if (left < 0) left = 0;
    return QPointF(left, top);
}

QString sizeText(float width, float height) {
    return numberText(width) + QLatin1Char('x') + numberText(height);
}

Channels SplitRgb(Long colour) {
    // Long division towards zero and a remainder with the dividend's sign, so -1 stays -1.
    return {colour % 256, (colour / 256) % 256, (colour / 65536) % 256};
}

QString colourText(RgbColor colour) {
    const Channels c = SplitRgb(colour.value);
    return QStringLiteral("RGB(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

}  // namespace chromadeck::capture
