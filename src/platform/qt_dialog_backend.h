// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialog_backend.h"

namespace chromadeck::platform {

// The real dialogs: Qt's own (not the desktop's) file, colour and font dialogs, so that
// the start folder, the default extension and the overwrite rule behave the same
// everywhere. Saving over an existing file is not questioned: the program replaces it.
class QtDialogBackend : public DialogBackend {
  public:
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QColor> color(const QColor& initial, QWidget* parent) override;
    std::optional<FontChoice> font(const FontChoice& initial, QWidget* parent) override;
};

}  // namespace chromadeck::platform
