// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/widget_input.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace chromadeck::testing {

void hover(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button) {
    QTest::mousePress(widget, button, {}, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, button, {}, to);
}

}  // namespace chromadeck::testing
