// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_message_box.h"

#include <QMessageBox>

namespace chromadeck::platform {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBox::show(QWidget* parent, const QString& title, const QString& text,
                        MessageIcon icon) {
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace chromadeck::platform
