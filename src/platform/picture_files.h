// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace chromadeck::platform {

class CommonDialog;
class MessageBox;

// What every window does to open a picture file: the open dialog, then the file read. A
// cancel, an empty name or a file that cannot be read gives nothing; the last also tells
// the user which file and why, under `title`.
std::optional<QImage> OpenPictureFile(CommonDialog& dialog, MessageBox& messages, QWidget* parent,
                                      const QString& title);

// Tells the user, under `title`, that a picture of `size` that was read could not be
// shown for lack of memory; what was shown before stays.
void TellPictureCannotBeShown(MessageBox& messages, QWidget* parent, const QString& title,
                              QSize size);

// The save dialog with the bitmap filter, then the picture written as a 24-bit BMP under
// exactly the chosen name. A cancel writes nothing; a failed write tells the user why.
// True when the file was written.
bool SavePictureBmpFile(CommonDialog& dialog, MessageBox& messages, QWidget* parent,
                        const QString& title, const QImage& picture);

}  // namespace chromadeck::platform
