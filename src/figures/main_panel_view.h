// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure_panel.h"
#include "main_panel.h"

namespace chromadeck {

// The main window's panel as the press sees it: every answer is read from the controls
// at the moment it is asked. Also the panel's own read-outs: the pointer position with
// the two guides, and the captions of the circle scroll bars.
class MainPanelView : public PressPanel {
  public:
    explicit MainPanelView(const MainPanelControls& controls) : c_(controls) {}

    const MainPanelControls& controls() const { return c_; }

    DrawingSurface& Picture1() override;
    QString Combo3() const override;
    QString Combo4() const override;
    QString Combo5() const override;
    int HScroll1() const override;
    int HScroll2() const override;
    int HScroll3() const override;
    int HScroll4() const override;
    void hideText5() override;
    QString Frame1Tag() const override;
    void setPicture1Pointer(platform::CursorCode code) override;
    void showCircleGroup() override;
    void showBarGroup() override;
    void hideGuides() override;

    // The "宽x=" / "高y=" read-out and the two guides across the canvas.
    void Picture1_MouseMove(int button, int shift, float X, float Y);
    void HScroll1_Change();
    void HScroll2_Change();

  private:
    MainPanelControls c_;
};

}  // namespace chromadeck
