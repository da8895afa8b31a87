// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace chromadeck::platform {

// Runs every pending window event (paints, clicks, key presses) and returns.
void PumpEvents();

}  // namespace chromadeck::platform
