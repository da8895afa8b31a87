// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

namespace chromadeck::app {

// The program's icon: concentric coloured rings on a clear ground, the same picture the
// canvas makes with a press. Designed on a 32 x 32 grid; every size and the scalable
// file are drawn from that one design, so the window, the menu and the launcher agree.
QImage appIconImage(int size = 32);
// The same rings as an SVG document, for the icon theme's scalable folder.
QString appIconSvg();
// The sizes the icon theme gets as pictures.
QList<int> appIconSizes();
QIcon appIcon();

}  // namespace chromadeck::app
