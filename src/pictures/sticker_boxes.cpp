// SPDX-License-Identifier: GPL-3.0-or-later
#include "sticker_boxes.h"

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "canvas/numeric.h"
#include "drag_box.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/picture_files.h"
#include "platform/picture_io.h"

#include <QCoreApplication>
#include <QDir>

namespace chromadeck {

std::optional<RgbColor> MaskColour(const ClickableLabel& swatch) {
    if (!swatch.hasBackColor()) return std::nullopt;
    return swatch.BackColor();
}

StickerBoxes::StickerBoxes(const StickerControls& controls) : c_(controls) {}

void StickerBoxes::Command10_Click() {
    c_.Picture3->setVisible(true);
    c_.Picture2->setVisible(true);
}

void StickerBoxes::Command8_Click() {
    c_.Picture3->setVisible(false);
    c_.Picture2->setVisible(false);
}

void StickerBoxes::Command11_Click() {
    // On a cancel or an unreadable file the sticker stays as it is.
    const auto picture = platform::OpenPictureFile(
        *c_.CDlg, *c_.messages, c_.window, QCoreApplication::translate("StickerBoxes", "导入图片"));
    if (!picture) return;
    if (!c_.Picture3->setPicture(*picture)) {
        platform::TellPictureCannotBeShown(*c_.messages, c_.window,
                                           QCoreApplication::translate("StickerBoxes", "导入图片"),
                                           picture->size());
        return;
    }
    c_.Picture3->setVisible(true);
    c_.Picture2->setVisible(true);
}

void StickerBoxes::Label17_Click() {
    platform::CommonDialog& dialog = *c_.CDlg;
    if (!dialog.ShowColor()) return;
    c_.Label17->setBackColor(RgbColor::fromQColor(dialog.Color));
}

void StickerBoxes::Picture3_MouseDown(int, int, float x, float y) {
    Canvas& box = *c_.Picture3;
    // A press on the box's border reads no pixel; the mask colour then stays.
    const RgbColor picked = box.surface().Point(x, y);
    if (!picked.isNoPixel()) c_.Label17->setBackColor(picked);
    DragBox(&box, QPoint(box.surface().pixelX(x) + box.borderWidth(),
                         box.surface().pixelY(y) + box.borderWidth()));
}

void StickerBoxes::Picture2_MouseDown(int, int, float x, float y) {
    Canvas& box = *c_.Picture2;
    DragBox(&box, QPoint(box.surface().pixelX(x) + box.borderWidth(),
                         box.surface().pixelY(y) + box.borderWidth()));
}

void StickerBoxes::Paste(float X, float Y) {
    c_.Picture1->setMousePointer(platform::CursorCode::Arrow);
    c_.Picture3->setVisible(true);
    c_.Picture2->setVisible(false);
    DrawingSurface& canvas = c_.Picture1->surface();
    DrawingSurface& sticker = c_.Picture3->surface();
    canvas.setAutoRedraw(true);
    sticker.setAutoRedraw(true);
    if (PasteSticker(canvas, sticker, MaskColour(*c_.Label17), X, Y)) canvas.Refresh();
}

}  // namespace chromadeck
