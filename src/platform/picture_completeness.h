// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace chromadeck::platform {

// Qt's JPEG, GIF and bitmap readers show a file that ends early as a picture whose
// missing part is grey or black, without a word. This looks at the file's own structure
// for the end of its picture data. Returns why the file is incomplete, or an empty string
// when its picture data is all there (or the format is none of those three).
QString MissingPictureData(const QByteArray& file, const QByteArray& format);

}  // namespace chromadeck::platform
