// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace chromadeck::platform {

struct FileBytes {
    QByteArray bytes;
    QString error;  // empty on success; otherwise the reason, for the user
    bool ok() const { return error.isEmpty(); }
};

// The whole content of a regular file of at most `limit` bytes. A folder, named pipe,
// socket or device is refused before anything is read: a pipe would block the program
// until some other program wrote to it, and a device may never end. The reasons come
// from the system ("Permission denied", "No such file or directory").
FileBytes ReadRegularFile(const QString& path, qint64 limit);

// Makes `bytes` the whole content of the file `path`, through a temporary file beside it
// that replaces the old one only once every byte is on the disk: a failure (a full disk,
// no permission, a missing folder) leaves no partial file and an existing file byte for
// byte as it was. A name that belongs to a folder, pipe, device or socket is refused.
// Returns the reason on failure, an empty string on success.
QString ReplaceFileContents(const QString& path, const QByteArray& bytes);

}  // namespace chromadeck::platform
