// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace chromadeck::platform {

struct LoadedPicture {
    QImage image;   // null for the empty picture or on failure
    QString error;  // empty on success; otherwise the reason, for the user
    bool ok() const { return error.isEmpty(); }
};

// Reads BMP, JPEG, GIF, ICO, PNG and whatever else Qt's readers know. An empty path is
// the empty picture, not an error. The image comes back as Format_RGB32.
LoadedPicture LoadPicture(const QString& path);

// Writes a 24-bit Windows bitmap under exactly this name, through a temporary file so
// that a failure leaves no partial file and keeps an existing one. Returns the reason
// on failure, an empty string on success.
QString SavePictureBmp(const QImage& image, const QString& path);

}  // namespace chromadeck::platform
