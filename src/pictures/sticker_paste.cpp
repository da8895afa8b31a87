// SPDX-License-Identifier: GPL-3.0-or-later
#include "sticker_paste.h"

#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"

namespace chromadeck {

QSize StickerSize(const QImage& picture) {
    if (picture.isNull()) return QSize(0, 0);
    // Pictures keep their size in HIMETRIC as whole numbers; one screen pixel is 1/96 in.
    const auto himetric = [](int pixels) {
        return roundHalfEven(
            DrawingSurface::ScaleX(pixels, DrawingSurface::kPixels, DrawingSurface::kHimetric));
    };
    const auto pixels = [](double himetricValue) {
        return toLong(DrawingSurface::ScaleX(himetricValue, DrawingSurface::kHimetric,
                                             DrawingSurface::kPixels))
            .value_or(0);
    };
    return QSize(pixels(himetric(picture.width())), pixels(himetric(picture.height())));
}

bool PasteSticker(DrawingSurface& canvas, const DrawingSurface& sticker,
                  std::optional<RgbColor> mask, float X, float Y) {
    const QSize size = StickerSize(sticker.Picture());
    if (size.isEmpty()) return false;  // an empty sticker pastes nothing
    // The press point in canvas units, taken as pixels at seven tenths: close to where
    // the pointer is on the main canvas.
    const auto xd = toLong(double(X) - double(X) * 0.3);
    const auto yd = toLong(double(Y) - double(Y) * 0.3);
    if (!xd || !yd) return false;
    const QImage source = sticker.Image();
    if (mask) {
        canvas.TransparentBlt(*xd, *yd, size.width(), size.height(), source, 0, 0, size.width(),
                              size.height(), *mask);
    } else {
        canvas.BitBlt(*xd, *yd, size.width(), size.height(), source, 0, 0);
    }
    return true;
}

}  // namespace chromadeck
