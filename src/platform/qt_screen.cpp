#include "qt_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace chromadeck::platform {

namespace {

// The capture works in logical pixels, so that picture and cursor coordinates agree. A
// null image here is memory refused, which the caller says as such.
QImage inLogicalPixels(QImage image, QSize logical) {
    if (image.size() != logical && !logical.isEmpty())
        image = image.scaled(logical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

std::optional<QImage> grabX(QScreen& screen) {
    const QPixmap pixels = screen.grabWindow(0);
    if (pixels.isNull()) return std::nullopt;
    return inLogicalPixels(pixels.toImage(), screen.geometry().size());
}

// The portal pictures the whole desktop at its own scale; the primary screen's part of it
// is cut out where the picture has the desktop's proportions.
QImage primaryPart(const QImage& desktop, const QScreen& screen) {
    const QRect all = screen.virtualGeometry();
    const QRect primary = screen.geometry().translated(-all.topLeft());
    if (all.isEmpty() || primary == QRect(QPoint(), all.size())) return desktop;
    const qreal sx = desktop.width() / qreal(all.width());
    const qreal sy = desktop.height() / qreal(all.height());
    if (qAbs(sx - sy) > 0.01) return desktop;
    return desktop.copy(
        QRectF(primary.x() * sx, primary.y() * sy, primary.width() * sx, primary.height() * sy)
            .toAlignedRect());
}

// XWayland hands X clients black where it has nothing to show them.
bool allBlack(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (qRed(row[x]) | qGreen(row[x]) | qBlue(row[x])) return false;
    }
    return true;
}

}  // namespace

QSize QtScreen::sizePixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QRect QtScreen::availableGeometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

std::optional<QImage> QtScreen::grab() {
    refusal_.clear();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    if (route_.session == DesktopSession::X11) return grabX(*screen);
    return grabWayland(*screen);
}

std::optional<QImage> QtScreen::grabWayland(QScreen& screen) {
    const PortalShot shot = PortalScreenshot(route_.portalBus, route_.portalAnswerTime).take();
    std::optional<QImage> picture = shot.picture;
    if (picture && !picture->isNull())
        picture = inLogicalPixels(primaryPart(*picture, screen), screen.geometry().size());
    // Without a portal an XWayland grab may still see the desktop (a rootful XWayland).
    const bool fromPortal = picture.has_value();
    if (!picture && QGuiApplication::platformName() == QLatin1String("xcb"))
        picture = grabX(screen);

    if (picture && !picture->isNull() && allBlack(*picture)) {
        // A black picture would look like a capture of a dark screen; refuse it instead.
        refusal_ = fromPortal ? QStringLiteral("桌面只给出了一张全黑的画面。") : shot.reason();
        return std::nullopt;
    }
    if (!picture) refusal_ = shot.reason();
    return picture;
}

QPoint QtScreen::cursorPos() const {
    return QCursor::pos();
}

}  // namespace chromadeck::platform
