// SPDX-License-Identifier: GPL-3.0-or-later
#include "concentric_figures.h"

#include "canvas/drawing_surface.h"
#include "canvas/numeric.h"
#include "canvas/random_source.h"
#include "counted_loop.h"

namespace chromadeck {

void DrawCircleFigure(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const Long largest = panel.HScroll1() / 2;
    const auto step = textToLong(panel.Combo3());
    if (!step) return;
    forCounter<Long>(1, largest, *step, [&](Long r) {
        const RgbColor colour = RandomColor(random);
        const float aspect = static_cast<float>(panel.HScroll2() / 10.0);
        canvas.Circle(X, Y, static_cast<float>(r), colour, {}, {}, aspect);
        panel.hideText5();
    });
}

void DrawRectangleFigure(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const int halfWidth = panel.HScroll3();
    const auto step = textToInteger(panel.Combo3());
    if (!step) return;
    forCounter<Integer>(10, halfWidth, *step, [&](Integer p) {
        // This colour is not used by the outlines below; it stays as the pen colour.
        canvas.setForeColor(RandomColor(random));
        const int halfHeight = panel.HScroll4();
        const auto innerStep = textToInteger(panel.Combo3());
        if (!innerStep) return;
        const float fp = p;
        forCounter<Integer>(10, halfHeight, *innerStep, [&](Integer q) {
            const float fq = q;
            const RgbColor first = RandomColor(random);
            canvas.LineBox(X - fp, Y - fq, X + fp, Y + fq, first);
            const RgbColor second = RandomColor(random);
            canvas.LineBox(X + fp, Y + fq, X - fp, Y - fq, second);
        });
    });
}

void DrawSquareFigure(FigurePanel& panel, RandomSource& random, float X, float Y) {
    DrawingSurface& canvas = panel.Picture1();
    const int halfSide = panel.HScroll3();
    const auto step = textToInteger(panel.Combo3());
    if (!step) return;
    forCounter<Integer>(10, halfSide, *step, [&](Integer p) {
        canvas.setForeColor(RandomColor(random));
        const float fp = p;
        const RgbColor first = RandomColor(random);
        canvas.LineBox(X - fp, Y - fp, X + fp, Y + fp, first);
        const RgbColor second = RandomColor(random);
        canvas.LineBox(X + fp, Y + fp, X - fp, Y - fp, second);
    });
}

}  // namespace chromadeck
