#pragma once

#include "clipboard.h"

namespace chromadeck::platform {

// The application's QClipboard. What it holds outlives the window that put it there, and
// on X11 the process serves it until another program takes the clipboard over.
class QtClipboard : public Clipboard {
  public:
    void setImage(const QImage& picture) override;
    QImage image() const override;
    void clear() override;
};

}  // namespace chromadeck::platform
