// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clipboard.h"
#include "desktop.h"
#include "dialog_backend.h"
#include "message_box.h"
#include "screen.h"

namespace chromadeck::platform {

// Everything a window needs from the desktop, handed to it at construction; the real
// set talks to Qt, the scripted set (tests) answers from a script and records.
struct Services {
    DialogBackend& dialogs;
    MessageBox& messages;
    Screen& screen;
    Desktop& desktop;
    Clipboard& clipboard;
};

}  // namespace chromadeck::platform
