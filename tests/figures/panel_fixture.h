// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's figure controls with their start values, on a canvas in the main
// window's units, without the rest of the window.
#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "figures/main_canvas.h"
#include "figures/main_panel_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <memory>
#include <optional>

namespace chromadeck::testing {

struct PanelFixture {
    explicit PanelFixture(QSize canvasSize = QSize(1600, 1000)) {
        window = std::make_unique<QWidget>();
        frame = new QWidget(window.get());
        frame->setProperty("Tag", "0");
        canvas = new Canvas(window.get());
        canvas->setBorderStyle(0);
        canvas->resize(canvasSize);
        setUpMainCanvas(canvas->surface());
        const auto combo = [&](const char* text) {
            auto* c = new QComboBox(frame);
            c->setEditable(true);
            c->setEditText(text);
            return c;
        };
        const auto bar = [&](int min, int max, int value) {
            auto* s = new QScrollBar(Qt::Horizontal, frame);
            s->setRange(min, max);
            s->setValue(value);
            return s;
        };
        panel.Frame1 = frame;
        panel.Picture1 = canvas;
        panel.Combo3 = combo("50");
        panel.Combo4 = combo("1");
        panel.Combo5 = combo("1300");
        panel.HScroll1 = bar(10, 5000, 1000);
        panel.HScroll2 = bar(2, 20, 10);
        panel.HScroll3 = bar(10, 900, 260);
        panel.HScroll4 = bar(10, 900, 180);
        panel.Label4 = new QLabel("顶高", frame);
        panel.Label5 = new QLabel("高度", frame);
        panel.Label6 = new QLabel("大小", frame);
        panel.Label7 = new QLabel("调配椭圆:", frame);
        panel.Label9 = new QLabel("x", frame);
        panel.Label10 = new QLabel("y", frame);
        panel.Text5 = new QLineEdit("添加新文本", canvas);
        panel.Line1 = new LineControl(RGB(255, 0, 0), canvas);
        panel.Line2 = new LineControl(RGB(0, 0, 255), canvas);
        panel.Label4->hide();
        panel.Label5->hide();
        panel.Combo4->hide();
        panel.Combo5->hide();
        panel.Text5->hide();
        panel.Line1->hide();
        panel.Line2->hide();
        view.emplace(panel);
    }

    // Visibility as the widget sees it, whether or not the window is on the screen.
    static bool shown(const QWidget* w) { return !w->isHidden(); }

    std::unique_ptr<QWidget> window;
    QWidget* frame = nullptr;
    Canvas* canvas = nullptr;
    MainPanelControls panel;
    // Reads the controls above at the moment of each call, as the main window's does.
    std::optional<MainPanelView> view;
};

}  // namespace chromadeck::testing
