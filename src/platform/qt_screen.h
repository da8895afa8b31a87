#pragma once

#include "cursors.h"
#include "screen.h"

namespace chromadeck::platform {

// The primary screen of the running window system.
class QtScreen : public Screen {
  public:
    QSize sizePixels() const override;
    // The whole primary screen, sizePixels() large (a dense screen's copy is scaled to
    // logical pixels, so picture and cursor coordinates agree). Nothing on Wayland,
    // where the compositor does not hand out the screen, or when the grab fails.
    std::optional<QImage> grab() override;
    QPoint cursorPos() const override;
    void setMousePointer(CursorCode code) override { cursor_.set(code); }
    CursorCode MousePointer() const override { return cursor_.code(); }

  private:
    ScreenCursor cursor_;
};

}  // namespace chromadeck::platform
