// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_scroller.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace chromadeck::app {

namespace {
// Room kept under the lowest control when the panel is scrolled to its end.
constexpr int kBottomRoom = 4;
}  // namespace

PanelScroller::PanelScroller(QWidget& area, QWidget& panel)
    : QObject(&area),
      area_(area),
      panel_(panel),
      designTop_(panel.y()),
      bar_(new QScrollBar(Qt::Vertical, &area)) {
    bar_->setObjectName(QStringLiteral("PanelScrollBar"));
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this,
            [this](int value) { panel_.move(panel_.x(), designTop_ - value); });
    area_.installEventFilter(this);
    panel_.installEventFilter(this);
}

int PanelScroller::controlsBottom() const {
    // The controls, not the frame: the frame's empty lower part need not be reachable.
    int bottom = 0;
    for (const QObject* child : panel_.children())
        if (const auto* control = qobject_cast<const QWidget*>(child);
            control && !control->isWindow())
            bottom = std::max(bottom, control->geometry().bottom() + 1);
    return designTop_ + bottom + kBottomRoom;
}

void PanelScroller::fit() {
    const int overflow = controlsBottom() - area_.height();
    if (overflow <= 0) {
        bar_->setValue(0);
        bar_->hide();
        return;
    }
    const int visible = area_.height() - designTop_;
    bar_->setRange(0, overflow);
    bar_->setPageStep(std::max(1, visible));
    bar_->setSingleStep(20);
    bar_->setGeometry(panel_.x() + panel_.width(), designTop_, bar_->sizeHint().width(),
                      std::max(0, visible));
    bar_->show();
    bar_->raise();
}

int PanelScroller::barWidth() const {
    return bar_->isVisibleTo(&area_) ? bar_->width() : 0;
}

bool PanelScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &area_ && event->type() == QEvent::Resize) fit();
    // A wheel turn the panel's own controls leave unused scrolls the panel.
    if (watched == &panel_ && event->type() == QEvent::Wheel && bar_->isVisibleTo(&area_)) {
        QCoreApplication::sendEvent(bar_, event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace chromadeck::app
