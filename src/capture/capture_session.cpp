// SPDX-License-Identifier: GPL-3.0-or-later
// The capture run's region: the rubber band, moving the fixed region and the eight
// resize handles, and when the toolbar shows beside it.
#include "capture_session.h"

#include <algorithm>

namespace chromadeck::capture {

CaptureSession::CaptureSession(CaptureView& view, QSizeF screen, HistoryLimits limits)
    : view_(view),
      screen_(screen),
      // The picture takes the screen's size when it comes, at its own density.
      surface_(QSize(1, 1)),
      history_(limits),
      tools_{makeTool(CaptureTool::Arrow), makeTool(CaptureTool::Text),
             makeTool(CaptureTool::Ellipse), makeTool(CaptureTool::Rectangle)} {}

bool CaptureSession::start(const QImage& shot) {
    surface_.setAutoRedraw(true);
    scale_.ratio = shot.devicePixelRatio();
    if (shot.isNull() || !surface_.setPicture(shot)) return false;
    // The shot is the surface's picture before the surface takes the screen's size, so
    // the image shown is made once, as a copy of it: the one copy of the screen an
    // opening takes.
    surface_.setDrawingSize(scale_.deviceSize(screen_));
    scale_.setUp(surface_);
    // A screenful that could not be had leaves the surface without an image, or with one
    // too small.
    if (!surface_.coversDrawingArea()) return false;
    surface_.takeDrawnRect();
    if (!history_.StartHistory(surface_.Picture())) return false;
    // The picture shown is the kept picture: one screenful for both.
    history_.keepIn(surface_.editImage());
    return true;
}

QImage CaptureSession::regionPicture(Long left, Long top, Long right, Long bottom) const {
    // The kept picture holds every kept annotation and never a stroke still being drawn.
    // The copy is of pixels alone: whatever density the screen had, it is the size it says.
    QImage region = history_.kept().copy(scale_.deviceRect(left, top, right, bottom));
    region.setDevicePixelRatio(1);
    return region;
}

void CaptureSession::hideSelection() {
    overlay_.frameShown = false;
    overlay_.handlesShown = false;
}

void CaptureSession::showSelection() {
    overlay_.frameShown = true;
    overlay_.handlesShown = true;
}

// An empty region anchored at (x, y), with the frame, read-outs and handles hidden.
void CaptureSession::ResetSelection(float x, float y) {
    run_.OriginX = x;
    run_.OriginY = y;
    setFrame({x, y, 0, 0});
    hideSelection();
}

// ---- the window's mouse

void CaptureSession::mouseDown(int Button, float X, float Y) {
    if (run_.ToolOn) {
        annotationPress(X, Y);
        return;
    }
    overlay_.toolbarShown = false;
    if (run_.SelMode == SelectionMode::Draw) {
        overlay_.frameShown = true;
        run_.OriginX = X;
        run_.OriginY = Y;
        setFrame({X, Y, 0, 0});
        if (Button == 2) run_.RightUpKeeps = false;
        return;
    }

    view_.setPointer(platform::CursorCode::Cross);
    run_.HitRect = hitRectOf(frame());
    if (PtInRect(run_.HitRect, toLongClamped(X), toLongClamped(Y))) {
        run_.PressX = X;
        run_.PressY = Y;
        if (Button != 2) return;  // the start of a move
    }
    // A press outside, or a right press inside, throws the region away; its release must
    // not close the window.
    ResetSelection(X, Y);
    view_.setPointer(platform::CursorCode::Default);
    run_.SelMode = SelectionMode::Draw;
    run_.RightUpKeeps = true;
}

void CaptureSession::mouseMove(int Button, float X, float Y) {
    // The colour read-out follows the pointer whatever else goes on, shown or not.
    overlay_.colourText = colourText(surface_.Point(X, Y));
    if (run_.ToolOn) {
        annotationMove(X, Y);
        return;
    }

    view_.setPointer(strictlyInside(frame(), X, Y) ? platform::CursorCode::SizeAll
                                                   : platform::CursorCode::Cross);
    if (Button != 1) return;

    if (run_.SelMode == SelectionMode::Draw) {
        if (const std::optional<Frame> band = rubberBand(run_.OriginX, run_.OriginY, X, Y))
            setFrame(*band);
        view_.setPointer(platform::CursorCode::Cross);
    } else {
        view_.setPointer(platform::CursorCode::SizeAll);
        setFrame(movedFrame(frame(), QPointF(run_.OriginX, run_.OriginY),
                            QPointF(run_.PressX, run_.PressY), X, Y, screen_));
    }
    showSelection();
}

CaptureSession::Next CaptureSession::mouseUp(int Button, float X, float Y) {
    if (run_.Drawing) annotationRelease(X, Y);
    if (Button != 1) return run_.RightUpKeeps ? Next::Stay : Next::Close;
    run_.SelMode = SelectionMode::Move;  // the region is fixed
    run_.OriginX = frame().Left;
    run_.OriginY = frame().Top;
    overlay_.toolbarShown = true;
    return Next::Stay;
}

bool CaptureSession::doubleClickCopies() const {
    return PtInRect(run_.HitRect, toLongClamped(run_.PressX), toLongClamped(run_.PressY));
}

// ---- the keys

bool CaptureSession::regionFixed() const {
    return run_.SelMode == SelectionMode::Move && frame().Width > 0 && frame().Height > 0;
}

void CaptureSession::nudgeRegion(int dx, int dy, bool edges) {
    if (!regionFixed() || run_.Drawing) return;
    Frame f = frame();
    if (edges) {
        const float screenWidth = float(screen_.width()), screenHeight = float(screen_.height());
        f.Width = std::clamp(f.Width + float(dx), 1.0f, std::max(1.0f, screenWidth - f.Left));
        f.Height = std::clamp(f.Height + float(dy), 1.0f, std::max(1.0f, screenHeight - f.Top));
    } else {
        f = movedFrame(f, QPointF(f.Left, f.Top), QPointF(0, 0), float(dx), float(dy), screen_);
    }
    setFrame(f);
    run_.OriginX = f.Left;
    run_.OriginY = f.Top;
    showSelection();
}

// ---- the handles

void CaptureSession::handleDown() {
    // With only the bare screen shown there is nothing a tool could have drawn yet.
    if (history_.SnapPos() == 1) run_.ToolOn = false;
    if (run_.ToolOn || run_.SelMode != SelectionMode::Move) return;

    run_.HandleDrag = HandleDragPhase::Start;
    const Frame& f = frame();
    run_.FrameLeft = f.Left;
    run_.FrameTop = f.Top;
    run_.FrameRight = f.Width + f.Left;
    run_.FrameBottom = f.Height + f.Top;
    overlay_.toolbarShown = false;
    overlay_.panelShown = false;
    history_.ResetToFirst();
}

void CaptureSession::handleMove(int index, QPoint cursor) {
    view_.setPointer(kHandleCursor[size_t(index)]);
    if (run_.HandleDrag != HandleDragPhase::Start) return;

    run_.CursorPt = cursor;
    const FrozenEdges edges{run_.FrameLeft, run_.FrameTop, run_.FrameRight, run_.FrameBottom};
    // Past the opposite edge the size would turn negative: the frame stays where it was.
    if (const std::optional<Frame> f =
            handleDragFrame(index, cursor.x(), cursor.y(), QSizeF(kHandleSize, kHandleSize), edges))
        setFrame(*f);
    overlay_.handlesShown = true;
    run_.OriginX = frame().Left;
    run_.OriginY = frame().Top;
}

void CaptureSession::handleUp() {
    run_.HandleDrag = HandleDragPhase::Stop;
    overlay_.toolbarShown = true;
}

}  // namespace chromadeck::capture
