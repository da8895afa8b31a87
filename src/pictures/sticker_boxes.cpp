#include "sticker_boxes.h"

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "canvas/numeric.h"
#include "drag_box.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/picture_files.h"
#include "platform/picture_io.h"

#include <QDir>

namespace chromadeck {

std::optional<RgbColor> MaskColour(const ClickableLabel& swatch) {
    if (!swatch.hasBackColor()) return std::nullopt;
    return swatch.BackColor();
}

QSize StickerSize(const QImage& picture) {
    if (picture.isNull()) return QSize(0, 0);
    // Pictures keep their size in HIMETRIC as whole numbers; one screen pixel is 1/96 in.
    const auto himetric = [](int pixels) {
        return roundHalfEven(
            DrawingSurface::ScaleX(pixels, DrawingSurface::kPixels, DrawingSurface::kHimetric));
    };
    const auto pixels = [](double himetricValue) {
        return toLong(DrawingSurface::ScaleX(himetricValue, DrawingSurface::kHimetric,
                                             DrawingSurface::kPixels))
            .value_or(0);
    };
    return QSize(pixels(himetric(picture.width())), pixels(himetric(picture.height())));
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
    const auto picture =
        platform::OpenPictureFile(*c_.CDlg, *c_.messages, c_.window, QStringLiteral("导入图片"));
    if (!picture) return;
    c_.Picture3->setPicture(*picture);
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
    const QSize size = StickerSize(sticker.Picture());
    if (size.isEmpty()) return;  // an empty sticker pastes nothing
    // The press point in canvas units, taken as pixels at seven tenths: close to where
    // the pointer is on the main canvas.
    const auto xd = toLong(double(X) - double(X) * 0.3);
    const auto yd = toLong(double(Y) - double(Y) * 0.3);
    if (!xd || !yd) return;
    const QImage source = sticker.Image();
    const std::optional<RgbColor> mask = MaskColour(*c_.Label17);
    if (mask) {
        canvas.TransparentBlt(*xd, *yd, size.width(), size.height(), source, 0, 0, size.width(),
                              size.height(), *mask);
    } else {
        canvas.BitBlt(*xd, *yd, size.width(), size.height(), source, 0, 0);
    }
    canvas.Refresh();
}

}  // namespace chromadeck
