// SPDX-License-Identifier: GPL-3.0-or-later
// "截屏": a capture run in its own full-screen window, over everything on the screen,
// this window included.
#include "capture/capture_form.h"
#include "form1.h"
#include "platform/picture_memory.h"

namespace chromadeck {

void Form1::mnuCapture_Click() {
    {
        // A fresh window each time: nothing of a run outlives it but the clipboard and files.
        CaptureForm capture(this, services_);
        capture.Run();
    }
    // The run's screenfuls are gone; their memory goes back to the system, not to a heap
    // the rest of the program would never fill again.
    platform::GiveFreedMemoryBack();
}

}  // namespace chromadeck
