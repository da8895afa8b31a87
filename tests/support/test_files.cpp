// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_files.h"

#include <QFile>

namespace chromadeck::testing {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace chromadeck::testing
