// SPDX-License-Identifier: GPL-3.0-or-later
#include "press_dispatch.h"

#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "concentric_figures.h"
#include "fast_figures.h"

namespace chromadeck {

PressDispatcher::PressDispatcher(PressPanel& panel, RandomSource& random)
    : panel_(panel), random_(random) {}

void PressDispatcher::Picture1_MouseDown(int, int, float X, float Y) {
    const auto penWidth = textToInteger(panel_.Combo3());
    if (!penWidth || *penWidth < 1) return;
    panel_.Picture1().setDrawWidth(*penWidth);

    const QString mode = panel_.Frame1Tag();
    if (mode == u"0") {
        panel_.setPicture1Pointer(platform::CursorCode::Cross);
        panel_.showCircleGroup();
        DrawCircleFigureFast(panel_, random_, X, Y);
    } else if (mode == u"2") {
        panel_.setPicture1Pointer(platform::CursorCode::Hourglass);
        panel_.hideGuides();
        panel_.showBarGroup();
        DrawBarFigureFast(bars_, panel_, random_);
        panel_.hideText5();
        panel_.setPicture1Pointer(platform::CursorCode::Default);
    } else if (mode == u"3") {
        panel_.setPicture1Pointer(platform::CursorCode::Arrow);
        panel_.showBarGroup();
        DrawRectangleFigureFast(panel_, random_, X, Y);
        panel_.hideText5();
    } else if (mode == u"4") {
        panel_.setPicture1Pointer(platform::CursorCode::Arrow);
        panel_.showBarGroup();
        DrawSquareFigureFast(panel_, random_, X, Y);
        panel_.hideText5();
    } else if (mode == u"5") {
        panel_.setPicture1Pointer(platform::CursorCode::Arrow);
        if (pasteSticker) pasteSticker(X, Y);
    } else if (mode == u"6") {
        panel_.setPicture1Pointer(platform::CursorCode::IBeam);
        if (stampText) stampText(X, Y);
    }
}

}  // namespace chromadeck
