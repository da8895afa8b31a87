// Annotation: arrows, ellipses, rectangles and typed text drawn inside the region, with a
// preview on the screen while the mouse moves and the shape kept on release.
#include "capture_form.h"

#include "canvas/raster/pen_shapes.h"

#include <algorithm>
#include <cmath>

namespace chromadeck {

using namespace capture;

namespace {

const QString kToolArrow = QStringLiteral("添加箭头");
const QString kToolText = QStringLiteral("添加文字");
const QString kToolEllipse = QStringLiteral("添加椎圆");
const QString kToolRectangle = QStringLiteral("添加矩形");
constexpr float kArrowLen = 10;
constexpr float kTextBoxWidth = 375.0f / 15.0f;

}  // namespace

void CaptureForm::Arrow(DrawingSurface& pic, float x0, float y0, float X1, float Y1, float ArrowLen,
                        RgbColor color) {
    const long double dx = (long double)X1 - x0, dy = (long double)Y1 - y0;
    const long double d = std::sqrt(dy * dy + dx * dx);
    if (d <= 1E-10L) return;
    // From the tip back towards the tail, each barb turned half a step off the shaft.
    const long double ux = (long double)x0 - X1, uy = (long double)y0 - Y1;
    const long double k = ArrowLen / d;
    const float ax = float(X1 + (ux + uy / 2) * k), ay = float(Y1 + (uy - ux / 2) * k);
    const float bx = float(X1 + (ux - uy / 2) * k), by = float(Y1 + (uy + ux / 2) * k);
    pic.Line(ax, ay, X1, Y1, color);
    pic.Line(bx, by, X1, Y1, color);
    pic.Line(x0, y0, X1, Y1, color);
}

QPointF CaptureForm::strokeEnd(float X, float Y) const {
    const Frame f = frame();
    const float right = f.Left + f.Width, bottom = f.Top + f.Height;
    const float x2 = X > right ? right : (X < f.Left ? f.Left : X);
    const float y2 = Y > bottom ? bottom : (Y < f.Top ? f.Top : Y);
    return {x2, y2};
}

bool CaptureForm::annotationPress(float X, float Y) {
    const Frame f = frame();
    const float right = f.Left + f.Width, bottom = f.Top + f.Height;
    if (!(X > f.Left && right > X && Y > f.Top && bottom > Y)) return false;
    run_.Drawing = -1;
    surface().setAutoRedraw(false);  // the preview goes to the screen only
    run_.StrokeX = X;
    run_.StrokeY = Y;
    return true;
}

void CaptureForm::drawShape(float x2, float y2) {
    const RgbColor colour = CurrentColour();
    if (run_.ToolName == kToolArrow) {
        Arrow(surface(), run_.StrokeX, run_.StrokeY, x2, y2, kArrowLen, colour);
    } else if (run_.ToolName == kToolEllipse) {
        // The 1-pixel ellipse inscribed in the box of the whole-pixel corners.
        const Long l = toLongClamped(run_.StrokeX), t = toLongClamped(run_.StrokeY);
        const Long r = toLongClamped(x2), b = toLongClamped(y2);
        const double cx = (double(l) + r) / 2, cy = (double(t) + b) / 2;
        const double a = std::abs(double(r) - l) / 2, bb = std::abs(double(b) - t) / 2;
        QImage& target = surface().drawingTarget();
        const raster::ClipRect clip = raster::ClipRect::of(std::min(target.width(), width()),
                                                           std::min(target.height(), height()));
        const QRgb rgb = colour.toQColor().rgb();
        raster::ellipseOutlineSpans(cx, cy, a, bb, 1, clip, [&](int y, int first, int last) {
            auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
            std::fill(row + first, row + last + 1, rgb);
        });
        surface().markDrawn();
    } else if (run_.ToolName == kToolRectangle) {
        surface().LineBox(run_.StrokeX, run_.StrokeY, x2, y2, colour);
    }
}

void CaptureForm::annotationMove(float X, float Y) {
    if (run_.Drawing != -1) return;
    surface().Cls();
    const QPointF end = strokeEnd(X, Y);
    drawShape(float(end.x()), float(end.y()));
}

void CaptureForm::annotationRelease(float X, float Y) {
    surface().setAutoRedraw(true);
    surface().Cls();
    const QPointF end = strokeEnd(X, Y);
    if (run_.ToolName != kToolText) {
        drawShape(float(end.x()), float(end.y()));
        run_.Drawing = 0;
        PushSnapshot();
        return;
    }

    // The size is read at every click, so a size typed while the box is open counts.
    // A size that is not a positive number falls back to the last one that was.
    const std::optional<float> size = textToSingle(Text1->text());
    if (size && *size > 0) lastTextSize_ = *size;
    QPalette palette = TextEdit->palette();
    palette.setColor(QPalette::Text, CurrentColour().toQColor());
    TextEdit->setPalette(palette);
    surface().setFontSize(lastTextSize_);
    QFont font = TextEdit->font();
    font.setPointSizeF(lastTextSize_);
    TextEdit->setFont(font);

    if (TextEdit->isHidden()) {
        TextEdit->setGeometry(toLongClamped(X), toLongClamped(Y), int(kTextBoxWidth),
                              TextEdit->sizeHint().height());
        TextEdit->show();
        TextEdit->raise();
        TextEdit->setFocus();
        growTextEdit();
        return;  // Drawing stays -1: the next release on the window commits
    }
    const RgbColor previous = surface().ForeColor();
    surface().setForeColor(CurrentColour());
    surface().setCurrentX(float(TextEdit->x()));
    surface().setCurrentY(float(TextEdit->y()));
    surface().Print(TextEdit->text());
    surface().setForeColor(previous);
    TextEdit->hide();
    TextEdit->setText(QString());
    run_.Drawing = 0;
    PushSnapshot();
}

void CaptureForm::growTextEdit() {
    const float needed = surface().TextWidth(TextEdit->text());
    if (needed > TextEdit->width()) TextEdit->resize(int(std::ceil(needed)), TextEdit->height());
}

}  // namespace chromadeck
