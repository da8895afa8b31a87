// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole files in and out, for tests that check the bytes the program wrote or feed it
// bytes of their own.
#include <QByteArray>
#include <QString>

namespace chromadeck::testing {

// The file's bytes, or none when it cannot be opened.
QByteArray readAll(const QString& path);

// Whether every byte was written.
bool writeAll(const QString& path, const QByteArray& bytes);

}  // namespace chromadeck::testing
