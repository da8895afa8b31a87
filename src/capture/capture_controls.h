// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/mouse_codes.h"

#include <QColor>
#include <QWidget>

// The capture window's own small controls: a placement that keeps Single positions, and
// the resize handles.
namespace chromadeck::capture {

// A control the window places by Single positions, as its rules compute them (241.33
// wide, 2.67 from the left); the widget sits on the nearest whole pixels, edges rounded
// so that neighbouring controls meet where their positions meet.
class Site {
  public:
    Site() = default;
    Site(QWidget* widget, float width, float height);

    QWidget* widget() const { return widget_; }
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }

    void Move(float left, float top);
    void Move(float left, float top, float width, float height);

  private:
    void apply();

    QWidget* widget_ = nullptr;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
};

// One of the eight resize handles `Image1` (i): an invisible hit area that keeps the mouse
// from press to release and reports its events with its index; positions in its own
// pixels, buttons 1 left, 2 right, 4 middle.
class HandleImage : public QWidget {
    Q_OBJECT
  public:
    // `mark` is the colour of the small square that shows where the handle is.
    HandleImage(int index, QWidget* parent, QColor mark);

  signals:
    void MouseDown(int index, int button, int shift, float x, float y);
    void MouseMove(int index, int button, int shift, float x, float y);
    void MouseUp(int index, int button, int shift, float x, float y);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    QColor mark_;
};

// A toolbar button `Image2` (i): a 16 x 16 icon with a tooltip. It reports pointer moves
// over it and a click (press and release on the button) with its index.
class IconButton : public QWidget {
    Q_OBJECT
  public:
    IconButton(int index, const QImage& icon, const QString& tip, QWidget* parent);
    const QImage& icon() const { return icon_; }

  signals:
    void Hover(int index);
    void Click(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int index_;
    QImage icon_;
};

// The toolbar's icons, drawn here rather than shipped: one per button index 0..8.
QImage toolbarIcon(int index);

}  // namespace chromadeck::capture
