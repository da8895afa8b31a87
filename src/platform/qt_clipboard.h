// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether what the clipboard holds is served by this program: a copy it made that no
// other program has taken over yet.
bool ServesClipboard();
// Keeps serving the clipboard, with no window, until another program takes it over (a
// new copy anywhere, or a clipboard manager that has stored ours).
void ServeClipboardUntilTakenOver();

}  // namespace chromadeck::platform
