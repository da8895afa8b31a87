// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture_controls.h"

#include "platform/cursors.h"
#include "selection_rules.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace chromadeck::capture {

Site::Site(QWidget* widget, float width, float height)
    : widget_(widget), width_(width), height_(height) {
    apply();
}

void Site::Move(float left, float top) {
    left_ = left;
    top_ = top;
    apply();
}

void Site::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void Site::apply() {
    if (!widget_) return;
    const Long x0 = toLongClamped(left_), y0 = toLongClamped(top_);
    const Long x1 = toLongClamped(left_ + width_), y1 = toLongClamped(top_ + height_);
    widget_->setGeometry(x0, y0, std::max<Long>(0, x1 - x0), std::max<Long>(0, y1 - y0));
}

HandleImage::HandleImage(int index, QWidget* parent, QColor mark)
    : QWidget(parent), index_(index), mark_(mark) {
    setObjectName(QStringLiteral("Image1_%1").arg(index));
    // Hovering must reach the handle too: its move sets the screen cursor.
    setMouseTracking(true);
    platform::applyMousePointer(this, kHandleCursor[size_t(index)]);
}

void HandleImage::paintEvent(QPaintEvent*) {
    // A filled square over the whole hit area, so that a user sees where to grab; it is
    // drawn on the window only, never into the picture that is copied.
    QPainter(this).fillRect(rect(), mark_);
}

void HandleImage::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit MouseDown(index_, buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()),
                   float(p.y()));
}

void HandleImage::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit MouseMove(index_, buttonCode(event->buttons()), shiftCode(event->modifiers()),
                   float(p.x()), float(p.y()));
}

void HandleImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit MouseUp(index_, buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()),
                 float(p.y()));
}

}  // namespace chromadeck::capture
