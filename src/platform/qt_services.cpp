// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_services.h"

namespace chromadeck::platform {

Services QtServices::services() {
    return Services{dialogs_, messages_, screen_, desktop_, clipboard_};
}

}  // namespace chromadeck::platform
