// SPDX-License-Identifier: GPL-3.0-or-later
// What the session asks of the window: the screen pointer, and the text tool's typing box
// with the size typed on the options panel.
#include "capture_form.h"

#include <cmath>

namespace chromadeck {

using namespace capture;

namespace {
constexpr float kTextBoxWidth = 375.0f / 15.0f;
}  // namespace

void CaptureForm::setPointer(platform::CursorCode code) {
    services_.screen.setMousePointer(code);
}

QString CaptureForm::typedTextSize() const {
    return Text1->text();
}

bool CaptureForm::typingBoxOpen() const {
    return !TextEdit->isHidden();
}

void CaptureForm::openTypingBox(QPoint at) {
    TextEdit->setGeometry(at.x(), at.y(), int(kTextBoxWidth), TextEdit->sizeHint().height());
    TextEdit->show();
    TextEdit->raise();
    TextEdit->setFocus();
    growTextEdit();
}

void CaptureForm::styleTypingBox(double points, RgbColor colour) {
    QPalette palette = TextEdit->palette();
    palette.setColor(QPalette::Text, colour.toQColor());
    TextEdit->setPalette(palette);
    // Typed in the face the text will be printed in, so that nothing jumps on commit and
    // the box, which grows by the printed width, always holds what was typed.
    QFont font = session_ ? session_->surface().printFont() : TextEdit->font();
    font.setPointSizeF(points);
    TextEdit->setFont(font);
}

QString CaptureForm::typedText() const {
    return TextEdit->text();
}

QPoint CaptureForm::typingBoxAt() const {
    return TextEdit->pos();
}

void CaptureForm::closeTypingBox() {
    const bool typing = TextEdit->hasFocus();
    TextEdit->hide();
    TextEdit->setText(QString());
    // The keys go back to the window (Enter copies), not to the next field in line.
    if (typing) setFocus();
}

// The box grows with its text and never shrinks while it is open.
void CaptureForm::growTextEdit() {
    if (!session_) return;
    const float needed = session_->surface().TextWidth(TextEdit->text());
    if (needed > TextEdit->width()) TextEdit->resize(int(std::ceil(needed)), TextEdit->height());
}

}  // namespace chromadeck
