#pragma once

#include <QCursor>

class QWidget;

namespace chromadeck::platform {

// Cursor codes: 0 default, 1 arrow, 2 cross, 3 I-beam, 5 size-all, 6 NE-SW diagonal,
// 7 vertical, 8 NW-SE diagonal, 9 horizontal, 11 wait. Unknown codes show the arrow.
Qt::CursorShape cursorShapeForCode(int code);

// A window's or control's own pointer; code 0 gives the control its default back.
void applyMousePointer(QWidget* widget, int code);

// The screen-wide override shared by every Screen implementation. It keeps at most one
// override of its own on the application's stack, and pops it on code 0 or destruction.
class ScreenCursor {
  public:
    ScreenCursor() = default;
    ScreenCursor(const ScreenCursor&) = delete;
    ScreenCursor& operator=(const ScreenCursor&) = delete;
    ~ScreenCursor();
    void set(int code);
    int code() const { return code_; }

  private:
    int code_ = 0;
    bool pushed_ = false;  // whether our override is on the application's stack
};

}  // namespace chromadeck::platform
