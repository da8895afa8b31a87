// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QScrollBar;
class QWidget;

namespace chromadeck::app {

// Keeps every control of a panel of fixed design size within reach when the window is
// shorter than the panel's controls: a scroll bar appears at the panel's right and moves
// the panel up and down, and the wheel over the panel scrolls it. Where the window is
// tall enough nothing of the panel changes.
class PanelScroller : public QObject {
    Q_OBJECT

  public:
    // `panel` lies in `area` at its design position; both outlive the scroller.
    PanelScroller(QWidget& area, QWidget& panel);

    // Brings the bar and the panel's position up to the area's present height.
    void fit();
    // The width the bar takes beside the panel: 0 while no scrolling is needed.
    int barWidth() const;
    QScrollBar* bar() const { return bar_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int controlsBottom() const;

    QWidget& area_;
    QWidget& panel_;
    int designTop_;
    QScrollBar* bar_;
};

}  // namespace chromadeck::app
