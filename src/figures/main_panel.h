// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QString>
#include <QWidget>

namespace chromadeck {

class Canvas;
class LineControl;

// The main window's controls that the press handlers read and switch. The window owns
// them; the handlers read every value at the moment they need it, never caching one.
struct MainPanelControls {
    QWidget* Frame1 = nullptr;  // its "Tag" property holds the current mode
    Canvas* Picture1 = nullptr;
    QComboBox* Combo3 = nullptr;     // pen width and step of every figure
    QComboBox* Combo4 = nullptr;     // top of the bars
    QComboBox* Combo5 = nullptr;     // bottom of the bars
    QScrollBar* HScroll1 = nullptr;  // circle size
    QScrollBar* HScroll2 = nullptr;  // ellipse aspect times ten
    QScrollBar* HScroll3 = nullptr;  // half-width of rectangles, half-side of squares
    QScrollBar* HScroll4 = nullptr;  // half-height of rectangles
    QLabel* Label4 = nullptr;        // bar group: "顶高"
    QLabel* Label5 = nullptr;        // bar group: "高度"
    QLabel* Label6 = nullptr;        // circle group: "大小"
    QLabel* Label7 = nullptr;        // circle group: "调配椭圆:"
    QLabel* Label9 = nullptr;        // pointer read-out x
    QLabel* Label10 = nullptr;       // pointer read-out y
    QWidget* Text5 = nullptr;        // the text box on the canvas
    LineControl* Line1 = nullptr;    // vertical guide
    LineControl* Line2 = nullptr;    // horizontal guide
};

}  // namespace chromadeck
