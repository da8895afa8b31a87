#include "qt_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace chromadeck::platform {

QSize QtScreen::sizePixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

std::optional<QImage> QtScreen::grab() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return std::nullopt;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;

    const QPixmap pixels = screen->grabWindow(0);
    if (pixels.isNull()) return std::nullopt;

    QImage image = pixels.toImage();
    const QSize logical = screen->geometry().size();
    if (image.size() != logical && !logical.isEmpty()) {
        image = image.scaled(logical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // A null image here is memory refused, which the caller says as such.
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

QPoint QtScreen::cursorPos() const {
    return QCursor::pos();
}

}  // namespace chromadeck::platform
