#pragma once

#include <QImage>

namespace chromadeck {

// The picture as 8-bit palette indices (QImage::Format_Indexed8) with at most 256
// colours, for formats that hold no more. A picture of 256 colours or fewer keeps them
// exactly: screen captures and drawings with flat colours must come out unchanged.
// Otherwise the palette is cut from the picture's own colours (median cut, refined by a
// few rounds of nearest-colour averaging); no dithering. Transparency is dropped.
// A null picture gives a null picture.
QImage ReducePalette(const QImage& picture);

}  // namespace chromadeck
