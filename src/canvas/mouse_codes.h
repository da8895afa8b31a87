// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace chromadeck {

// The codes mouse handlers receive: buttons 1 left, 2 right, 4 middle; shift 1, ctrl 2,
// alt 4 — added together when several are held.
inline int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

}  // namespace chromadeck
