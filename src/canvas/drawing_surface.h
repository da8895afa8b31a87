// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logical_font.h"
#include "rgb_color.h"

#include <QImage>
#include <QString>
#include <optional>

namespace chromadeck {

// Whatever shows a surface: it decides how large the drawing area is and repaints when
// asked. A surface without a host has a fixed drawing area of its own.
class SurfaceHost {
  public:
    virtual ~SurfaceHost() = default;
    // The drawing area in pixels. Asked on every access: a hidden window may be resized
    // without telling anyone.
    virtual QSize drawingArea() const = 0;
    // Something was drawn: repaint when the event loop next gets round to it.
    virtual void scheduleRepaint() = 0;
    // Repaint at once (Refresh).
    virtual void repaintNow() = 0;
    // Whether it repaints only what changed: then it is told each changed rectangle, in
    // pixels of the drawing area, instead of scheduleRepaint().
    virtual bool repaintsParts() const { return false; }
    virtual void scheduleRepaintOf(const QRect& pixels) { (void)pixels; }
};

// The picture of a picture box without the box: a persistent image that keeps everything
// drawn on it, an optional background picture, a drawing state and a coordinate system.
// Positions are in the surface's own units (pixels, twips or a user scale); pen widths
// are always pixels; the device-pixel operations take pixels of the drawing area.
//
// With AutoRedraw on, drawing goes into the persistent image; with it off, it goes to a
// screen-only layer that Cls and Refresh wipe and that Image, Point and saving never see.
class DrawingSurface {
  public:
    // ScaleMode values and the HIMETRIC unit of picture sizes.
    static constexpr int kUser = 0;
    static constexpr int kTwips = 1;
    static constexpr int kPixels = 3;
    static constexpr int kHimetric = 8;

    // A surface of its own with a fixed drawing area, drawn in twips, white on which
    // black is drawn.
    explicit DrawingSurface(QSize area = QSize(1, 1));
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // From now on the host decides the drawing area and is told of every change.
    void attach(SurfaceHost* host);
    // The fixed drawing area of a surface without a host.
    void setDrawingSize(QSize area);

    // ---- attributes
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }

    const QImage& Picture() const { return picture_; }
    // Rebuilds the image: earlier drawing is lost. False, with nothing changed, when there
    // is no memory for the picture and an image of the drawing area.
    bool setPicture(const QImage& picture);
    RgbColor BackColor() const { return backColor_; }
    void setBackColor(RgbColor colour);  // rebuilds the image: earlier drawing is lost

