// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message_box.h"

namespace chromadeck::platform {

// A modal QMessageBox with one OK button.
class QtMessageBox : public MessageBox {
  public:
    void show(QWidget* parent, const QString& title, const QString& text,
              MessageIcon icon) override;
};

}  // namespace chromadeck::platform
