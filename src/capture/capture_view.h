// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"
#include "platform/cursors.h"
#include "selection_rules.h"

#include <QPoint>
#include <QString>

namespace chromadeck::capture {

// What lies over the picture, as the session decides it after every event. The window
// shows exactly this; where each control goes around the frame is the window's layout.
struct Overlay {
    Frame frame;  // the region, `Shape1`
    bool frameShown = false;
    bool handlesShown = false;  // the eight handles and the two read-outs with them
    QString colourText;         // `lblInfo`: the colour under the pointer
    bool toolbarShown = false;  // beside the frame
    bool panelShown = false;    // the options panel beside the toolbar
};

// The few things a capture run needs from whatever shows it, beyond the overlay: the
// screen pointer, the text tool's typing box with the font size typed for it, and a word
// to the user when memory runs out.
class CaptureView {
  public:
    virtual ~CaptureView() = default;

    // The screen-wide pointer.
    virtual void setPointer(platform::CursorCode code) = 0;

    // The size in points as typed on the options panel, read at every text click.
    virtual QString typedTextSize() const = 0;

    virtual bool typingBoxOpen() const = 0;
    // Opens the box with its top-left corner at `at`, in window pixels, ready for typing.
    virtual void openTypingBox(QPoint at) = 0;
    virtual void styleTypingBox(double points, RgbColor colour) = 0;
    virtual QString typedText() const = 0;
    virtual QPoint typingBoxAt() const = 0;
    // Hides the box and forgets its text.
    virtual void closeTypingBox() = 0;

    // Tells the user that memory ran out, with what could not be done (`attempted`).
    virtual void tellOutOfMemory(const QString& attempted) = 0;
};

}  // namespace chromadeck::capture
