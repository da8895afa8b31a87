// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace chromadeck::app {

// 宋体 (SimSun) is not installed on Linux desktops; without a substitution Qt falls back
// to a sans face and the Chinese captions lose their Song look. Call once at start-up,
// after the QApplication exists.
void registerFontSubstitutions();

}  // namespace chromadeck::app
