// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"
#include "sticker_paste.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>

class QWidget;

namespace chromadeck {

class Canvas;
class ClickableLabel;
namespace platform {
class CommonDialog;
class MessageBox;
}  // namespace platform

// The main window's controls for stickers: the canvas, the two floating boxes on it,
// the mask swatch and the window's dialog.
struct StickerControls {
    QWidget* window = nullptr;
    Canvas* Picture1 = nullptr;         // the main canvas
    Canvas* Picture2 = nullptr;         // the rotation output box
    Canvas* Picture3 = nullptr;         // the sticker
    ClickableLabel* Label17 = nullptr;  // its background is the mask colour
    platform::CommonDialog* CDlg = nullptr;
    platform::MessageBox* messages = nullptr;
};

// The mask colour is the swatch's background. Until a colour is picked the swatch shows
// the platform's own label colour, which stands for no colour at all: it masks nothing.
std::optional<RgbColor> MaskColour(const ClickableLabel& swatch);

class StickerBoxes {
  public:
    explicit StickerBoxes(const StickerControls& controls);

    void Command10_Click();  // "显示副图": show both boxes
    void Command8_Click();   // "关闭副图": hide both
    void Command11_Click();  // "导入图片": a picture file into the sticker box
    void Label17_Click();    // the mask colour from the colour dialog
    // The mask colour becomes the pixel under the pointer (box pixels); then the box drags.
    void Picture3_MouseDown(int button, int shift, float x, float y);
    void Picture2_MouseDown(int button, int shift, float x, float y);
    // A press in the paste mode: the sticker at about the press point, mask left out.
    void Paste(float X, float Y);

  private:
    StickerControls c_;
};

}  // namespace chromadeck
