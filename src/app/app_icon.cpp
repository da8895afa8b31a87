#include "app_icon.h"

#include "canvas/raster/pen_shapes.h"
#include "canvas/rgb_color.h"

#include <QPixmap>
#include <array>

namespace chromadeck::app {

QImage appIconImage() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const raster::ClipRect clip = raster::ClipRect::of(image);
    // Innermost first, each ring laid over the outer edge of the one before, as a press
    // on the canvas lays them down.
    constexpr std::array<RgbColor, 4> colours{RGB(220, 30, 120), RGB(240, 190, 20),
                                              RGB(30, 170, 90), RGB(40, 70, 200)};
    constexpr std::array<double, 4> radii{2.5, 6.0, 9.5, 13.0};
    for (std::size_t i = 0; i < radii.size(); ++i) {
        raster::ellipseOutlineSpans(16, 16, radii[i], radii[i], 5, clip,
                                    raster::SpanWriter(image, colours[i].toQRgb()));
    }
    return image;
}

QIcon appIcon() {
    return QIcon(QPixmap::fromImage(appIconImage()));
}

}  // namespace chromadeck::app
