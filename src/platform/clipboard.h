#pragma once

#include <QImage>

// The system clipboard, as far as pictures go.
namespace chromadeck::platform {

// Replaces whatever the clipboard holds with the picture.
void ClipboardSetImage(const QImage& picture);
// The clipboard's picture; a null image when it holds none.
QImage ClipboardImage();
// Empties the clipboard.
void ClipboardClear();

}  // namespace chromadeck::platform
