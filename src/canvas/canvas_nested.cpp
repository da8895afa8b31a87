// SPDX-License-Identifier: GPL-3.0-or-later
// The controls nested in a picture box: placed from inside its border and shown only in
// its client area, as the box's own drawing is.
#include "canvas.h"

#include <QChildEvent>
#include <QRegion>

namespace chromadeck {

bool Canvas::event(QEvent* event) {
    // Every nested control is watched from the start, so it is clipped wherever it goes.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) child->installEventFilter(this);
    }
    return QWidget::event(event);
}

bool Canvas::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
        auto* control = static_cast<QWidget*>(watched);
        if (control->parentWidget() == this) clipNestedControl(control);
    }
    return QWidget::eventFilter(watched, event);
}

void Canvas::shiftNestedControls(QPoint by) {
    if (by.isNull()) return;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() + by);
}

void Canvas::clipNestedControls() {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        clipNestedControl(control);
}

void Canvas::clipNestedControl(QWidget* control) const {
    if (control->isWindow()) return;
    const QRect place = control->geometry();
    const QRect shown = place & clientRect();
    if (shown == place) {
        control->clearMask();
    } else if (shown.isEmpty()) {
        // An empty mask would mean no mask at all; a pixel beside the control hides all of it.
        control->setMask(QRegion(-1, -1, 1, 1));
    } else {
        control->setMask(QRegion(shown.translated(-place.topLeft())));
    }
}

}  // namespace chromadeck
