#pragma once

#include <QFont>

namespace chromadeck::app {

// 宋体 (SimSun) is not installed on Linux desktops; without a substitution Qt falls back
// to a sans face and the Chinese captions lose their Song look. Call once at start-up,
// after the QApplication exists.
void registerFontSubstitutions();

// The face of every caption: 宋体 at the given size, the weight always explicit so a
// bold container does not make its children bold.
QFont songFont(double points = 9.0, bool bold = false);

}  // namespace chromadeck::app
