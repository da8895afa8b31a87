// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_panel_view.h"

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "canvas/numeric.h"
#include "canvas_mode.h"
#include "platform/screen.h"

#include <QCoreApplication>

namespace chromadeck {

DrawingSurface& MainPanelView::Picture1() {
    return c_.Picture1->surface();
}
QString MainPanelView::Combo3() const {
    return c_.Combo3->currentText();
}
QString MainPanelView::Combo4() const {
    return c_.Combo4->currentText();
}
QString MainPanelView::Combo5() const {
    return c_.Combo5->currentText();
}
int MainPanelView::HScroll1() const {
    return c_.HScroll1->value();
}
int MainPanelView::HScroll2() const {
    return c_.HScroll2->value();
}
int MainPanelView::HScroll3() const {
    return c_.HScroll3->value();
}
int MainPanelView::HScroll4() const {
    return c_.HScroll4->value();
}
void MainPanelView::hideText5() {
    c_.Text5->setVisible(false);
}
QString MainPanelView::Frame1Tag() const {
    return CanvasMode(c_);
}
void MainPanelView::setPicture1Pointer(platform::CursorCode code) {
    c_.Picture1->setMousePointer(code);
}
void MainPanelView::showCircleGroup() {
    chromadeck::showCircleGroup(c_);
}
void MainPanelView::showBarGroup() {
    chromadeck::showBarGroup(c_);
}
void MainPanelView::hideGuides() {
    c_.Line2->setVisible(false);
    c_.Line1->setVisible(false);
}

void MainPanelView::Picture1_MouseMove(int, int, float X, float Y) {
    const Canvas& canvas = *c_.Picture1;
    // Pointer positions are far inside the Long range; the fallback only keeps odd
    // values from ever stopping the read-out.
    c_.Label9->setText(QCoreApplication::translate("MainPanelView", "宽x=") +
                       QString::number(toLong(X).value_or(0)));
    c_.Label10->setText(QCoreApplication::translate("MainPanelView", "高y=") +
                        QString::number(toLong(Y).value_or(0)));
    c_.Line1->setVisible(true);
    c_.Line2->setVisible(true);

    // The guides run to the canvas's outer size in window twips, read as canvas units:
    // well past the edge, so they always cross the whole canvas.
    const double outerWidth = canvas.width() * double(platform::kTwipsPerPixel);
    const double outerHeight = canvas.height() * double(platform::kTwipsPerPixel);
    const auto px = [&](double x) { return double(canvas.surface().pixelX(x)); };
    const auto py = [&](double y) { return double(canvas.surface().pixelY(y)); };
    c_.Line2->setEnds(px(0), py(Y), px(outerWidth), py(Y));
    c_.Line1->setEnds(px(X), py(0), px(X), py(outerHeight));
}

void MainPanelView::HScroll1_Change() {
    c_.Label6->setText(QCoreApplication::translate("MainPanelView", "大小:") +
                       QString::number(c_.HScroll1->value()));
}

void MainPanelView::HScroll2_Change() {
    c_.Label7->setText(QCoreApplication::translate("MainPanelView", "调配椭圆:") +
                       QString::number(c_.HScroll2->value()));
}

}  // namespace chromadeck
