// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

namespace chromadeck::app {

// `chromadeck --capture`: the capture window alone, after `delaySeconds`, so that the
// grab holds the desktop as the user sees it. Afterwards the program stays, windowless,
// only while a copy it made is on the clipboard, so that it can still be pasted. Returns
// the exit status: 1 when a capture window of this program is already open.
int RunCaptureOnly(platform::Services services, int delaySeconds);

}  // namespace chromadeck::app
