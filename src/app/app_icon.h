#pragma once

#include <QIcon>
#include <QImage>

namespace chromadeck::app {

// The program's 32 x 32 window icon: concentric coloured rings on a clear ground, the
// same picture the canvas makes with a press.
QImage appIconImage();
QIcon appIcon();

}  // namespace chromadeck::app
