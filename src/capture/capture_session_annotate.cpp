// SPDX-License-Identifier: GPL-3.0-or-later
// The capture run's annotations and toolbar: the chosen tool's strokes, undo and redo.
#include "capture_session.h"

#include <QCoreApplication>
#include <utility>

namespace chromadeck::capture {

// ---- the toolbar

void CaptureSession::pressButton(ToolbarButton button) {
    if (button == ToolbarButton::Undo) {
        Undo();
    } else if (button == ToolbarButton::Redo) {
        Redo();
    } else if (const std::optional<CaptureTool> chosen = toolOf(button)) {
        chooseTool(*chosen);
    } else {
        return;  // copy, save and exit end the run: the window's business
    }
    run_.LastButton = button;
}

void CaptureSession::chooseTool(CaptureTool chosen) {
    // The first tool opens the options panel; the same tool again hides it, another one
    // keeps it.
    if (!overlay_.panelShown)
        overlay_.panelShown = true;
    else if (run_.LastButton == buttonOf(chosen))
        overlay_.panelShown = false;
    run_.ToolOn = true;
    run_.Tool = chosen;
}

void CaptureSession::PushSnapshot() {
    const QImage before = std::exchange(drawnOver_, QImage());
    if (!history_.PushDrawn(before, drawnAt_)) {
        // Without the memory to keep it, the annotation goes at once, rather than stay on
        // the screen where no copy or undo would know of it.
        if (!before.isNull()) {
            surface_.BitBlt(drawnAt_.x(), drawnAt_.y(), before.width(), before.height(), before, 0,
                            0);
        }
        view_.tellOutOfMemory(QCoreApplication::translate("CaptureSession", "无法保留这次标注。"));
    }
    surface_.takeDrawnRect();
}

void CaptureSession::Undo() {
    const CaptureHistory::Step step = history_.Undo();
    if (step.kind == CaptureHistory::Step::Refused) {
        view_.tellOutOfMemory(QCoreApplication::translate("CaptureSession", "无法撤销这一步。"));
    } else if (step.kind == CaptureHistory::Step::Show) {
        surface_.markDrawn(step.changed);  // the history changed the picture shown itself
    } else if (step.kind == CaptureHistory::Step::PastFirst) {
        // Nothing left to undo: the region goes and the window is selecting again. The
        // picture and the later snapshots stay, so redo can bring them back.
        run_.SelMode = SelectionMode::Draw;
        hideSelection();
        overlay_.toolbarShown = false;
        overlay_.panelShown = false;
        setFrame({frame().Left, frame().Top, 0, 0});
        run_.ToolOn = false;
    }
}

void CaptureSession::Redo() {
    const CaptureHistory::Step step = history_.Redo();
    if (step.kind == CaptureHistory::Step::Show) surface_.markDrawn(step.changed);
    if (step.kind == CaptureHistory::Step::Refused)
        view_.tellOutOfMemory(QCoreApplication::translate("CaptureSession", "无法重做这一步。"));
}

// ---- strokes

AnnotationTool& CaptureSession::tool() {
    return *tools_[size_t(run_.Tool.value_or(CaptureTool::Arrow))];
}

ToolContext CaptureSession::toolContext() {
    const QPointF start(run_.StrokeX, run_.StrokeY);
    return ToolContext{surface_, scale_, colour_, view_, lastTextSize_, start};
}

QPointF CaptureSession::strokeEnd(float X, float Y) const {
    const Frame& f = frame();
    const float right = f.Left + f.Width, bottom = f.Top + f.Height;
    const float x2 = X > right ? right : (X < f.Left ? f.Left : X);
    const float y2 = Y > bottom ? bottom : (Y < f.Top ? f.Top : Y);
    return {x2, y2};
}

void CaptureSession::annotationPress(float X, float Y) {
    if (!run_.Tool || !strictlyInside(frame(), X, Y)) return;
    run_.Drawing = true;
    surface_.setAutoRedraw(false);  // the preview goes to the screen only
    // One start for the run, not one per tool: with the typing box still open, another
    // tool's stroke begun outside the region runs from the text click.
    run_.StrokeX = X;
    run_.StrokeY = Y;
}

void CaptureSession::annotationMove(float X, float Y) {
    if (!run_.Drawing) return;
    // A stroke may go on after the text tool's first click let the pen draw for keeps
    // again: previews stay screen-only all the same. The surface's own background is the
    // grabbed screen, not the kept picture, so nothing here may rebuild from it.
    surface_.setAutoRedraw(false);
    surface_.Cls();  // the last preview goes, where it was
    ToolContext context = toolContext();
    tool().preview(context, strokeEnd(X, Y));
}

void CaptureSession::annotationRelease(float X, float Y) {
    // Back to the picture as last kept: the preview goes. The pen may be drawing for keeps
    // since a text click, and the surface's own background is the grabbed screen, not the
    // kept picture: the surface must not rebuild from it.
    surface_.setAutoRedraw(false);
    surface_.Cls();
    keepWhatReleaseCovers(X, Y);
    surface_.setAutoRedraw(true);
    surface_.takeDrawnRect();
    ToolContext context = toolContext();
    if (!tool().release(context, QPointF(X, Y), strokeEnd(X, Y))) {
        drawnOver_ = QImage();
        return;
    }
    run_.Drawing = false;
    PushSnapshot();
    // Between strokes the previews' pages of a screen-sized layer would stay resident.
    surface_.releaseScreenLayer();
}

void CaptureSession::keepWhatReleaseCovers(float X, float Y) {
    // The history keeps the pixels an annotation covers as they were, and the picture
    // shown is the only screenful there is: they are put aside before the release draws.
    // A shape draws on release what its preview at the same point draws, so a preview
    // on the screen-only layer says where; text says nothing and costs a screenful.
    surface_.takeDrawnRect();
    ToolContext context = toolContext();
    tool().preview(context, strokeEnd(X, Y));
    QRect covered = surface_.takeDrawnRect();
    surface_.Cls();
    const bool printing = run_.Tool == CaptureTool::Text && view_.typingBoxOpen();
    if (printing) covered = QRect(QPoint(0, 0), surface_.drawingSize());
    drawnAt_ = covered.topLeft();
    drawnOver_ = covered.isEmpty() ? QImage() : history_.kept().copy(covered);
}

}  // namespace chromadeck::capture
