// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monkey_options.h"
#include "seeded_random.h"
#include "x_input.h"
#include "x_session.h"

#include <optional>
#include <string>
#include <vector>

namespace monkey {

// Picks and performs one random action on the program's windows: mostly on the
// window on top (the one that takes input), sometimes on any of them, now and
// then what a window manager would do. A window other than the main one that
// stays on top too long is answered with Esc, then closed, so the monkey moves on.
class MonkeyHands {
  public:
    MonkeyHands(XSession& session, XInput& input, SeededRandom& random, std::vector<Spot> spots);

    // Forget the last run's windows: the first window of the new run is its main one.
    void newRun();
    // One action; returns what it did, for the failure report.
    std::string act(const std::vector<ProgramWindow>& windows);

  private:
    struct Point {
        int x;
        int y;
    };
    Point pointIn(const ProgramWindow& window);
    Point anywhere();
    std::string describe(const ProgramWindow& window) const;

    std::string click(const ProgramWindow& window, unsigned int button, int times);
    std::string drag(const ProgramWindow& window);
    std::string wheel(const ProgramWindow& window);
    std::string hover(const ProgramWindow& window);
    std::string pressKey(const ProgramWindow& window);
    std::string typeText(const ProgramWindow& window);
    std::optional<std::string> clickSpot(const std::vector<ProgramWindow>& windows);
    std::string answer(const ProgramWindow& window);
    std::string actAsWindowManager(const std::vector<ProgramWindow>& windows);
    std::string unstick(const ProgramWindow& top);

    XSession& session_;
    XInput& input_;
    SeededRandom& random_;
    std::vector<Spot> spots_;
    Window main_ = 0;
    Window lastTop_ = 0;
    int turnsOnTop_ = 0;
};

}  // namespace monkey
