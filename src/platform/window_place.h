// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace chromadeck::platform {

// Where a window goes on the screen: the whole window, frame and all, centred in the part
// of the screen that windows may take, so a title bar does not push it off centre.
struct WindowPlace {
    QPoint frameTopLeft;
    QSize clientSize;
};

// A client area that would not fit with its frame shrinks until it does (the window then
// scrolls what it holds); a frame larger than the area still keeps its top-left corner in
// it, so the title bar can always be reached.
WindowPlace CentredWindowPlace(QSize clientSize, QMargins frame, QRect available);

}  // namespace chromadeck::platform
