// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace chromadeck::platform {

// The system clipboard, as far as pictures go.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces whatever the clipboard holds with the picture.
    virtual void setImage(const QImage& picture) = 0;
    // The clipboard's picture; a null image when it holds none.
    virtual QImage image() const = 0;
    // Empties the clipboard.
    virtual void clear() = 0;
};

}  // namespace chromadeck::platform
