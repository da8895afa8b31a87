// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape_controls.h"

#include "client_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace chromadeck {

LineControl::LineControl(RgbColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(double x1, double y1, double x2, double y2) {
    ends_ = QLineF(x1, y1, x2, y2);
    // Ends far beyond the container are cut at its edges: the line looks the same.
    const QWidget* box = parentWidget();
    const QSize area = box ? clientAreaOf(box).size() : QSize(1000000, 1000000);
    const double limitX = area.width() + 1.0, limitY = area.height() + 1.0;
    const int left = int(std::floor(std::clamp(std::min(x1, x2), -1.0, limitX)));
    const int top = int(std::floor(std::clamp(std::min(y1, y2), -1.0, limitY)));
    const int right = int(std::floor(std::clamp(std::max(x1, x2), -1.0, limitX)));
    const int bottom = int(std::floor(std::clamp(std::max(y1, y2), -1.0, limitY)));
    setClientGeometry(this, QRect(left, top, right - left + 1, bottom - top + 1));
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_.toQColor(), 1));
    const QPointF origin = clientGeometry(this).topLeft();
    painter.drawLine(ends_.translated(-origin));
}

ShapeControl::ShapeControl(QWidget* parent, RgbColor colour) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setColour(RgbColor colour) {
    colour_ = colour;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_.toQColor(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::setBackColor(RgbColor colour) {
    hasBackColor_ = true;
    backColor_ = colour;
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour.toQColor());
    setPalette(p);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rect().contains(event->position().toPoint())) emit Click();
}

}  // namespace chromadeck
