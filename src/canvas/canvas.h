#pragma once

#include "logical_font.h"
#include "platform/cursors.h"
#include "rgb_color.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

namespace chromadeck {

// A picture box: a persistent image that keeps everything drawn on it, an optional
// background picture, a drawing state and a coordinate system. Positions are in the
// canvas's own units (pixels, twips or a user scale); pen widths are always pixels;
// the device-pixel operations take pixels of the drawing area (inside the border).
//
// With AutoRedraw on, drawing goes into the persistent image; with it off, it goes to a
// screen-only layer that Cls and Refresh wipe and that Image, Point and saving never see.
class Canvas : public QWidget {
    Q_OBJECT

  public:
    // ScaleMode values and the HIMETRIC unit of picture sizes.
    static constexpr int kUser = 0;
    static constexpr int kTwips = 1;
    static constexpr int kPixels = 3;
    static constexpr int kHimetric = 8;

    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    // ---- attributes
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    int BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single (2 px a side)
    void setBorderStyle(int style);
    int borderWidth() const { return borderStyle_ == 1 ? 2 : 0; }

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);  // rebuilds the image: earlier drawing is lost
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

    platform::CursorCode MousePointer() const { return mousePointer_; }
    void setMousePointer(platform::CursorCode code);

    // ---- coordinate system
    int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);  // 3 pixels, 1 twips, 0 keeps the current scale as user scale
    void Scale(float x1, float y1, float x2, float y2);
    // A user scale with a fixed unit size in twips and the origin at the top-left.
    void setUnitSize(double unitWidthTwips, double unitHeightTwips);
    float ScaleLeft() const { return static_cast<float>(scaleLeft_); }
    float ScaleTop() const { return static_cast<float>(scaleTop_); }
    float ScaleWidth() const;
    float ScaleHeight() const;
    double unitWidthTwips() const { return unitW_; }
    double unitHeightTwips() const { return unitH_; }

    // Size of the drawing area in pixels (the widget less its border).
    QSize drawingSize() const;
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
    static double ScaleY(double value, int fromMode, int toMode) {
        return ScaleX(value, fromMode, toMode);
    }

    // ---- drawing, in canvas units; a missing colour means ForeColor
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
    float TextHeight(const QString& text) const;
    void Refresh();
    QImage Image() const;  // the persistent image over the drawing area, RGB32

    // ---- device pixels (what a device context of the canvas offers)
    RgbColor GetPixel(int x, int y) const;
    void BitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy);
    void TransparentBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw,
                        int sh, RgbColor mask);
    // Surface fill of the area of exactly `colour` around (x, y) with the fill brush.
    long long ExtFloodFill(int x, int y, RgbColor colour);
    // Selects a font record for Print; returns the one selected before (none: the canvas
    // font), to be given back to RestoreFont.
    std::optional<LogicalFont> SelectFont(const LogicalFont& font);
    void RestoreFont(const std::optional<LogicalFont>& previous);
    QFont printFont() const;

    // The image drawing goes to now (persistent, or the screen layer) and its clip.
    QImage& drawingTarget();
    void markDrawn();

  signals:
    // Positions in canvas units; button 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void DblClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // Grows the store to the drawing area; a hidden widget is resized without a resize
    // event, so every access checks.
    void ensureStoreCovers(QSize area) const;
    const QImage& store() const;
    void rebuild();
    void paintBackground(QImage& image) const;
    void clearScreenLayer();
    QRgb penColour(std::optional<RgbColor> colour) const;
    double penCentreOf(double v) const;
    QPointF eventUnits(const QMouseEvent* event) const;

    bool autoRedraw_ = false;
    bool autoSize_ = false;
    int borderStyle_ = 1;
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
    platform::CursorCode mousePointer_ = platform::CursorCode::Default;

    int scaleMode_ = kTwips;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double unitW_ = 1;  // twips per unit
    double unitH_ = 1;

    // The persistent image never shrinks, so drawing outside a smaller drawing area comes
    // back when the canvas grows again; the drawing area is its top-left part.
    mutable QImage store_;
    mutable QImage screenLayer_;  // ARGB32: transparent except for screen-only drawing
    bool screenLayerUsed_ = false;
    bool updatePending_ = false;
};

}  // namespace chromadeck
