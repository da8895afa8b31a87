// Undo and redo: the window's picture stepping through the history.
#include "capture_form.h"

namespace chromadeck {

using namespace capture;

void CaptureForm::PushSnapshot() {
    setPicture(surface().Image());
    history_.PushSnapshot(surface().Picture());
}

void CaptureForm::Undo() {
    const CaptureHistory::Step step = history_.Undo();
    if (step.kind == CaptureHistory::Step::Show) {
        setPicture(step.picture);
    } else if (step.kind == CaptureHistory::Step::PastFirst) {
        // Nothing left to undo: the region goes and the window is selecting again. The
        // picture and the later snapshots stay, so redo can bring them back.
        run_.SelMode = kSelDraw;
        Shape1->hide();
        Picture1->hide();
        Picture2->hide();
        LblPos->hide();
        lblInfo->hide();
        Shape1At.Move(Shape1At.Left(), Shape1At.Top(), 0, 0);
        for (HandleImage* handle : Image1) handle->hide();
        run_.ToolOn = 0;
    }
}

void CaptureForm::Redo() {
    const CaptureHistory::Step step = history_.Redo();
    if (step.kind == CaptureHistory::Step::Show) setPicture(step.picture);
}

}  // namespace chromadeck
