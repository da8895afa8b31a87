// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/interface_language.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace chromadeck::app {

// What the command line asks for. Parsed before any window exists (under a plain
// QCoreApplication), so that --help and --version work without a display. The window
// system's own options (-platform, -display and the like) are left to QApplication.
struct CommandLine {
    enum class Action {
        OpenWindow,  // no options: the main window, as always
        Capture,     // --capture: the capture window alone
        Print,       // --help or --version: print `text` on standard output, exit 0
        Refuse,      // a bad option or value: print `text` on standard error, exit 2
    };
    Action action = Action::OpenWindow;
    int delaySeconds = 0;  // for Capture: how long to wait before the screen is grabbed
    // --lang: the windows' language whatever the locale says; nothing to follow the locale.
    std::optional<InterfaceLanguage> language;
    QString text;
};

inline constexpr int kLongestDelaySeconds = 60;

CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace chromadeck::app
