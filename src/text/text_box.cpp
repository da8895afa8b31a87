// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include "canvas/canvas.h"
#include "platform/common_dialog.h"
#include "text_stamp.h"

#include <QComboBox>
#include <QLineEdit>

namespace chromadeck {

TextStamper::TextStamper(const TextControls& controls)
    : canvas_(controls.Picture1),
      text_(controls.Text5),
      angle_(controls.Combo6),
      dialog_(controls.CDlg) {}

void TextStamper::Option2_Click() {
    text_->setVisible(true);
}

void TextStamper::Option1_Click() {
    text_->setVisible(false);
}

void TextStamper::Command12_Click() {
    platform::CommonDialog& dialog = *dialog_;
    // The dialog opens on the font the text box shows.
    const QFont current = text_->font();
    dialog.Font = {current.family(), current.pointSizeF(), current.bold(), current.italic()};
    if (!dialog.ShowFont()) return;
    QFont chosen(dialog.Font.name);
    chosen.setPointSizeF(dialog.Font.size);
    chosen.setBold(dialog.Font.bold);
    chosen.setItalic(dialog.Font.italic);
    text_->setFont(chosen);
}

void TextStamper::Command13_Click() {
    platform::CommonDialog& dialog = *dialog_;
    if (!dialog.ShowColor()) return;
    canvas_->surface().setForeColor(RgbColor::fromQColor(dialog.Color));
}

void TextStamper::Stamp(float X, float Y) {
    StampText(*this, X, Y);
}

bool TextStamper::present() const {
    return canvas_ && text_ && angle_;
}
DrawingSurface& TextStamper::Picture1() {
    return canvas_->surface();
}
void TextStamper::setPicture1Pointer(platform::CursorCode code) {
    canvas_->setMousePointer(code);
}
QString TextStamper::Text5() const {
    return text_->text();
}
QFont TextStamper::Text5Font() const {
    return text_->font();
}
QString TextStamper::Combo6() const {
    return angle_->currentText();
}

}  // namespace chromadeck
