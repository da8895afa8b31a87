// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_place.h"

#include <algorithm>

namespace chromadeck::platform {

WindowPlace CentredWindowPlace(QSize clientSize, QMargins frame, QRect available) {
    const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(1, 1));
    const QSize client = clientSize.boundedTo(room);
    const QSize outer = client.grownBy(frame);
    const QPoint centred = available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                                        (available.height() - outer.height()) / 2);
    return {QPoint(std::max(centred.x(), available.left()), std::max(centred.y(), available.top())),
            client};
}

}  // namespace chromadeck::platform
