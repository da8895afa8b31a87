// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/cursors.h"

#include <QString>

namespace chromadeck {

class DrawingSurface;

// What the figures read from the main window's panel. The window answers every call
// from its controls at that moment, never from a copy: a value the user changes while a
// figure draws is seen by the next read. Tests answer with plain values.
class FigurePanel {
  public:
    virtual ~FigurePanel() = default;

    virtual DrawingSurface& Picture1() = 0;  // the main canvas
    virtual QString Combo3() const = 0;      // pen width and step of every figure
    virtual QString Combo4() const = 0;      // top of the bars
    virtual QString Combo5() const = 0;      // bottom of the bars
    virtual int HScroll1() const = 0;        // circle size
    virtual int HScroll2() const = 0;        // ellipse aspect times ten
    virtual int HScroll3() const = 0;        // half-width of rectangles, half-side of squares
    virtual int HScroll4() const = 0;        // half-height of rectangles
    // The text box on the canvas goes away under the figures.
    virtual void hideText5() = 0;
};

// What a press on the main canvas also reads and switches on the panel.
class PressPanel : public FigurePanel {
  public:
    // The mode: the decimal index of the chosen optStyle option, kept in Frame1's Tag.
    virtual QString Frame1Tag() const = 0;
    // Picture1's own pointer, by cursor code.
    virtual void setPicture1Pointer(platform::CursorCode code) = 0;
    // The circle group (size and aspect) or the bar group (top and bottom) in the
    // panel's first box; one shows at a time.
    virtual void showCircleGroup() = 0;
    virtual void showBarGroup() = 0;
    // The two guides across the canvas, Line1 and Line2.
    virtual void hideGuides() = 0;
};

}  // namespace chromadeck
