// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main canvas with its two floating boxes and the mask swatch, as the main window
// sets them up, with scripted dialogs.
#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "marked_picture.h"
#include "platform/common_dialog.h"
#include "platform/scripted_services.h"

#include <QComboBox>
#include <QScrollBar>
#include <QWidget>

namespace chromadeck::testing {

struct PictureFixture {
    PictureFixture() : dialog(services.dialogs, nullptr) {
        window.resize(1600, 1000);
        canvas = new Canvas(&window);
        canvas->setBorderStyle(0);
        canvas->setGeometry(0, 0, 1500, 900);
        canvas->surface().setAutoRedraw(true);
        canvas->surface().setUnitSize(10.51875, 10.525);
        canvas->surface().setBackColor(RGB(0, 0, 0));
        output = new Canvas(canvas);
        output->setBorderStyle(0);
        output->setGeometry(640, 244, 529, 503);
        output->setAutoSize(true);
        output->surface().setScaleMode(DrawingSurface::kPixels);
        output->surface().setBackColor(RGB(255, 255, 255));
        output->hide();
        sticker = new Canvas(canvas);
        sticker->setBorderStyle(1);
        sticker->setAutoSize(true);
        sticker->surface().setScaleMode(DrawingSurface::kPixels);
        sticker->move(822, 4);
        sticker->hide();
        swatch = new ClickableLabel(QStringLiteral("选贴图屏蔽色"), &window);
        angle = new QComboBox(&window);
        angle->setEditable(true);
        angle->setEditText("30");
        height = new QScrollBar(Qt::Horizontal, &window);
        height->setRange(10, 1500);
        width = new QScrollBar(Qt::Horizontal, &window);
        width->setRange(10, 1500);
    }

    platform::ScriptedServices services;
    platform::CommonDialog dialog;
    QWidget window;
    Canvas* canvas = nullptr;
    Canvas* output = nullptr;
    Canvas* sticker = nullptr;
    ClickableLabel* swatch = nullptr;
    QComboBox* angle = nullptr;
    QScrollBar* height = nullptr;
    QScrollBar* width = nullptr;
};

}  // namespace chromadeck::testing
