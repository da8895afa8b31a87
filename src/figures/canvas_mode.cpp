// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas_mode.h"

#include "canvas/numeric.h"

namespace chromadeck {

QString CanvasMode(const MainPanelControls& panel) {
    return panel.Frame1->property("Tag").toString();
}

void setCanvasMode(const MainPanelControls& panel, const QString& tag) {
    panel.Frame1->setProperty("Tag", tag);
}

void showCircleGroup(const MainPanelControls& panel) {
    panel.Label4->setVisible(false);
    panel.Label5->setVisible(false);
    panel.Combo4->setVisible(false);
    panel.Combo5->setVisible(false);
    panel.Label6->setVisible(true);
    panel.Label7->setVisible(true);
    panel.HScroll1->setVisible(true);
    panel.HScroll2->setVisible(true);
}

void showBarGroup(const MainPanelControls& panel) {
    panel.Label6->setVisible(false);
    panel.Label7->setVisible(false);
    panel.HScroll1->setVisible(false);
    panel.HScroll2->setVisible(false);
    panel.Label4->setVisible(true);
    panel.Label5->setVisible(true);
    panel.Combo4->setVisible(true);
    panel.Combo5->setVisible(true);
}

void optStyle_Click(const MainPanelControls& panel, int index) {
    setCanvasMode(panel, QString::number(index));
    // Only the circle and bar options switch the groups; the others leave them as they are.
    const auto mode = parseNumber(CanvasMode(panel));
    if (mode && *mode == 0) showCircleGroup(panel);
    if (mode && *mode == 2) showBarGroup(panel);
}

}  // namespace chromadeck
