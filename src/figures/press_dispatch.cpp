#include "press_dispatch.h"

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "canvas/numeric.h"
#include "canvas_mode.h"
#include "concentric_figures.h"
#include "fast_figures.h"
#include "platform/screen.h"

namespace chromadeck {

PressDispatcher::PressDispatcher(const MainPanelControls& panel, RandomSource& random)
    : panel_(panel), random_(random) {}

void PressDispatcher::Picture1_MouseDown(int, int, float X, float Y) {
    Canvas& canvas = *panel_.Picture1;
    const auto penWidth = textToInteger(panel_.Combo3->currentText());
    if (!penWidth || *penWidth < 1) return;
    canvas.setDrawWidth(*penWidth);

    const QString mode = CanvasMode(panel_);
    if (mode == u"0") {
        canvas.setMousePointer(platform::CursorCode::Cross);
        showCircleGroup(panel_);
        DrawCircleFigure(panel_, random_, X, Y);
    } else if (mode == u"2") {
        canvas.setMousePointer(platform::CursorCode::Hourglass);
        panel_.Line2->setVisible(false);
        panel_.Line1->setVisible(false);
        showBarGroup(panel_);
        DrawBarFigureFast(bars_, panel_, random_);
        panel_.Text5->setVisible(false);
        canvas.setMousePointer(platform::CursorCode::Default);
    } else if (mode == u"3") {
        canvas.setMousePointer(platform::CursorCode::Arrow);
        showBarGroup(panel_);
        DrawRectangleFigureFast(panel_, random_, X, Y);
        panel_.Text5->setVisible(false);
    } else if (mode == u"4") {
        canvas.setMousePointer(platform::CursorCode::Arrow);
        showBarGroup(panel_);
        DrawSquareFigure(panel_, random_, X, Y);
        panel_.Text5->setVisible(false);
    } else if (mode == u"5") {
        canvas.setMousePointer(platform::CursorCode::Arrow);
        if (pasteSticker) pasteSticker(X, Y);
    } else if (mode == u"6") {
        canvas.setMousePointer(platform::CursorCode::IBeam);
        if (stampText) stampText(X, Y);
    }
}

void PressDispatcher::Picture1_MouseMove(int, int, float X, float Y) {
    Canvas& canvas = *panel_.Picture1;
    // Pointer positions are far inside the Long range; the fallback only keeps odd
    // values from ever stopping the read-out.
    panel_.Label9->setText(QStringLiteral("宽x=") + QString::number(toLong(X).value_or(0)));
    panel_.Label10->setText(QStringLiteral("高y=") + QString::number(toLong(Y).value_or(0)));
    panel_.Line1->setVisible(true);
    panel_.Line2->setVisible(true);

    // The guides run to the canvas's outer size in window twips, read as canvas units:
    // well past the edge, so they always cross the whole canvas.
    const double outerWidth = canvas.width() * double(platform::kTwipsPerPixel);
    const double outerHeight = canvas.height() * double(platform::kTwipsPerPixel);
    const double border = canvas.borderWidth();
    const auto px = [&](double x) { return canvas.pixelX(x) + border; };
    const auto py = [&](double y) { return canvas.pixelY(y) + border; };
    panel_.Line2->setEnds(px(0), py(Y), px(outerWidth), py(Y));
    panel_.Line1->setEnds(px(X), py(0), px(X), py(outerHeight));
}

void PressDispatcher::HScroll1_Change() {
    panel_.Label6->setText(QStringLiteral("大小:") + QString::number(panel_.HScroll1->value()));
}

void PressDispatcher::HScroll2_Change() {
    panel_.Label7->setText(QStringLiteral("调配椭圆:") + QString::number(panel_.HScroll2->value()));
}

}  // namespace chromadeck
