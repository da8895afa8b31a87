// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutout_window_launcher.h"

namespace chromadeck {

CutoutWindowLauncher::CutoutWindowLauncher(QWidget* mainWindow, platform::Services services,
                                           RandomSource& random, ClickableLabel* mainMaskSwatch)
    : mainWindow_(mainWindow),
      services_(services),
      random_(random),
      mainMaskSwatch_(mainMaskSwatch) {}

Form11* CutoutWindowLauncher::window() const {
    // A closed window waits for its deletion hidden; it is no longer the open one.
    return form_ && !form_->isHidden() ? form_.data() : nullptr;
}

void CutoutWindowLauncher::Command9_Click() {
    if (!window()) {
        // Owned by the main window: it stays over it and goes when it goes.
        form_ = new Form11(mainWindow_, services_, random_, mainMaskSwatch_);
    }
    if (form_->isMinimized()) form_->showNormal();
    form_->show();
    form_->raise();
    form_->activateWindow();
}

}  // namespace chromadeck
