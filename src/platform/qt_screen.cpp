// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_screen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace chromadeck::platform {

namespace {

// The capture keeps the screen's own pixels, `ratio` of them to a logical pixel each way,
// so that a dense screen's copy is as sharp as the screen. A null image here is memory
// refused, which the caller says as such.
QImage atDevicePixels(QImage image, qreal ratio) {
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    image.setDevicePixelRatio(ratio);
    return image;
}

std::optional<QImage> grabX(QScreen& screen) {
    // A grab of the whole display counts from the screen's own corner under xcb, but from
    // the virtual desktop's on Qt's headless platform; either way it runs to the screen's
    // far edges.
    const bool fromDesktop = QGuiApplication::platformName() == QLatin1String("offscreen");
    const QPoint from = fromDesktop ? screen.geometry().topLeft() : QPoint();
    const QPixmap pixels = screen.grabWindow(0, from.x(), from.y());
    if (pixels.isNull()) return std::nullopt;
    return atDevicePixels(pixels.toImage(), screen.devicePixelRatio());
}

// The portal pictures the whole desktop at its own pixels; the primary screen's part of
// it is cut out, at those pixels, where the picture has the desktop's proportions.
QImage primaryPart(const QImage& desktop, const QScreen& screen) {
    const QRect all = screen.virtualGeometry();
    if (all.isEmpty()) return atDevicePixels(desktop, screen.devicePixelRatio());
    const QRect primary = screen.geometry().translated(-all.topLeft());
    const qreal sx = desktop.width() / qreal(all.width());
    const qreal sy = desktop.height() / qreal(all.height());
    if (qAbs(sx - sy) > 0.01) {
        // A picture of some other shape can only be stretched over the screen.
        const qreal ratio = screen.devicePixelRatio();
        const QSize device = (QSizeF(primary.size()) * ratio).toSize();
        return atDevicePixels(
            desktop.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), ratio);
    }
    if (primary == QRect(QPoint(), all.size())) return atDevicePixels(desktop, sx);
    return atDevicePixels(desktop.copy(QRectF(primary.x() * sx, primary.y() * sy,
                                              primary.width() * sx, primary.height() * sy)
                                           .toAlignedRect()),
                          sx);
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

QRect QtScreen::geometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
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
    if (picture && !picture->isNull()) picture = primaryPart(*picture, screen);
    // Without a portal an XWayland grab may still see the desktop (a rootful XWayland).
    const bool fromPortal = picture.has_value();
    if (!picture && QGuiApplication::platformName() == QLatin1String("xcb"))
        picture = grabX(screen);

    if (picture && !picture->isNull() && allBlack(*picture)) {
        // A black picture would look like a capture of a dark screen; refuse it instead.
        refusal_ = fromPortal
                       ? QCoreApplication::translate("Screen", "桌面只给出了一张全黑的画面。")
                       : shot.reason();
        return std::nullopt;
    }
    if (!picture) refusal_ = shot.reason();
    return picture;
}

QPoint QtScreen::cursorPos() const {
    return QCursor::pos();
}

}  // namespace chromadeck::platform
