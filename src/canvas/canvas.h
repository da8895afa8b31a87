// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing_surface.h"
#include "platform/cursors.h"

#include <QWidget>

namespace chromadeck {

// A picture box on a window: shows its drawing surface inside an optional sunken border
// and reports the mouse in the surface's units. Everything drawn goes through surface().
class Canvas : public QWidget, private SurfaceHost {
    Q_OBJECT

  public:
    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    DrawingSurface& surface() { return surface_; }
    const DrawingSurface& surface() const { return surface_; }

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    int BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single (2 px a side)
    void setBorderStyle(int style);
    int borderWidth() const { return borderStyle_ == 1 ? 2 : 0; }
    // The surface's background picture; with AutoSize on, the box first takes its size.
    // False, with the box and its picture as they were, when memory for it was refused.
    bool setPicture(const QImage& picture);

    platform::CursorCode MousePointer() const { return mousePointer_; }
    void setMousePointer(platform::CursorCode code);

    // Size of the drawing area in pixels (the widget less its border).
    QSize drawingSize() const;
    // The drawing area in widget coordinates: the client area that nested controls are
    // placed in and shown through, so none of them covers the border.
    QRect clientRect() const { return QRect(QPoint(borderWidth(), borderWidth()), drawingSize()); }

  signals:
    // Positions in surface units; button 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void DblClick();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QSize drawingArea() const override { return drawingSize(); }
    void scheduleRepaint() override { update(); }
    void repaintNow() override { repaint(); }
    void paintBorder(QPainter& painter) const;
    // canvas_nested.cpp: nested controls keep their client positions and show only
    // inside the border.
    void shiftNestedControls(QPoint by);
    void clipNestedControls();
    void clipNestedControl(QWidget* control) const;
    QPointF eventUnits(const QMouseEvent* event) const;

    DrawingSurface surface_;
    bool autoSize_ = false;
    int borderStyle_ = 1;
    platform::CursorCode mousePointer_ = platform::CursorCode::Default;
};

}  // namespace chromadeck
