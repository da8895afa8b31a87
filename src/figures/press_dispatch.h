// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar_figure.h"
#include "figure_panel.h"

#include <functional>

namespace chromadeck {

class RandomSource;

// What a press on the main canvas does, by mode. The sticker paste and the text stamp
// belong to their own chapters; the window plugs them in here.
class PressDispatcher {
  public:
    PressDispatcher(PressPanel& panel, RandomSource& random);

    std::function<void(float X, float Y)> pasteSticker;  // mode "5"
    std::function<void(float X, float Y)> stampText;     // mode "6"

    // Any button, any modifier: the pen width comes from Combo3 on every press, then the
    // mode decides. A Combo3 text that is no 16-bit number of at least 1 ignores the press.
    void Picture1_MouseDown(int button, int shift, float X, float Y);

    BarFigure& bars() { return bars_; }

  private:
    PressPanel& panel_;
    RandomSource& random_;
    BarFigure bars_;
};

}  // namespace chromadeck
