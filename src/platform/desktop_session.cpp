// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_session.h"

#include <QtGlobal>

namespace chromadeck::platform {

DesktopSession SessionFrom(const QString& waylandDisplay, const QString& sessionType) {
    if (!waylandDisplay.isEmpty()) return DesktopSession::Wayland;
    if (sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return DesktopSession::Wayland;
    return DesktopSession::X11;
}

DesktopSession CurrentDesktopSession() {
    return SessionFrom(qEnvironmentVariable("WAYLAND_DISPLAY"),
                       qEnvironmentVariable("XDG_SESSION_TYPE"));
}

}  // namespace chromadeck::platform
