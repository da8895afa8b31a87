// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt_clipboard.h"
#include "qt_desktop.h"
#include "qt_dialog_backend.h"
#include "qt_message_box.h"
#include "qt_screen.h"
#include "services.h"

namespace chromadeck::platform {

// The program's one set of real services; create it after the QApplication and keep
// it alive as long as any window that was handed its services().
class QtServices {
  public:
    QtServices() = default;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    Services services();

  private:
    QtDialogBackend dialogs_;
    QtMessageBox messages_;
    QtScreen screen_;
    QtDesktop desktop_;
    QtClipboard clipboard_;
};

}  // namespace chromadeck::platform
