// SPDX-License-Identifier: GPL-3.0-or-later
#include "client_area.h"

#include "canvas/canvas.h"

#include <QWidget>

namespace chromadeck {

QRect clientAreaOf(const QWidget* container) {
    if (!container) return {};
    if (const auto* box = qobject_cast<const Canvas*>(container)) return box->clientRect();
    return container->rect();
}

namespace {
QPoint originIn(const QWidget* control) {
    return clientAreaOf(control->parentWidget()).topLeft();
}
}  // namespace

QRect clientGeometry(const QWidget* control) {
    return control->geometry().translated(-originIn(control));
}

void setClientGeometry(QWidget* control, const QRect& geometry) {
    control->setGeometry(geometry.translated(originIn(control)));
}

void moveInClient(QWidget* control, QPoint topLeft) {
    control->move(topLeft + originIn(control));
}

}  // namespace chromadeck
