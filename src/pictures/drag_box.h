// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

namespace chromadeck {

// Lets the user drag a floating box by its body, as if by a title bar: from the press
// at `pressInBox` (box coordinates) until the button is released, the box follows the
// pointer inside its parent. Call it from the box's own press handler.
void DragBox(QWidget* box, QPoint pressInBox);

}  // namespace chromadeck
