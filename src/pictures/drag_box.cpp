// SPDX-License-Identifier: GPL-3.0-or-later
#include "drag_box.h"

#include "canvas/controls/client_area.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace chromadeck {

namespace {

// Lives for one drag: the press has given the box the mouse, so every move and the
// release arrive at the box until the button goes up.
class BoxDrag : public QObject {
  public:
    BoxDrag(QWidget* box, QPoint pressInBox) : QObject(box), box_(box), grip_(pressInBox) {
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            follow(move->position().toPoint());
            return false;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            box_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    void follow(QPoint pointerInBox) {
        // Where the box stands counts from inside the canvas's border.
        QPoint to = clientGeometry(box_).topLeft() + (pointerInBox - grip_);
        if (const QWidget* parent = box_->parentWidget()) {
            // The box may hang over the canvas's edges, but its corner stays on the
            // canvas's drawing area so that it can always be grabbed again.
            const QSize area = clientAreaOf(parent).size();
            to.setX(std::clamp(to.x(), 0, std::max(0, area.width() - 1)));
            to.setY(std::clamp(to.y(), 0, std::max(0, area.height() - 1)));
        }
        moveInClient(box_, to);
    }

    QWidget* box_;
    QPoint grip_;
};

}  // namespace

void DragBox(QWidget* box, QPoint pressInBox) {
    if (!box) return;
    // A press while an earlier drag is still around (a release lost to another window)
    // starts afresh.
    for (QObject* child : box->children())
        if (auto* old = dynamic_cast<BoxDrag*>(child)) {
            box->removeEventFilter(old);
            old->deleteLater();
        }
    new BoxDrag(box, pressInBox);
}

}  // namespace chromadeck
