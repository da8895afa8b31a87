// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotation_tools.h"
#include "canvas/drawing_surface.h"
#include "capture_history.h"
#include "capture_run_state.h"
#include "capture_view.h"
#include "device_scale.h"
#include "toolbar_style.h"

#include <QImage>
#include <QSizeF>
#include <array>
#include <memory>

namespace chromadeck::capture {

// One capture run as a value: the frozen screen and everything drawn on it, the region,
// the run state, the chosen tool, colour and text size, and the undo history. It takes
// the window's events in window pixels (buttons 1 left, 2 right, 4 middle), decides what
// they do, and leaves what must show in `overlay()`; the screen pointer and the typing
// box it asks of its `CaptureView`. It never touches a widget. Its picture keeps the
// grabbed screen's own pixels, which on a dense screen are finer than window pixels
// (`scale()`).
class CaptureSession {
  public:
    // What the window does after a release.
    enum class Next { Stay, Close };

    // A run on a screen of `screen` window pixels; its picture covers the screen.
    CaptureSession(CaptureView& view, QSizeF screen, HistoryLimits limits = {});

    // The grabbed screen becomes the picture and the first snapshot of the history, at
    // the shot's devicePixelRatio(). False when the memory for the picture and its history
    // cannot be had: no run then.
    bool start(const QImage& shot);

    // ---- the window's mouse
    void mouseDown(int Button, float X, float Y);
    void mouseMove(int Button, float X, float Y);
    Next mouseUp(int Button, float X, float Y);
    // Whether a double click copies: its press was inside the fixed region.
    bool doubleClickCopies() const;

    // ---- the eight resize handles; `cursor` is the screen cursor, in window pixels
    void handleDown();
    void handleMove(int index, QPoint cursor);
    void handleUp();

    // ---- the keys
    // Whether a region is fixed: copy, save and the arrow keys act on it.
    bool regionFixed() const;
    // Moves the fixed region by (dx, dy) pixels, or with `edges` its right and bottom
    // edges, kept on the screen as a drag keeps it and never smaller than a pixel.
    void nudgeRegion(int dx, int dy, bool edges);

    // ---- the toolbar buttons that stay in the run: undo, redo and the tools
    void pressButton(ToolbarButton button);
    // After an annotation is drawn into the persistent image: it becomes part of the
    // picture and the next snapshot of the history. When the history cannot take it the
    // user is told; the picture keeps the annotation and the history stays as it was.
    void PushSnapshot();
    void Undo();
    void Redo();

    // ---- the options panel
    RgbColor colour() const { return colour_; }
    void setColour(RgbColor colour) { colour_ = colour; }
    float textSize() const { return lastTextSize_; }

    // What lies in the window rectangle with these edges: the grabbed screen with every
    // kept annotation, at the picture's own pixels.
    QImage regionPicture(Long left, Long top, Long right, Long bottom) const;

    // The picture in device pixels; positions on it in window pixels.
    DrawingSurface& surface() { return surface_; }
    const DrawingSurface& surface() const { return surface_; }
    const Overlay& overlay() const { return overlay_; }
    const Frame& frame() const { return overlay_.frame; }
    const RunState& state() const { return run_; }
    const CaptureHistory& history() const { return history_; }
    const DeviceScale& scale() const { return scale_; }

  private:
    void setFrame(const Frame& frame) { overlay_.frame = frame; }
    void chooseTool(CaptureTool chosen);
    void ResetSelection(float x, float y);
    void hideSelection();
    void showSelection();
    // Puts aside the pixels the release at (X, Y) will draw over.
    void keepWhatReleaseCovers(float X, float Y);
    void annotationPress(float X, float Y);
    void annotationMove(float X, float Y);
    void annotationRelease(float X, float Y);
    QPointF strokeEnd(float X, float Y) const;
    AnnotationTool& tool();
    ToolContext toolContext();

    CaptureView& view_;
    QSizeF screen_;
    DeviceScale scale_;
    DrawingSurface surface_;
    RunState run_;
    Overlay overlay_;
    CaptureHistory history_;
    std::array<std::unique_ptr<AnnotationTool>, 4> tools_;
    // What the stroke being released draws over, as it was, and where.
    QImage drawnOver_;
    QPoint drawnAt_;
    // The colour and the size last only for one run: each starts red at 11 points.
    RgbColor colour_ = kStartColour;
    float lastTextSize_ = kStartTextSize;
};

}  // namespace chromadeck::capture
