#include "canvas.h"

#include "mouse_codes.h"
#include "numeric.h"
#include "platform/cursors.h"
#include "platform/screen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace chromadeck {

namespace {
constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;
}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    // A picture box starts in the system's button colours, like any other control.
    const QPalette palette = QApplication::palette();
    backColor_ = RgbColor::fromQColor(palette.color(QPalette::Button));
    foreColor_ = RgbColor::fromQColor(palette.color(QPalette::ButtonText));
    unitW_ = unitH_ = 1;  // twips
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    ensureStoreCovers(drawingSize());
}

Canvas::~Canvas() = default;

// ---- attributes

void Canvas::setAutoRedraw(bool on) {
    autoRedraw_ = on;
}

void Canvas::setAutoSize(bool on) {
    autoSize_ = on;
    if (on && !picture_.isNull()) resize(picture_.size() + QSize(2, 2) * borderWidth());
}

void Canvas::setBorderStyle(int style) {
    borderStyle_ = style == 1 ? 1 : 0;
    ensureStoreCovers(drawingSize());
    update();
}

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (autoSize_ && !picture_.isNull()) resize(picture_.size() + QSize(2, 2) * borderWidth());
    rebuild();
}

void Canvas::setBackColor(RgbColor colour) {
    backColor_ = colour;
    rebuild();
}

void Canvas::setMousePointer(platform::CursorCode code) {
    mousePointer_ = code;
    platform::applyMousePointer(this, code);
}

// ---- coordinate system

void Canvas::setScaleMode(int mode) {
    if (mode == kPixels) {
        scaleMode_ = kPixels;
        scaleLeft_ = scaleTop_ = 0;
        unitW_ = unitH_ = kTwipsPerPixel;
    } else if (mode == kTwips) {
        scaleMode_ = kTwips;
        scaleLeft_ = scaleTop_ = 0;
        unitW_ = unitH_ = 1;
    } else {
        scaleMode_ = kUser;  // keeps the unit sizes and origin: nothing visible changes
    }
}

void Canvas::Scale(float x1, float y1, float x2, float y2) {
    const QSize area = drawingSize();
    if (x2 == x1 || y2 == y1 || area.isEmpty()) return;
    scaleMode_ = kUser;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    unitW_ = area.width() * kTwipsPerPixel / (double(x2) - x1);
    unitH_ = area.height() * kTwipsPerPixel / (double(y2) - y1);
}

void Canvas::setUnitSize(double unitWidthTwips, double unitHeightTwips) {
    scaleMode_ = kUser;
    scaleLeft_ = scaleTop_ = 0;
    unitW_ = unitWidthTwips;
    unitH_ = unitHeightTwips;
}

float Canvas::ScaleWidth() const {
    return static_cast<float>(drawingSize().width() * kTwipsPerPixel / unitW_);
}
float Canvas::ScaleHeight() const {
    return static_cast<float>(drawingSize().height() * kTwipsPerPixel / unitH_);
}

QSize Canvas::drawingSize() const {
    const int b = 2 * borderWidth();
    return QSize(std::max(0, width() - b), std::max(0, height() - b));
}

double Canvas::pixelXf(double x) const {
    return (x - scaleLeft_) * unitW_ / kTwipsPerPixel;
}
double Canvas::pixelYf(double y) const {
    return (y - scaleTop_) * unitH_ / kTwipsPerPixel;
}

namespace {
int clampedRound(double v) {
    // Far-away coordinates only need to stay far away; keep them inside int.
    return static_cast<int>(roundHalfEven(std::clamp(v, -1.0e9, 1.0e9)));
}
}  // namespace

int Canvas::pixelX(double x) const {
    return clampedRound(pixelXf(x));
}
int Canvas::pixelY(double y) const {
    return clampedRound(pixelYf(y));
}
double Canvas::unitsToPixelsX(double length) const {
    return length * unitW_ / kTwipsPerPixel;
}
double Canvas::unitsToPixelsY(double length) const {
    return length * unitH_ / kTwipsPerPixel;
}
double Canvas::pixelsToUnitsX(double pixels) const {
    return pixels * kTwipsPerPixel / unitW_;
}
double Canvas::pixelsToUnitsY(double pixels) const {
    return pixels * kTwipsPerPixel / unitH_;
}

