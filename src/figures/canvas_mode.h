// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_panel.h"

#include <QString>

namespace chromadeck {

// The current mode of the main canvas is the decimal index of the chosen optStyle
// option, kept as text in Frame1's Tag: "0" circle, "2" bar, "3" rectangle, "4" square,
// "5" paste sticker, "6" add text. Any other text selects nothing.
QString CanvasMode(const MainPanelControls& panel);
void setCanvasMode(const MainPanelControls& panel, const QString& tag);

// The circle group (Label6, Label7, HScroll1, HScroll2) and the bar group (Label4,
// Label5, Combo4, Combo5) share the first box of the panel; one shows at a time.
void showCircleGroup(const MainPanelControls& panel);
void showBarGroup(const MainPanelControls& panel);

void optStyle_Click(const MainPanelControls& panel, int index);

}  // namespace chromadeck
