// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace chromadeck {

// A control nested in a container stands in the container's client area: a bordered
// picture box counts its controls' Left and Top from inside its border, two pixels in,
// while a window or a frame counts them from its own corner. These place and read a
// control in those terms, so a position read back is the one that was set, whatever
// border its container has.

// The container's client area in its own widget coordinates.
QRect clientAreaOf(const QWidget* container);
// Left, Top, Width and Height of a control in its container's client area.
QRect clientGeometry(const QWidget* control);
void setClientGeometry(QWidget* control, const QRect& geometry);
void moveInClient(QWidget* control, QPoint topLeft);

}  // namespace chromadeck
