// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace chromadeck::platform {

// The kind of desktop the program runs in, which decides how the screen can be read.
enum class DesktopSession { X11, Wayland };

// A Wayland session whenever the compositor announces one, whether Qt draws natively or
// through XWayland: under XWayland an X grab only sees X windows and gives black elsewhere.
DesktopSession SessionFrom(const QString& waylandDisplay, const QString& sessionType);

// The session of the running program, from its environment.
DesktopSession CurrentDesktopSession();

}  // namespace chromadeck::platform
