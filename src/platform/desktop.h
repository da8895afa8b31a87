// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace chromadeck::platform {

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Asks the desktop to open the address; false when it could not.
    virtual bool openUrl(const QUrl& url) = 0;
};

}  // namespace chromadeck::platform
