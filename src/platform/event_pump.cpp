// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_pump.h"

#include <QCoreApplication>

namespace chromadeck::platform {

void PumpEvents() {
    QCoreApplication::processEvents();
}

}  // namespace chromadeck::platform
