// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mouse input for real widgets on the offscreen screen.
#include <QPoint>
#include <Qt>

class QWidget;

namespace chromadeck::testing {

// A move with no button held, sent straight to the widget (QTest would move the real
// cursor).
void hover(QWidget* widget, QPoint at = {2, 2});

// Press at `from`, one move to `to`, release there.
void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);

}  // namespace chromadeck::testing
