// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/numeric.h"
#include "platform/message_box.h"
#include "platform/screen.h"

#include <QImage>
#include <QString>

class QWidget;

namespace chromadeck {

// Saves a picture under exactly `fileName` (no extension is added; an existing file is
// replaced) in the format `fileType` names, whatever the case: "jpg"/"jpeg" (with
// `jpegQuality`, 0..100), "png", "gif", "tiff"/"tif" and "bmp" (a 24-bit Windows bitmap,
// whatever the name's extension).
//
// TIFF is always 8 bits x 3 samples, whatever `tiffColorDepth` asks (the program asks
// for 24); `tiffCompression` 2 is LZW, any other value (6 among them) no compression.
// GIF keeps the picture's colours exactly when it has 256 or fewer, else a palette of
// 256 cut from them. Transparency is never saved: the file holds what the canvas shows.
//
// Every format goes through a temporary file, so a failure leaves no partial file and
// an existing file of that name untouched. The screen-wide pointer is the hourglass
// while it works and the default again however it ends, before any message shows.
//
// A fault ends the call with a message box to `parent` and nothing written:
//   9   the type is empty or not one of the above (checked first),
//   481 the picture is null,
//   75  the file cannot be written (missing folder, no permission, disk full, a picture
//       the format cannot hold); the description is the reason from the system.
// Returns whether the file was written; callers that only need the message may ignore it.
bool SaveImageFile(const QImage& picture, const QString& fileName, const QString& fileType,
                   Long jpegQuality, Long tiffColorDepth, Long tiffCompression,
                   platform::MessageBox& messages, platform::Screen& screen,
                   QWidget* parent = nullptr);

}  // namespace chromadeck
