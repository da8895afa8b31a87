// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's buttons and their 16 x 16 icons, drawn in code in the toolbar's blue.
#include "capture_controls.h"
#include "toolbar_style.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace chromadeck::capture {

namespace {

const QColor kInk = kIconInk.toQColor();

QImage blankIcon() {
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    return icon;
}

// An arrow head at `tip` pointing along (dx, dy), for the arrow and the undo/redo icons.
void head(QPainter& p, QPointF tip, QPointF back1, QPointF back2) {
    QPainterPath path(tip);
    path.lineTo(back1);
    path.lineTo(back2);
    path.closeSubpath();
    p.fillPath(path, kInk);
}

}  // namespace

QImage toolbarIcon(int index) {
    QImage icon = blankIcon();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1.5));
    switch (index) {
        case 0:    // undo: a hook bending back to the left
        case 8: {  // redo: its mirror image
            if (index == 8) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
            QPainterPath hook(QPointF(5, 6));
            hook.cubicTo(QPointF(12, 6), QPointF(14, 9), QPointF(13, 12));
            p.drawPath(hook);
            head(p, QPointF(1, 6), QPointF(6, 2), QPointF(6, 10));
            break;
        }
        case 1:  // copy and exit: a tick
            p.setPen(QPen(kInk, 2));
            p.drawPolyline(QPolygonF({QPointF(2, 8), QPointF(6, 12), QPointF(14, 3)}));
            break;
        case 2:  // save: a floppy disc
            p.drawRect(QRectF(2.5, 2.5, 11, 11));
            p.fillRect(QRectF(5, 3, 6, 4), kInk);
            p.drawRect(QRectF(5.5, 9.5, 5, 4));
            break;
        case 3:  // exit: a cross
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(3, 3), QPointF(13, 13));
            p.drawLine(QPointF(13, 3), QPointF(3, 13));
            break;
        case 4:  // arrow
            p.drawLine(QPointF(2, 14), QPointF(11, 5));
            head(p, QPointF(14, 2), QPointF(8, 4), QPointF(12, 8));
            break;
        case 5: {  // text: a letter A
            p.setRenderHint(QPainter::Antialiasing, false);
            QFont font = p.font();
            font.setPixelSize(14);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
            break;
        }
        case 6:  // ellipse
            p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
            break;
        case 7:  // rectangle
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(kInk, 1));
            p.drawRect(QRect(1, 3, 13, 9));
            break;
        default:
            break;
    }
    return icon;
}

IconButton::IconButton(int index, const QImage& icon, const QString& tip, QWidget* parent)
    : QWidget(parent), index_(index), icon_(icon) {
    setObjectName(QStringLiteral("Image2_%1").arg(index));
    setToolTip(tip);
    setMouseTracking(true);
    resize(16, 16);
}

void IconButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), icon_);
}

void IconButton::mouseMoveEvent(QMouseEvent* event) {
    emit Hover(index_);
    event->accept();
}

void IconButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void IconButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A click is a left press and release on the button itself.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click(index_);
}

}  // namespace chromadeck::capture
