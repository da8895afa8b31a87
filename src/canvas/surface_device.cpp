// SPDX-License-Identifier: GPL-3.0-or-later
// Device-pixel operations and text: what a picture box offers through its device context.
#include "drawing_surface.h"

#include "raster/pixel_ops.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace chromadeck {

RgbColor DrawingSurface::GetPixel(int x, int y) const {
    const QImage& image = persistentImage();
    const QSize area = drawableSize(image);
    if (x < 0 || y < 0 || x >= area.width() || y >= area.height()) return kNoPixel;
    return RgbColor::fromQRgb(image.pixel(x, y));
}

void DrawingSurface::BitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy) {
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    // Clip to the drawing area, not to the larger store behind it.
    const int cw = std::min(w, area.width() - x), ch = std::min(h, area.height() - y);
    const QImage src =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    raster::copyRect(target, x, y, cw, ch, src, sx, sy);
    markDrawn(QRect(x, y, cw, ch));
}

void DrawingSurface::TransparentBlt(int x, int y, int w, int h, const QImage& source, int sx,
                                    int sy, int sw, int sh, RgbColor mask) {
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const QImage src =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    // Clip on a view of the drawing area so that nothing lands in the hidden store.
    QImage view(target.bits(), area.width(), area.height(), target.bytesPerLine(), target.format());
    raster::transparentCopy(view, x, y, w, h, src, sx, sy, sw, sh, mask.toQRgb());
    markDrawn(QRect(x, y, w, h));
}

long long DrawingSurface::ExtFloodFill(int x, int y, RgbColor colour) {
    if (fillStyle_ != 0) return 0;  // a transparent brush paints nothing
    QImage& target = drawingTarget();
    const QSize area = drawableSize(target);
    const long long painted =
        raster::floodFillSurface(target, x, y, colour.toQRgb(), fillColor_.toQRgb(),
                                 raster::ClipRect::of(area.width(), area.height()));
    if (painted > 0) markDrawn();
    return painted;
}

std::optional<LogicalFont> DrawingSurface::SelectFont(const LogicalFont& font) {
    auto previous = selectedFont_;
    selectedFont_ = font;
    return previous;
}

void DrawingSurface::RestoreFont(const std::optional<LogicalFont>& previous) {
    selectedFont_ = previous;
}

QFont DrawingSurface::printFont() const {
    if (selectedFont_) return selectedFont_->toQFont();
    return canvasFont(fontName_, fontSize_, fontBold_, fontItalic_);
}

void DrawingSurface::Print(const QString& text) {
    const QFont font = printFont();
    const QFontMetricsF metrics(font);
    const double angle = selectedFont_ ? selectedFont_->angleDegrees() : 0.0;
    const QStringList lines =
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    const double x = pixelXf(currentX_), y = pixelYf(currentY_);
    QRect drawn;
    {
        QImage& target = drawingTarget();
        QPainter painter(&target);
        painter.setClipRect(QRect(QPoint(0, 0), drawableSize(target)));
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font);
        painter.setPen(foreColor_.toQColor());
        // The text turns about the top-left corner of its cell, counter-clockwise.
        painter.translate(x, y);
        painter.rotate(-angle);
        double baseline = metrics.ascent();
        QRectF cells;
        for (const QString& line : lines) {
            painter.drawText(QPointF(0, baseline), line);
            cells |= QRectF(0, baseline - metrics.ascent(), metrics.horizontalAdvance(line),
                            metrics.height());
            baseline += metrics.height();
        }
        // Glyphs may lean or reach out of their cells (italics, accents, smoothing): a
        // line's height around the cells takes them in.
        const int reach = int(std::ceil(metrics.height())) + 2;
        drawn = painter.transform().mapRect(cells).toAlignedRect().adjusted(-reach, -reach, reach,
                                                                            reach);
    }
    currentX_ = ScaleLeft();
    currentY_ = static_cast<float>(currentY_ + pixelsToUnitsY(metrics.height() * lines.size()));
    markDrawn(drawn);
}

float DrawingSurface::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(printFont());
    double widest = 0;
    for (const QString& line : QString(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return static_cast<float>(pixelsToUnitsX(widest));
}

}  // namespace chromadeck
