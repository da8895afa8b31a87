// SPDX-License-Identifier: GPL-3.0-or-later
// The sticker, rotation and cut-out controls of the main window, wired to their handlers.
#include "form1.h"

namespace chromadeck {

void Form1::wirePictures() {
    stickers_.emplace(StickerControls{
        .window = this,
        .Picture1 = Picture1,
        .Picture2 = Picture2,
        .Picture3 = Picture3,
        .Label17 = Label17,
        .CDlg = &CDlg,
        .messages = &services_.messages,
    });
    rotation_.emplace(RotationControls{
        .window = this,
        .Picture1 = Picture1,
        .Picture2 = Picture2,
        .Picture3 = Picture3,
        .Combo7 = Combo7,
        .HScroll5 = HScroll5,
        .HScroll6 = HScroll6,
        .CDlg = &CDlg,
        .messages = &services_.messages,
    });

    connect(Command10, &QPushButton::clicked, this, [this] { stickers_->Command10_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { stickers_->Command8_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { stickers_->Command11_Click(); });
    connect(Label17, &ClickableLabel::Click, this, [this] { stickers_->Label17_Click(); });
    connect(Picture3, &Canvas::MouseDown, this, [this](int button, int shift, float x, float y) {
        stickers_->Picture3_MouseDown(button, shift, x, y);
    });
    connect(Picture2, &Canvas::MouseDown, this, [this](int button, int shift, float x, float y) {
        stickers_->Picture2_MouseDown(button, shift, x, y);
    });
    dispatcher_->pasteSticker = [this](float X, float Y) { stickers_->Paste(X, Y); };

    connect(Command15, &QPushButton::clicked, this, [this] { rotation_->Command15_Click(); });
    connect(Command16, &QPushButton::clicked, this, [this] { rotation_->Command16_Click(); });
    connect(Command17, &QPushButton::clicked, this, [this] { rotation_->Command17_Click(); });
    connect(HScroll5, &QScrollBar::valueChanged, this, [this] { rotation_->HScroll5_Change(); });
    connect(HScroll6, &QScrollBar::valueChanged, this, [this] { rotation_->HScroll6_Change(); });

    cutout_.emplace(this, services_, random_, Label17);
    connect(Command9, &QPushButton::clicked, this, [this] { cutout_->Command9_Click(); });
}

}  // namespace chromadeck
