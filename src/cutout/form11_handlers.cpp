// SPDX-License-Identifier: GPL-3.0-or-later
// What the cut-out window does: the pen and the fill on the pad, the colour, file and
// clear buttons.
#include "canvas/random_source.h"
#include "form11.h"
#include "pad_fill.h"
#include "platform/picture_files.h"
#include "platform/picture_io.h"

#include <QDir>

namespace chromadeck {

// ---- the pad

void Form11::Picture1_MouseDown(int, int, float x, float y) {
    if (Option5->isChecked()) {
        fillAt(x, y);
        return;
    }
    // The pen goes down where pressed; it draws only once it moves. A position past the
    // Integer range (a pad grown to a huge picture) is a press that does nothing.
    const std::optional<Integer> px = toInteger(x), py = toInteger(y);
    if (!px || !py) return;
    penDown_ = true;
    lastX_ = *px;
    lastY_ = *py;
}

void Form11::Picture1_MouseMove(int, int, float x, float y) {
    if (!penDown_) return;
    const std::optional<Integer> px = toInteger(x), py = toInteger(y);
    if (!px || !py) return;
    Picture1->surface().Line(lastX_, lastY_, *px, *py);
    lastX_ = *px;
    lastY_ = *py;
}

void Form11::Picture1_MouseUp(int, int, float, float) {
    penDown_ = false;
}

void Form11::fillAt(float x, float y) {
    // Every fill also makes the main window's colours unpredictable from here on.
    random_.ReseedFromClock();
    FillPadAt(Picture1->surface(), Label1->BackColor(), x, y);
    penDown_ = false;
}

// ---- pen widths; the fill option keeps the width it finds

void Form11::Option1_Click() {
    Picture1->surface().setDrawWidth(1);
}
void Form11::Option2_Click() {
    Picture1->surface().setDrawWidth(2);
}
void Form11::Option3_Click() {
    Picture1->surface().setDrawWidth(4);
}
void Form11::Option4_Click() {
    Picture1->surface().setDrawWidth(8);
}
void Form11::Option6_Click() {
    Picture1->surface().setDrawWidth(30);
}

// ---- colours

void Form11::Command1_Click() {
    if (!CDlg.ShowColor()) return;
    Picture1->surface().setForeColor(RgbColor::fromQColor(CDlg.Color));
}

void Form11::Command3_Click() {
    if (!CDlg.ShowColor()) return;
    // The sticker pasted later should drop the colour the pad was filled with.
    const RgbColor mask = RgbColor::fromQColor(CDlg.Color);
    Label1->setBackColor(mask);
    if (mainMaskSwatch_) mainMaskSwatch_->setBackColor(mask);
}

void Form11::Label1_Click() {
    if (!CDlg.ShowColor()) return;
    Label1->setBackColor(RgbColor::fromQColor(CDlg.Color));
}

// ---- files

void Form11::Command4_Click() {
    // On a cancel or an unreadable file the pad keeps its picture and drawing.
    const auto picture = platform::OpenPictureFile(CDlg, services_.messages, this, tr("打开图片"));
    // A new picture starts a new cut-out; the pad takes the picture's size.
    if (picture && !Picture1->setPicture(*picture)) {
        platform::TellPictureCannotBeShown(services_.messages, this, tr("打开图片"),
                                           picture->size());
    }
}

void Form11::Command5_Click() {
    platform::SavePictureBmpFile(CDlg, services_.messages, this, tr("保存图片"),
                                 Picture1->surface().Image());
}

void Form11::Command2_Click() {
    // Strokes and fills go; an opened picture stays.
    Picture1->surface().Cls();
}

}  // namespace chromadeck
