// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace chromadeck {

// Encodes the picture as a single-frame GIF on the device, with the palette that
// ReducePalette works out (the picture's own colours when it has 256 or fewer).
// Returns the reason on failure, an empty string on success; on failure the device may
// hold part of a file, so callers write to a temporary one.
QString WriteGif(const QImage& picture, QIODevice& device);

}  // namespace chromadeck
