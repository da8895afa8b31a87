// SPDX-License-Identifier: GPL-3.0-or-later
#include "common_dialog.h"

namespace chromadeck::platform {

CommonDialog::CommonDialog(DialogBackend& backend, QWidget* owner)
    : backend_(backend), owner_(owner) {}

FileRequest CommonDialog::request() const {
    FileRequest r;
    r.title = DialogTitle;
    r.filter = Filter;
    r.fileName = FileName;
    r.defaultExt = DefaultExt;
    r.initDir = InitDir;
    r.parent = owner_;
    return r;
}

bool CommonDialog::ShowOpen() {
    const std::optional<QString> answer = backend_.openFile(request());
    if (!answer) return false;
    FileName = *answer;
    return true;
}

bool CommonDialog::ShowSave() {
    const std::optional<QString> answer = backend_.saveFile(request());
    if (!answer) return false;
    FileName = *answer;
    return true;
}

bool CommonDialog::ShowColor() {
    const std::optional<QColor> answer = backend_.color(Color, owner_);
    if (!answer) return false;
    Color = *answer;
    return true;
}

bool CommonDialog::ShowFont() {
    const std::optional<FontChoice> answer = backend_.font(Font, owner_);
    if (!answer) return false;
    Font = *answer;
    return true;
}

}  // namespace chromadeck::platform
