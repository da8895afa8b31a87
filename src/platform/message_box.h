// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace chromadeck::platform {

enum class MessageIcon { None, Information, Warning, Critical };

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget* parent, const QString& title, const QString& text,
                      MessageIcon icon) = 0;
};

}  // namespace chromadeck::platform