    RgbColor ForeColor() const { return foreColor_; }
    void setForeColor(RgbColor colour) { foreColor_ = colour; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    int FillStyle() const { return fillStyle_; }  // 0 solid, 1 transparent
    void setFillStyle(int style) { fillStyle_ = style; }
    RgbColor FillColor() const { return fillColor_; }
    void setFillColor(RgbColor colour) { fillColor_ = colour; }

    QString FontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    double FontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points > 0 ? points : fontSize_; }
    bool FontBold() const { return fontBold_; }
    void setFontBold(bool on) { fontBold_ = on; }
    bool FontItalic() const { return fontItalic_; }
    void setFontItalic(bool on) { fontItalic_ = on; }

    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }

    // ---- coordinate system
    int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);  // 3 pixels, 1 twips, 0 keeps the current scale as user scale
    void Scale(float x1, float y1, float x2, float y2);
    // A user scale with a fixed unit size in twips; (left, top) in units is the top-left
    // corner of the drawing area.
    void setUnitSize(double unitWidthTwips, double unitHeightTwips, double left = 0,
                     double top = 0);
    float ScaleLeft() const { return static_cast<float>(scaleLeft_); }
    float ScaleTop() const { return static_cast<float>(scaleTop_); }
    float ScaleWidth() const;
    float ScaleHeight() const;
    double unitWidthTwips() const { return unitW_; }
    double unitHeightTwips() const { return unitH_; }

    // Size of the drawing area in pixels.
    QSize drawingSize() const;
    // Whether the persistent image covers the whole drawing area; false after the memory
    // to grow it was refused (drawing beyond it is then clipped away).
    bool coversDrawingArea() const;
    // The part of the drawing area that `target` (the drawing target or the persistent
    // image) covers: all of it, unless the memory to grow the image was refused.
    QSize drawableSize(const QImage& target) const;
    // Units to pixels of the drawing area, not rounded, and rounded (ties to even).
    double pixelXf(double x) const;
    double pixelYf(double y) const;
    int pixelX(double x) const;
    int pixelY(double y) const;
    double unitsToPixelsX(double length) const;
    double unitsToPixelsY(double length) const;
    double pixelsToUnitsX(double pixels) const;
    double pixelsToUnitsY(double pixels) const;
    // Converts a length between ScaleMode units; only pixels, twips and HIMETRIC.
    static double ScaleX(double value, int fromMode, int toMode);

    // ---- drawing, in surface units; a missing colour means ForeColor
    void Cls();
    void Line(float x1, float y1, float x2, float y2, std::optional<RgbColor> colour = {});
    void LineTo(float x2, float y2, std::optional<RgbColor> colour = {});
    void LineBox(float x1, float y1, float x2, float y2, std::optional<RgbColor> colour = {});
    void Circle(float x, float y, float radius, std::optional<RgbColor> colour = {},
                std::optional<float> start = {}, std::optional<float> end = {},
                std::optional<float> aspect = {});
    void PSet(float x, float y, std::optional<RgbColor> colour = {});
    RgbColor Point(float x, float y) const;
    void Print(const QString& text);
    float TextWidth(const QString& text) const;
    void Refresh();
    QImage Image() const;  // the persistent image over the drawing area, RGB32

    // ---- device pixels (what a device context of the picture box offers)
    RgbColor GetPixel(int x, int y) const;
    void BitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy);
    void TransparentBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw,
                        int sh, RgbColor mask);
    // Surface fill of the area of exactly `colour` around (x, y) with the fill brush.
    long long ExtFloodFill(int x, int y, RgbColor colour);
    // Selects a font record for Print; returns the one selected before (none: the surface
    // font), to be given back to RestoreFont.
    std::optional<LogicalFont> SelectFont(const LogicalFont& font);
    void RestoreFont(const std::optional<LogicalFont>& previous);
    QFont printFont() const;

    // The image drawing goes to now (persistent, or the screen layer), grown to the
    // drawing area as far as memory allows (clip to drawableSize); call markDrawn after
    // writing to it, with the pixels written when they are known.
    QImage& drawingTarget();
    void markDrawn();
    void markDrawn(const QRect& pixels);
    // The pixels drawn since the last call, as one rectangle of the drawing area (all of
    // it after drawing that did not say where); empty when nothing was drawn.
    QRect takeDrawnRect();

    // ---- for whatever shows the surface: both images cover the drawing area, unless the
    // memory to grow them was refused.
    void growToDrawingArea() const { ensureStoreCovers(drawingSize()); }
    const QImage& persistentImage() const;
    // The persistent image for whoever changes its pixels from outside (the capture's
    // history steps back and forth in it); from then on it is kept as it is, never made
    // again from the background.
    QImage& editImage();
    // Transparent except for screen-only drawing; null when there is none.
    const QImage* screenLayer() const;
    // Lets the screen-only layer's memory go when nothing is drawn on it; screen-only
    // drawing makes it again. For a surface whose screen-only drawing comes in bursts.
    void releaseScreenLayer();
    // A repaint is about to happen: later drawing must ask for another one.
    void repaintStarted() { updatePending_ = false; }

  private:
    // Grows the store to the drawing area, keeping what it holds, when memory allows.
    void ensureStoreCovers(QSize area) const;
    static QSize storeSizeFor(QSize area);
    // Makes `fresh` the store, painted with the background, with no screen-only drawing.
    void replaceStore(QImage fresh);
    // Whether the picture alone is what a store of `size` shows.
    bool pictureIsBackground(QSize size) const;
    void rebuild();
    void paintBackground(QImage& image) const;
    void clearScreenLayer();
    QRgb penColour(std::optional<RgbColor> colour) const;
    double penCentreOf(double v) const;

    SurfaceHost* host_ = nullptr;
    QSize ownArea_;

    bool autoRedraw_ = false;
    QImage picture_;
    RgbColor backColor_ = RGB(255, 255, 255);
    RgbColor foreColor_ = RGB(0, 0, 0);
    int drawWidth_ = 1;
    int fillStyle_ = 1;
    RgbColor fillColor_ = RGB(0, 0, 0);
    QString fontName_ = QStringLiteral("宋体");
    double fontSize_ = 9.0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    std::optional<LogicalFont> selectedFont_;
    float currentX_ = 0;
    float currentY_ = 0;

    int scaleMode_ = kTwips;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double unitW_ = 1;  // twips per unit
    double unitH_ = 1;

    // The persistent image only shrinks when everything on it goes (a new picture or
    // background, Cls), so drawing outside a smaller drawing area comes back when the
    // area grows again; the drawing area is its top-left part.
    mutable QImage store_;
    // Nothing was drawn on the store since it was last made from the background.
    mutable bool storeIsBackground_ = true;
    QImage nowhere_;              // the target of drawing without the memory for it
    mutable QImage screenLayer_;  // ARGB32: transparent except for screen-only drawing
    mutable bool screenLayerUsed_ = false;
    bool updatePending_ = false;
    QRect drawn_;       // what takeDrawnRect() hands out next
    QRect layerDrawn_;  // where the screen-only layer may hold drawing
};

}  // namespace chromadeck
