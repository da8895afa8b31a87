// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>

class QWidget;

namespace chromadeck::platform {

// The program's pointer codes; the numbers are the ones its windows have always used.
// A code the program does not name (4, 10, ...) shows the arrow.
enum class CursorCode : int {
    Default = 0,  // a control's own pointer, whatever its parent shows
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    SizeAll = 5,    // moving a whole box
    SizeNESW = 6,   // resizing from the top-right or bottom-left corner
    SizeNS = 7,     // resizing from the top or bottom edge
    SizeNWSE = 8,   // resizing from the top-left or bottom-right corner
    SizeWE = 9,     // resizing from the left or right edge
    Hourglass = 11  // busy
};

Qt::CursorShape cursorShapeForCode(CursorCode code);

// A window's or control's own pointer; Default gives the control its default back.
void applyMousePointer(QWidget* widget, CursorCode code);

// The screen-wide override shared by every Screen implementation. It keeps at most one
// override of its own on the application's stack, and pops it on Default or destruction.
class ScreenCursor {
  public:
    ScreenCursor() = default;
    ScreenCursor(const ScreenCursor&) = delete;
    ScreenCursor& operator=(const ScreenCursor&) = delete;
    ~ScreenCursor();
    void set(CursorCode code);
    CursorCode code() const { return code_; }

  private:
    CursorCode code_ = CursorCode::Default;
    bool pushed_ = false;  // whether our override is on the application's stack
};

}  // namespace chromadeck::platform
