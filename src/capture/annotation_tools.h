// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/drawing_surface.h"
#include "capture_view.h"
#include "device_scale.h"
#include "toolbar_button.h"

#include <QPointF>
#include <memory>

// The capture window's annotation tools. The session runs every stroke the same way:
// a press inside the region starts it, keeps the start in the run state and makes the
// screen-only layer the target, each move clears that layer and asks for a preview, and
// the release, with the persistent picture as the target again, asks the tool to finish;
// a finished stroke becomes a snapshot of the history.
namespace chromadeck::capture {

// An arrow on `pic` from the tail (x0, y0) to the tip (X1, Y1), two barbs at the tip.
void Arrow(DrawingSurface& pic, float x0, float y0, float X1, float Y1, float ArrowLen,
           RgbColor color);

// What a tool draws with, handed to it by the session for one event.
struct ToolContext {
    DrawingSurface& picture;  // device pixels, positions in window pixels
    const DeviceScale& scale;
    RgbColor colour;
    CaptureView& view;
    float& lastTextSize;  // the text size last read as a positive number
    QPointF start;        // the run's stroke start, shared by every tool
};

class AnnotationTool {
  public:
    virtual ~AnnotationTool() = default;
    // The pointer is at `end`, kept inside the region; the screen-only layer is clear.
    virtual void preview(ToolContext& context, QPointF end) = 0;
    // The release at `at` (`end` kept inside the region): true when the annotation is in
    // the persistent picture, false when the stroke goes on to a further click.
    virtual bool release(ToolContext& context, QPointF at, QPointF end) = 0;
};

// Arrow, ellipse and rectangle: from the stroke start to the pointer, the same shape
// previewed on every move and drawn once more on release.
class TwoPointTool : public AnnotationTool {
  public:
    void preview(ToolContext& context, QPointF end) override;
    bool release(ToolContext& context, QPointF at, QPointF end) override;

  protected:
    virtual void draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const = 0;
};

class ArrowTool : public TwoPointTool {
  protected:
    void draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const override;
};

class EllipseTool : public TwoPointTool {
  protected:
    void draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const override;
};

class RectangleTool : public TwoPointTool {
  protected:
    void draw(DrawingSurface& picture, QPointF from, QPointF to, RgbColor colour) const override;
};

// Text takes two clicks: the first opens the typing box where it was released, the
// next prints what was typed there, in the current colour and size.
class TextTool : public AnnotationTool {
  public:
    void preview(ToolContext&, QPointF) override {}
    bool release(ToolContext& context, QPointF at, QPointF end) override;
};

std::unique_ptr<AnnotationTool> makeTool(CaptureTool tool);

}  // namespace chromadeck::capture
