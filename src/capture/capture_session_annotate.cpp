// The capture run's annotations and toolbar: the chosen tool's strokes, undo and redo.
#include "capture_session.h"

#include <QCoreApplication>

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
    const QImage kept = surface_.Image();
    // Without the memory the picture stays as last kept (the annotation is on the screen
    // until the next stroke) rather than be replaced by an empty one.
    if (kept.isNull()) {
        view_.tellOutOfMemory(QCoreApplication::translate(
            "CaptureSession", "无法保留这次标注，下一笔开始时它会消失。"));
        return;
    }
    surface_.setPicture(kept);
    if (!history_.PushSnapshot(surface_.Picture()))
        view_.tellOutOfMemory(QCoreApplication::translate(
            "CaptureSession", "这次标注无法记入撤销记录，撤销时它会与上一步一起撤销。"));
}

void CaptureSession::Undo() {
    const CaptureHistory::Step step = history_.Undo();
    if (step.kind == CaptureHistory::Step::Refused) {
        view_.tellOutOfMemory(QCoreApplication::translate("CaptureSession", "无法撤销这一步。"));
    } else if (step.kind == CaptureHistory::Step::Show) {
        surface_.setPicture(step.picture);
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
    if (step.kind == CaptureHistory::Step::Show) surface_.setPicture(step.picture);
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
    surface_.Cls();
    ToolContext context = toolContext();
    tool().preview(context, strokeEnd(X, Y));
}

void CaptureSession::annotationRelease(float X, float Y) {
    surface_.setAutoRedraw(true);
    surface_.Cls();  // back to the picture as last kept
    ToolContext context = toolContext();
    if (!tool().release(context, QPointF(X, Y), strokeEnd(X, Y))) return;
    run_.Drawing = false;
    PushSnapshot();
}

}  // namespace chromadeck::capture
