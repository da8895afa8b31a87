// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture_only.h"

#include "capture/capture_form.h"
#include "platform/picture_memory.h"
#include "platform/qt_clipboard.h"
#include "platform/single_instance.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace chromadeck::app {

namespace {

void waitSeconds(int seconds) {
    if (seconds <= 0) return;
    QEventLoop waiting;
    QTimer::singleShot(seconds * 1000, &waiting, &QEventLoop::quit);
    waiting.exec();
}

}  // namespace

int RunCaptureOnly(platform::Services services, int delaySeconds) {
    {
        // A second press of the Print key while a capture is open opens no second one.
        const platform::SingleInstance oneCapture(QStringLiteral("chromadeck-capture"));
        if (!oneCapture.held()) {
            std::fputs("chromadeck: a screen capture is already open\n", stderr);
            return 1;
        }
        waitSeconds(delaySeconds);
        CaptureForm capture(nullptr, services);
        capture.Run();
    }
    platform::GiveFreedMemoryBack();
    if (platform::ServesClipboard()) platform::ServeClipboardUntilTakenOver();
    return 0;
}

}  // namespace chromadeck::app
