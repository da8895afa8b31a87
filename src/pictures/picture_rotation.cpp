// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_rotation.h"

#include "canvas/canvas.h"
#include "canvas/numeric.h"
#include "platform/common_dialog.h"
#include "platform/cursors.h"
#include "platform/message_box.h"
#include "platform/picture_files.h"
#include "rotation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QScrollBar>
#include <algorithm>

namespace chromadeck {

PictureRotation::PictureRotation(const RotationControls& controls) : c_(controls) {}

void PictureRotation::Command15_Click() {
    platform::applyMousePointer(c_.window, platform::CursorCode::Hourglass);
    const auto degrees = textToDouble(c_.Combo7->currentText());
    DrawingSurface& output = c_.Picture2->surface();
    // A box made larger than the memory for its picture allows turns nothing.
    const bool fits = output.coversDrawingArea();
    if (degrees && fits) {
        output.Refresh();
        c_.Picture2->setVisible(true);
        output.setAutoRedraw(true);
        RotatePictureFast(c_.Picture3->surface(), output, *degrees);
        c_.Picture1->surface().Refresh();
    }
    platform::applyMousePointer(c_.window, platform::CursorCode::Default);
    if (degrees && !fits) {
        platform::TellPictureCannotBeShown(*c_.messages, c_.window,
                                           QCoreApplication::translate("PictureRotation", "旋转"),
                                           output.drawingSize());
    }
}

void PictureRotation::Command16_Click() {
    c_.Picture2->surface().Cls();
}

void PictureRotation::Command17_Click() {
    platform::SavePictureBmpFile(*c_.CDlg, *c_.messages, c_.window,
                                 QCoreApplication::translate("PictureRotation", "保存旋转图"),
                                 c_.Picture2->surface().Image());
}

void PictureRotation::HScroll5_Change() {
    // The bars count canvas units: the box lies on the main canvas.
    Canvas& output = *c_.Picture2;
    const int height =
        toLong(c_.Picture1->surface().unitsToPixelsY(c_.HScroll5->value())).value_or(1);
    output.resize(output.width(), std::max(1, height));
}

void PictureRotation::HScroll6_Change() {
    Canvas& output = *c_.Picture2;
    const int width =
        toLong(c_.Picture1->surface().unitsToPixelsX(c_.HScroll6->value())).value_or(1);
    output.resize(std::max(1, width), output.height());
}

}  // namespace chromadeck
