// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop.h"

namespace chromadeck::platform {

// Hands addresses to the desktop's browser, mail program or file manager.
class QtDesktop : public Desktop {
  public:
    bool openUrl(const QUrl& url) override;
};

}  // namespace chromadeck::platform
