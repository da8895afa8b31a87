// SPDX-License-Identifier: GPL-3.0-or-later
// The window's mouse handed to the session, and the selection as the session leaves it:
// the frame, its eight handles, the size and colour read-outs, and the toolbar beside it.
#include "capture_form.h"

#include "canvas/mouse_codes.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace chromadeck {

using namespace capture;

// ---- the picture

void CaptureForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!session_) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    DrawingSurface& picture = session_->surface();
    picture.repaintStarted();
    const QImage& shown = picture.persistentImage();
    const qreal ratio = session_->scale().ratio;
    // Only what changed: a stroke's preview repaints the old and the new shape's place.
    for (const QRect& part : event->region()) {
        // The picture's device pixels over the window's logical ones: on a screen of the
        // grab's density that is one to one, so the frozen screen is as sharp as the screen.
        const QRectF pixels(part.x() * ratio, part.y() * ratio, part.width() * ratio,
                            part.height() * ratio);
        if (!QRectF(shown.rect()).contains(pixels))
            painter.fillRect(part, picture.BackColor().toQColor());
        painter.drawImage(QRectF(part), shown, pixels);
        if (const QImage* layer = picture.screenLayer())
            painter.drawImage(QRectF(part), *layer, pixels);
    }
}

void CaptureForm::scheduleRepaintOf(const QRect& pixels) {
    // Device pixels to the window pixels that show any part of them.
    const qreal ratio = session_ ? session_->scale().ratio : 1;
    update(QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                  pixels.height() / ratio)
               .toAlignedRect());
}

QSize CaptureForm::drawingArea() const {
    return session_ ? session_->scale().deviceSize(size()) : size();
}

// ---- the window's mouse, in whole window pixels as the window system reports them

void CaptureForm::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Form_MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()),
                   float(p.y()));
}

void CaptureForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Form_MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()),
                   float(p.y()));
}

void CaptureForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Form_MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()),
                 float(p.y()));
}

void CaptureForm::mouseDoubleClickEvent(QMouseEvent* event) {
    Form_DblClick();
    // A double click is also a press, as far as the selection is concerned; one that
    // copied has closed the run, and then there is nothing left to press on.
    mousePressEvent(event);
}

void CaptureForm::Form_MouseDown(int Button, int, float X, float Y) {
    if (!session_) return;
    session_->mouseDown(Button, X, Y);
    present();
}

void CaptureForm::Form_MouseMove(int Button, int, float X, float Y) {
    if (!session_) return;
    session_->mouseMove(Button, X, Y);
    present();
}

void CaptureForm::Form_MouseUp(int Button, int, float X, float Y) {
    if (!session_) return;
    if (session_->mouseUp(Button, X, Y) == CaptureSession::Next::Close) {
        Unload();
        return;
    }
    present();
}

// ---- the handles

void CaptureForm::Image1_MouseDown(int, int, int, float, float) {
    if (!session_) return;
    session_->handleDown();
    present();
}

void CaptureForm::Image1_MouseMove(int Index, int, int, float, float) {
    if (!session_) return;
    // The window covers the screen from its corner: the cursor in window pixels.
    session_->handleMove(Index,
                         services_.screen.cursorPos() - services_.screen.geometry().topLeft());
    present();
}

void CaptureForm::Image1_MouseUp(int, int, int, float, float) {
    if (!session_) return;
    session_->handleUp();
    present();
}

// ---- showing the session

void CaptureForm::present() {
    if (!session_) return;
    const Overlay& shown = session_->overlay();
    const Frame& f = shown.frame;
    Shape1At.Move(f.Left, f.Top, f.Width, f.Height);
    Shape1->setVisible(shown.frameShown);
    if (shown.handlesShown) placeSelection(f);
    for (HandleImage* handle : Image1) handle->setVisible(shown.handlesShown);
    LblPos->setVisible(shown.handlesShown);
    lblInfo->setVisible(shown.handlesShown);
    lblInfo->setText(shown.colourText);

    if (shown.toolbarShown) PlaceToolbar();
    Picture1->setVisible(shown.toolbarShown);
    Picture2->setVisible(shown.panelShown);
    // Setting the back colour repaints the swatch: only when the colour changed.
    if (Pcolor[16]->surface().BackColor() != session_->colour())
        Pcolor[16]->surface().setBackColor(session_->colour());
}

void CaptureForm::hideSelection() {
    Shape1->hide();
    LblPos->hide();
    lblInfo->hide();
    for (HandleImage* handle : Image1) handle->hide();
}

// The handles around the frame, the size read-out in its corner and the colour one under.
void CaptureForm::placeSelection(const Frame& f) {
    const std::array<QPointF, 8> places = handlePlaces(f, QSizeF(kHandleSize, kHandleSize));
    for (size_t k = 0; k < places.size(); ++k)
        Image1At[k].Move(float(places[k].x()), float(places[k].y()));
    LblPos->setText(sizeText(f.Width, f.Height));
    LblPosAt.Move(f.Left + 2, f.Top + 2);
    lblInfoAt.Move(f.Left + 2, LblPosAt.Top() + LblPosAt.Height() + 2);
}

void CaptureForm::PlaceToolbar() {
    const QPointF at = toolbarPlace(frame(), QSizeF(Picture1At.Width(), Picture1At.Height()),
                                    screenHeightPixels());
    Picture1At.Move(float(at.x()), float(at.y()));
}

}  // namespace chromadeck
