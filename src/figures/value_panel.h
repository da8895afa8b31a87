// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/drawing_surface.h"
#include "figure_panel.h"
#include "main_canvas.h"

namespace chromadeck {

// A panel of plain values with a main canvas of its own and the panel's start values:
// the figures without a window, for benchmarks, tests and drawing off screen. What a
// press switches on the panel is kept as plain values too.
struct ValuePanel final : PressPanel {
    enum class Group { Circle, Bar };

    explicit ValuePanel(QSize canvasSize = QSize(1600, 1000)) : canvas(canvasSize) {
        setUpMainCanvas(canvas);
    }

    DrawingSurface canvas;
    QString combo3 = QStringLiteral("50");
    QString combo4 = QStringLiteral("1");
    QString combo5 = QStringLiteral("1300");
    int hScroll1 = 1000;
    int hScroll2 = 10;
    int hScroll3 = 260;
    int hScroll4 = 180;
    QString frame1Tag = QStringLiteral("0");
    bool text5Visible = false;
    platform::CursorCode picture1Pointer = platform::CursorCode::Default;
    Group group = Group::Circle;
    bool guidesVisible = true;

    DrawingSurface& Picture1() override { return canvas; }
    QString Combo3() const override { return combo3; }
    QString Combo4() const override { return combo4; }
    QString Combo5() const override { return combo5; }
    int HScroll1() const override { return hScroll1; }
    int HScroll2() const override { return hScroll2; }
    int HScroll3() const override { return hScroll3; }
    int HScroll4() const override { return hScroll4; }
    void hideText5() override { text5Visible = false; }
    QString Frame1Tag() const override { return frame1Tag; }
    void setPicture1Pointer(platform::CursorCode code) override { picture1Pointer = code; }
    void showCircleGroup() override { group = Group::Circle; }
    void showBarGroup() override { group = Group::Bar; }
    void hideGuides() override { guidesVisible = false; }
};

}  // namespace chromadeck
