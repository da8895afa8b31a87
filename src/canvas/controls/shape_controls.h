// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"

#include <QLabel>
#include <QLineF>
#include <QWidget>

// The light-weight controls that sit on windows and canvases: line and box shapes and a
// label that takes clicks. Shapes never take the mouse: a press goes to what lies below.
namespace chromadeck {

// A 1-pixel line between two points of its container, in pixels of the container's client
// area (inside a picture box's border).
class LineControl : public QWidget {
    Q_OBJECT
  public:
    LineControl(RgbColor colour, QWidget* parent);
    void setEnds(double x1, double y1, double x2, double y2);
    QLineF ends() const { return ends_; }
    RgbColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLineF ends_;
    RgbColor colour_;
};

// The outline of a rectangle, 1 pixel wide, drawn on the inside of its geometry.
class ShapeControl : public QWidget {
    Q_OBJECT
  public:
    explicit ShapeControl(QWidget* parent, RgbColor colour = RGB(0, 0, 0));
    void setColour(RgbColor colour);
    RgbColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    RgbColor colour_;
};

// A label that keeps its mouse presses (nothing underneath sees them) and reports clicks.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);
    // The label's own background colour; unset means the platform's default.
    void setBackColor(RgbColor colour);
    bool hasBackColor() const { return hasBackColor_; }
    RgbColor BackColor() const { return backColor_; }

  signals:
    void Click();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool hasBackColor_ = false;
    RgbColor backColor_;
};

}  // namespace chromadeck
