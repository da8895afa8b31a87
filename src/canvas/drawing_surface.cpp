// SPDX-License-Identifier: GPL-3.0-or-later
// The surface's coordinate system and its two images: the persistent one and the
// screen-only layer.
#include "drawing_surface.h"

#include "numeric.h"
#include "platform/picture_memory.h"
#include "platform/screen.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

namespace chromadeck {

namespace {
constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

int clampedRound(double v) {
    // Far-away coordinates only need to stay far away; keep them inside int.
    return static_cast<int>(roundHalfEven(std::clamp(v, -1.0e9, 1.0e9)));
}
}  // namespace

DrawingSurface::DrawingSurface(QSize area) : ownArea_(area) {
    ensureStoreCovers(drawingSize());
}

void DrawingSurface::attach(SurfaceHost* host) {
    host_ = host;
    ensureStoreCovers(drawingSize());
}

void DrawingSurface::setDrawingSize(QSize area) {
    ownArea_ = area;
    ensureStoreCovers(drawingSize());
    markDrawn();
}

// ---- attributes

bool DrawingSurface::setPicture(const QImage& picture) {
    QImage pixels;
    if (!picture.isNull()) {
        pixels = picture.convertToFormat(QImage::Format_RGB32);
        if (pixels.isNull()) return false;
    }
    // The new image is made before the old one goes, so that a failure changes nothing.
    QImage fresh = platform::NewPicture(storeSizeFor(drawingSize()), QImage::Format_RGB32);
    if (fresh.isNull()) return false;
    picture_ = std::move(pixels);
    replaceStore(std::move(fresh));
    return true;
}

void DrawingSurface::setBackColor(RgbColor colour) {
    backColor_ = colour;
    rebuild();
}

// ---- coordinate system

void DrawingSurface::setScaleMode(int mode) {
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

void DrawingSurface::Scale(float x1, float y1, float x2, float y2) {
    const QSize area = drawingSize();
    if (x2 == x1 || y2 == y1 || area.isEmpty()) return;
    scaleMode_ = kUser;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    unitW_ = area.width() * kTwipsPerPixel / (double(x2) - x1);
    unitH_ = area.height() * kTwipsPerPixel / (double(y2) - y1);
}

void DrawingSurface::setUnitSize(double unitWidthTwips, double unitHeightTwips, double left,
                                 double top) {
    scaleMode_ = kUser;
    scaleLeft_ = left;
    scaleTop_ = top;
    unitW_ = unitWidthTwips;
    unitH_ = unitHeightTwips;
}

float DrawingSurface::ScaleWidth() const {
    return static_cast<float>(drawingSize().width() * kTwipsPerPixel / unitW_);
}
float DrawingSurface::ScaleHeight() const {
    return static_cast<float>(drawingSize().height() * kTwipsPerPixel / unitH_);
}

QSize DrawingSurface::drawingSize() const {
    const QSize area = host_ ? host_->drawingArea() : ownArea_;
    return QSize(std::max(0, area.width()), std::max(0, area.height()));
}

double DrawingSurface::pixelXf(double x) const {
    return (x - scaleLeft_) * unitW_ / kTwipsPerPixel;
}
double DrawingSurface::pixelYf(double y) const {
    return (y - scaleTop_) * unitH_ / kTwipsPerPixel;
}
int DrawingSurface::pixelX(double x) const {
    return clampedRound(pixelXf(x));
}
int DrawingSurface::pixelY(double y) const {
    return clampedRound(pixelYf(y));
}
double DrawingSurface::unitsToPixelsX(double length) const {
    return length * unitW_ / kTwipsPerPixel;
}
double DrawingSurface::unitsToPixelsY(double length) const {
    return length * unitH_ / kTwipsPerPixel;
}
double DrawingSurface::pixelsToUnitsX(double pixels) const {
    return pixels * kTwipsPerPixel / unitW_;
}
double DrawingSurface::pixelsToUnitsY(double pixels) const {
    return pixels * kTwipsPerPixel / unitH_;
}

double DrawingSurface::ScaleX(double value, int fromMode, int toMode) {
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

// ---- persistent image and screen layer

void DrawingSurface::paintBackground(QImage& image) const {
    // A picture that covers the image hides the background colour: filling under it
    // would only cost a pass over a screenful.
    const bool covered = picture_.format() == QImage::Format_RGB32 &&
                         picture_.width() >= image.width() && picture_.height() >= image.height();
    if (!covered) image.fill(backColor_.toQRgb());
    if (picture_.isNull()) return;
    // Pixel for pixel from the corner, whatever density the picture says it has.
    const QRect area = picture_.rect() & image.rect();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(bits + y * stride, picture_.constScanLine(y), size_t(area.width()) * 4);
}

QSize DrawingSurface::storeSizeFor(QSize area) {
    return QSize(std::max(1, area.width()), std::max(1, area.height()));
}

void DrawingSurface::ensureStoreCovers(QSize area) const {
    const QSize need = storeSizeFor(area).expandedTo(store_.size());
    if (store_.size() == need) return;
    if (storeIsBackground_ && pictureIsBackground(need)) {
        store_ = picture_;  // shared until something is drawn on it
    } else {
        // Without the memory for a larger image, the store stays as it is and drawing is
        // clipped to it: the area beyond shows nothing until the memory is there.
        QImage grown = platform::NewPicture(need, QImage::Format_RGB32);
        if (grown.isNull()) return;
        paintBackground(grown);
        if (!store_.isNull()) {
            QPainter painter(&grown);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, store_);
        }
        store_ = std::move(grown);
    }
    if (!screenLayer_.isNull()) {
        QImage layer = platform::NewClearPicture(need, QImage::Format_ARGB32_Premultiplied);
        if (!layer.isNull()) {
            QPainter painter(&layer);
            painter.drawImage(0, 0, screenLayer_);
        }
        screenLayer_ = std::move(layer);
        screenLayerUsed_ = screenLayerUsed_ && !screenLayer_.isNull();
    }
}

bool DrawingSurface::pictureIsBackground(QSize size) const {
    return picture_.size() == size && picture_.format() == QImage::Format_RGB32;
}

void DrawingSurface::replaceStore(QImage fresh) {
    // A picture of the store's very size is all the store shows: it is shared instead
    // of copied (a capture's grabbed screen), until something is drawn.
    if (pictureIsBackground(fresh.size())) {
        store_ = picture_;
    } else {
        paintBackground(fresh);
        store_ = std::move(fresh);
    }
    storeIsBackground_ = true;
    // Made again at the store's size when screen-only drawing next needs it.
    screenLayer_ = QImage();
    screenLayerUsed_ = false;
    markDrawn();
}

void DrawingSurface::rebuild() {
    // Everything drawn goes, so a store grown for a larger area than today's gives its
    // memory back: a large picture replaced by a small one must not stay resident.
    const QSize area = storeSizeFor(drawingSize());
    if (store_.size() != area) {
        if (QImage fresh = platform::NewPicture(area, QImage::Format_RGB32); !fresh.isNull())
            return replaceStore(std::move(fresh));
    }
    ensureStoreCovers(drawingSize());
    if (pictureIsBackground(store_.size()))
        store_ = picture_;
    else
        paintBackground(store_);
    storeIsBackground_ = true;
    clearScreenLayer();
    markDrawn();
}

void DrawingSurface::clearScreenLayer() {
    if (screenLayerUsed_) {
        // Only where something was drawn: a stroke's preview clears its own place, not a
        // screenful, on every move.
        const QRect area = std::exchange(layerDrawn_, QRect()) & screenLayer_.rect();
        uchar* bits = area.isEmpty() ? nullptr : screenLayer_.bits();
        const qsizetype stride = screenLayer_.bytesPerLine();
        for (int y = area.top(); bits && y <= area.bottom(); ++y)
            std::memset(bits + y * stride + qsizetype(area.left()) * 4, 0,
                        size_t(area.width()) * 4);
        screenLayerUsed_ = false;
    }
}

const QImage& DrawingSurface::persistentImage() const {
    ensureStoreCovers(drawingSize());
    return store_;
}

void DrawingSurface::releaseScreenLayer() {
    if (!screenLayerUsed_) {
        screenLayer_ = QImage();
        layerDrawn_ = QRect();
    }
}

QImage& DrawingSurface::editImage() {
    ensureStoreCovers(drawingSize());
    storeIsBackground_ = false;
    return store_;
}

const QImage* DrawingSurface::screenLayer() const {
    if (!screenLayerUsed_) return nullptr;
    ensureStoreCovers(drawingSize());
    return &screenLayer_;
}

QImage& DrawingSurface::drawingTarget() {
    ensureStoreCovers(drawingSize());
    if (autoRedraw_) {
        // Drawing needs a store of its own; without the memory for it, it goes nowhere.
        if (!store_.isDetached()) {
            QImage own = platform::NewPicture(store_.size(), store_.format());
            if (own.isNull()) return nowhere_;
            std::memcpy(own.bits(), store_.constBits(), size_t(store_.sizeInBytes()));
            store_ = std::move(own);
        }
        storeIsBackground_ = false;
        return store_;
    }
    if (screenLayer_.size() != store_.size()) {
        screenLayer_ =
            platform::NewClearPicture(store_.size(), QImage::Format_ARGB32_Premultiplied);
        // Screen-only drawing without the memory for it goes nowhere.
        if (screenLayer_.isNull()) return screenLayer_;
    }
    screenLayerUsed_ = true;
    return screenLayer_;
}

void DrawingSurface::markDrawn() {
    markDrawn(QRect(QPoint(0, 0), drawingSize()));
}

void DrawingSurface::markDrawn(const QRect& pixels) {
    if (!pixels.isEmpty()) drawn_ |= pixels;
    if (!autoRedraw_ && !pixels.isEmpty()) layerDrawn_ |= pixels;
    if (host_ && host_->repaintsParts()) {
        if (!pixels.isEmpty()) host_->scheduleRepaintOf(pixels);
    } else if (!updatePending_) {
        updatePending_ = true;
        if (host_) host_->scheduleRepaint();
    }
}

QRect DrawingSurface::takeDrawnRect() {
    return std::exchange(drawn_, QRect()) & QRect(QPoint(0, 0), drawingSize());
}

QImage DrawingSurface::Image() const {
    const QImage& image = persistentImage();
    const QSize area = storeSizeFor(drawableSize(image));
    return image.copy(0, 0, area.width(), area.height());
}

bool DrawingSurface::coversDrawingArea() const {
    return drawableSize(persistentImage()) == drawingSize();
}

QSize DrawingSurface::drawableSize(const QImage& target) const {
    return drawingSize().boundedTo(target.size());
}

void DrawingSurface::Cls() {
    // Screen-only drawing goes in any case; persistent drawing only with AutoRedraw on.
    currentX_ = currentY_ = 0;
    if (autoRedraw_) {
        rebuild();
        markDrawn();
    } else {
        // What shows changes only where the layer held drawing.
        const QRect cleared = screenLayerUsed_ ? layerDrawn_ : QRect();
        clearScreenLayer();
        markDrawn(cleared);
    }
}

void DrawingSurface::Refresh() {
    clearScreenLayer();
    updatePending_ = false;
    if (host_) host_->repaintNow();
}

}  // namespace chromadeck
