// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include "platform/cursors.h"

#include <QString>

namespace chromadeck {

class DrawingSurface;

// What the text stamp reads from the main window: the canvas, the text box's text and
// font, the angle box. The window answers every call from its controls at that moment,
// so a font, angle or colour changed between the stamp's passes shows in the later ones.
class TextPanel {
  public:
    virtual ~TextPanel() = default;

    // False once the window has gone away; the stamp then stops quietly.
    virtual bool present() const = 0;
    virtual DrawingSurface& Picture1() = 0;
    virtual void setPicture1Pointer(platform::CursorCode code) = 0;
    virtual QString Text5() const = 0;
    virtual QFont Text5Font() const = 0;
    virtual QString Combo6() const = 0;  // the angle in whole degrees, counter-clockwise
};

}  // namespace chromadeck
