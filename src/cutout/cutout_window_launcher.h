// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form11.h"
#include "platform/services.h"

#include <QPointer>

namespace chromadeck {

class ClickableLabel;
class RandomSource;

// The main window's "抠图" button: shows the cut-out window beside the main window, one
// at a time. While it is open, another press brings that same window forward with its
// drawing intact; once closed it is gone, and the next press starts a fresh one.
class CutoutWindowLauncher {
  public:
    CutoutWindowLauncher(QWidget* mainWindow, platform::Services services, RandomSource& random,
                         ClickableLabel* mainMaskSwatch);

    void Command9_Click();

    // The open cut-out window, or null when none is open.
    Form11* window() const;

  private:
    QWidget* mainWindow_;
    platform::Services services_;
    RandomSource& random_;
    ClickableLabel* mainMaskSwatch_;
    QPointer<Form11> form_;
};

}  // namespace chromadeck
