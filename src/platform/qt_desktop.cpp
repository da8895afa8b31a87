// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_desktop.h"

#include <QDesktopServices>

namespace chromadeck::platform {

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace chromadeck::platform
