// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "mouse_codes.h"
#include "platform/cursors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace chromadeck {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    surface_.attach(this);
    // A picture box starts in the system's button colours, like any other control.
    const QPalette palette = QApplication::palette();
    surface_.setBackColor(RgbColor::fromQColor(palette.color(QPalette::Button)));
    surface_.setForeColor(RgbColor::fromQColor(palette.color(QPalette::ButtonText)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Canvas::~Canvas() {
    surface_.attach(nullptr);
}

void Canvas::setAutoSize(bool on) {
    autoSize_ = on;
    const QImage& picture = surface_.Picture();
    if (on && !picture.isNull()) resize(picture.size() + QSize(2, 2) * borderWidth());
}

void Canvas::setBorderStyle(int style) {
    const int before = borderWidth();
    borderStyle_ = style == 1 ? 1 : 0;
    shiftNestedControls(QPoint(1, 1) * (borderWidth() - before));
    surface_.growToDrawingArea();
    clipNestedControls();
    update();
}

bool Canvas::setPicture(const QImage& picture) {
    const QSize before = size();
    if (autoSize_ && !picture.isNull()) resize(picture.size() + QSize(2, 2) * borderWidth());
    if (surface_.setPicture(picture)) return true;
    resize(before);  // the picture shown stays, and so does the box around it
    return false;
}

void Canvas::setMousePointer(platform::CursorCode code) {
    mousePointer_ = code;
    platform::applyMousePointer(this, code);
}

QSize Canvas::drawingSize() const {
    const int b = 2 * borderWidth();
    return QSize(std::max(0, width() - b), std::max(0, height() - b));
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_.growToDrawingArea();
    clipNestedControls();
}

void Canvas::paintEvent(QPaintEvent*) {
    surface_.repaintStarted();
    QPainter painter(this);
    const int b = borderWidth();
    const QRect area(QPoint(0, 0), drawingSize());
    painter.fillRect(rect(), surface_.BackColor().toQColor());
    painter.drawImage(QPoint(b, b), surface_.persistentImage(), area);
    if (const QImage* layer = surface_.screenLayer()) painter.drawImage(QPoint(b, b), *layer, area);
    if (b > 0) paintBorder(painter);
}

void Canvas::paintBorder(QPainter& painter) const {
    // The sunken 3-D edge of a fixed single border.
    const QRect r = rect();  // right() and bottom() are already the last pixels
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

QPointF Canvas::eventUnits(const QMouseEvent* event) const {
    // Whole pixels of the drawing area, as the window system reports pointer positions.
    const QPoint p = event->position().toPoint() - QPoint(borderWidth(), borderWidth());
    return QPointF(surface_.pixelsToUnitsX(p.x()) + surface_.ScaleLeft(),
                   surface_.pixelsToUnitsY(p.y()) + surface_.ScaleTop());
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