double Canvas::ScaleX(double value, int fromMode, int toMode) {
    const auto twipsPer = [](int mode) {
        switch (mode) {
            case kPixels:
                return kTwipsPerPixel;
            case kHimetric:
                return 1440.0 / 2540.0;
            default:
                return 1.0;  // twips
        }
    };
    return value * twipsPer(fromMode) / twipsPer(toMode);
}

// ---- persistent image

void Canvas::paintBackground(QImage& image) const {
    image.fill(backColor_.toQRgb());
    if (!picture_.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, picture_);
    }
}

void Canvas::ensureStoreCovers(QSize area) const {
    const QSize need(std::max({1, area.width(), store_.width()}),
                     std::max({1, area.height(), store_.height()}));
    if (store_.size() == need) return;
    QImage grown(need, QImage::Format_RGB32);
    paintBackground(grown);
    if (!store_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, store_);
    }
    store_ = std::move(grown);
    if (!screenLayer_.isNull()) {
        QImage layer(need, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter painter(&layer);
        painter.drawImage(0, 0, screenLayer_);
        painter.end();
        screenLayer_ = std::move(layer);
    }
}

void Canvas::rebuild() {
    ensureStoreCovers(drawingSize());
    paintBackground(store_);
    clearScreenLayer();
    markDrawn();
}

void Canvas::clearScreenLayer() {
    if (screenLayerUsed_) {
        screenLayer_.fill(Qt::transparent);
        screenLayerUsed_ = false;
    }
}

const QImage& Canvas::store() const {
    ensureStoreCovers(drawingSize());
    return store_;
}

QImage& Canvas::drawingTarget() {
    ensureStoreCovers(drawingSize());
    if (autoRedraw_) return store_;
    if (screenLayer_.size() != store_.size()) {
        screenLayer_ = QImage(store_.size(), QImage::Format_ARGB32_Premultiplied);
        screenLayer_.fill(Qt::transparent);
    }
    screenLayerUsed_ = true;
    return screenLayer_;
}

void Canvas::markDrawn() {
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

QImage Canvas::Image() const {
    const QSize area = drawingSize();
    return store().copy(0, 0, std::max(1, area.width()), std::max(1, area.height()));
}

void Canvas::Cls() {
    ensureStoreCovers(drawingSize());
    if (autoRedraw_) {
        paintBackground(store_);
    }
    // Screen-only drawing goes in any case; persistent drawing only with AutoRedraw on.
    clearScreenLayer();
    currentX_ = currentY_ = 0;
    markDrawn();
}

void Canvas::Refresh() {
    clearScreenLayer();
    updatePending_ = false;
    repaint();
}

// ---- widget

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureStoreCovers(drawingSize());
}

void Canvas::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    QPainter painter(this);
    const int b = borderWidth();
    const QSize area = drawingSize();
    ensureStoreCovers(area);
    const QRect inner(b, b, area.width(), area.height());
    painter.fillRect(rect(), backColor_.toQColor());
    painter.drawImage(inner.topLeft(), store_, QRect(QPoint(0, 0), area));
    if (screenLayerUsed_)
        painter.drawImage(inner.topLeft(), screenLayer_, QRect(QPoint(0, 0), area));
    if (b > 0) {
        // The sunken 3-D edge of a fixed single border.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QColor(160, 160, 160));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(105, 105, 105));
        painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(QColor(227, 227, 227));
        painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }
}

QPointF Canvas::eventUnits(const QMouseEvent* event) const {
    // Whole pixels of the drawing area, as the window system reports pointer positions.
    const QPoint p = event->position().toPoint() - QPoint(borderWidth(), borderWidth());
    return QPointF(pixelsToUnitsX(p.x()) + scaleLeft_, pixelsToUnitsY(p.y()) + scaleTop_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    const QPointF u = eventUnits(event);
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(u.x()),
                   float(u.y()));
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF u = eventUnits(event);
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(u.x()),
                   float(u.y()));
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF u = eventUnits(event);
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(u.x()),
                 float(u.y()));
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DblClick();
    // A double click is also a press, as far as the drawing handlers are concerned.
    mousePressEvent(event);
}

}  // namespace chromadeck
