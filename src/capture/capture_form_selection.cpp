// Region selection: the rubber band, moving the fixed region, the eight resize handles,
// the size and colour read-outs, and where the toolbar goes.
#include "capture_form.h"

namespace chromadeck {

using namespace capture;

void CaptureForm::hideSelection() {
    Shape1->hide();
    LblPos->hide();
    lblInfo->hide();
    for (HandleImage* handle : Image1) handle->hide();
}

void CaptureForm::placeLabels() {
    const Frame f = frame();
    LblPosAt.Move(f.Left + 2, f.Top + 2);
    lblInfoAt.Move(f.Left + 2, LblPosAt.Top() + LblPosAt.Height() + 2);
}

void CaptureForm::ResetSelection(float x, float y) {
    run_.OriginX = x;
    run_.OriginY = y;
    setFrame({run_.OriginX, run_.OriginY, 0, 0});
    hideSelection();
}

void CaptureForm::ImageMove() {
    const std::array<QPointF, 8> places =
        handlePlaces(frame(), QSizeF(Image1At[0].Width(), Image1At[0].Height()));
    for (size_t k = 0; k < places.size(); ++k) {
        Image1At[k].Move(float(places[k].x()), float(places[k].y()));
        Image1[k]->show();
    }
}

void CaptureForm::PlaceToolbar() {
    const QPointF at = toolbarPlace(frame(), QSizeF(Picture1At.Width(), Picture1At.Height()),
                                    screenHeightPixels());
    Picture1At.Move(float(at.x()), float(at.y()));
    Picture1->show();
}

// ---- the window's mouse

void CaptureForm::Form_MouseDown(int Button, int, float X, float Y) {
    if (run_.ToolOn != 0) {
        annotationPress(X, Y);
        return;
    }
    Picture1->hide();
    if (run_.SelMode == kSelDraw) {
        Shape1->show();
        run_.OriginX = X;
        run_.OriginY = Y;
        setFrame({run_.OriginX, run_.OriginY, 0, 0});
        if (Button == 2) run_.RightUpKeeps = 0;
        return;
    }

    setScreenPointer(platform::CursorCode::Cross);
    run_.HitRect = hitRectOf(frame());
    if (PtInRect(run_.HitRect, toLongClamped(X), toLongClamped(Y))) {
        run_.PressX = X;
        run_.PressY = Y;
        if (Button != 2) return;  // the start of a move
    }
    // A press outside, or a right press inside, throws the region away; its release must
    // not close the window.
    ResetSelection(X, Y);
    setScreenPointer(platform::CursorCode::Default);
    run_.SelMode = kSelDraw;
    run_.RightUpKeeps = 1;
}

void CaptureForm::Form_MouseMove(int Button, int, float X, float Y) {
    // The colour read-out follows the pointer whatever else goes on, shown or not.
    lblInfo->setText(colourText(surface().GetPixel(toLongClamped(X), toLongClamped(Y))));
    if (run_.ToolOn != 0) {
        annotationMove(X, Y);
        return;
    }

    setScreenPointer(strictlyInside(frame(), X, Y) ? platform::CursorCode::SizeAll
                                                   : platform::CursorCode::Cross);
    if (Button != 1) return;

    Shape1->hide();
    LblPos->hide();
    lblInfo->hide();
    if (run_.SelMode == kSelDraw) {
        if (const std::optional<Frame> band = rubberBand(run_.OriginX, run_.OriginY, X, Y))
            setFrame(*band);
        LblPos->setText(sizeText(Shape1At.Width(), Shape1At.Height()));
        placeLabels();
        setScreenPointer(platform::CursorCode::Cross);
    } else {
        setScreenPointer(platform::CursorCode::SizeAll);
        setFrame(movedFrame(frame(), QPointF(run_.OriginX, run_.OriginY),
                            QPointF(run_.PressX, run_.PressY), X, Y,
                            QSizeF(screenWidthPixels(), screenHeightPixels())));
        placeLabels();
    }
    ImageMove();
    Shape1->show();
    LblPos->show();
    lblInfo->show();
}

void CaptureForm::Form_MouseUp(int Button, int, float X, float Y) {
    if (run_.Drawing == -1) annotationRelease(X, Y);
    if (Button != 1) {
        if (run_.RightUpKeeps == 0) Unload();
        return;
    }
    if (run_.SelMode == kSelDraw) run_.SelMode = kSelMove;  // the region is fixed
    run_.OriginX = Shape1At.Left();
    run_.OriginY = Shape1At.Top();
    PlaceToolbar();
}

// ---- the handles

void CaptureForm::Image1_MouseDown(int, int, int, float, float) {
    // With only the bare screen shown there is nothing a tool could have drawn yet.
    if (history_.SnapPos() == 1) run_.ToolOn = 0;
    if (run_.ToolOn != 0) return;
    if (run_.SelMode != kSelMove) return;

    run_.HandleDrag = QStringLiteral("Start");
    const Frame f = frame();
    run_.FrameLeft = f.Left;
    run_.FrameTop = f.Top;
    run_.FrameRight = f.Width + f.Left;
    run_.FrameBottom = f.Height + f.Top;
    Picture1->hide();
    Picture2->hide();
    history_.ResetToFirst();
}

void CaptureForm::Image1_MouseMove(int Index, int, int, float, float) {
    setScreenPointer(kHandleCursor[size_t(Index)]);
    if (run_.HandleDrag != QLatin1String("Start")) return;

    // The window covers the screen from its corner: screen pixels are window pixels.
    const QPoint cursor = services_.screen.cursorPos();
    run_.CursorPt.x = cursor.x();
    run_.CursorPt.y = cursor.y();
    Site& handle = Image1At[size_t(Index)];
    handle.Move(float(run_.CursorPt.x), float(run_.CursorPt.y));

    const FrozenEdges edges{run_.FrameLeft, run_.FrameTop, run_.FrameRight, run_.FrameBottom};
    // Past the opposite edge the size would turn negative: the frame stays where it was.
    if (const std::optional<Frame> f =
            handleDragFrame(Index, run_.CursorPt.x, run_.CursorPt.y,
                            QSizeF(handle.Width(), handle.Height()), edges))
        setFrame(*f);
    ImageMove();
    LblPos->setText(sizeText(Shape1At.Width(), Shape1At.Height()));
    placeLabels();
    run_.OriginX = Shape1At.Left();
    run_.OriginY = Shape1At.Top();
}

void CaptureForm::Image1_MouseUp(int, int, int, float, float) {
    run_.HandleDrag = QStringLiteral("Stop");
    PlaceToolbar();
}

}  // namespace chromadeck
