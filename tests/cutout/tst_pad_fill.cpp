// SPDX-License-Identifier: GPL-3.0-or-later
// The cut-out pad's fill without a window: which pixel a press picks, what stops the
// fill, and a press beyond the pad.
#include "canvas/drawing_surface.h"
#include "cutout/pad_fill.h"

#include <QtTest>

using namespace chromadeck;

namespace {
constexpr RgbColor kWhite = RGB(255, 255, 255);
constexpr RgbColor kInk = RGB(0, 0, 0);
constexpr RgbColor kFill = RGB(10, 200, 30);

// A 200 x 200 pixel pad on the window's 400 x 400 grid with a closed box drawn on it.
struct Pad {
    Pad() : surface(QSize(200, 200)) {
        surface.setAutoRedraw(true);
        surface.setBackColor(kWhite);
        surface.Scale(0, 0, 400, 400);
        surface.LineBox(100, 100, 300, 300, kInk);  // pixels 50..150
    }
    QRgb at(int x, int y) const { return surface.Image().pixel(x, y); }
    DrawingSurface surface;
};
}  // namespace

class PadFillTest : public QObject {
    Q_OBJECT
  private slots:
    void aPressInsideTheBoxFillsOnlyItsInside() {
        Pad pad;
        const long long painted = FillPadAt(pad.surface, kFill, 200, 200);  // pixel (100, 100)
        QCOMPARE(painted, 99LL * 99LL);
        QCOMPARE(pad.at(100, 100), kFill.toQRgb());
        QCOMPARE(pad.at(51, 149), kFill.toQRgb());
        QCOMPARE(pad.at(50, 100), kInk.toQRgb());   // the outline holds the fill
        QCOMPARE(pad.at(20, 20), kWhite.toQRgb());  // outside stays
        QCOMPARE(pad.surface.ScaleMode(), DrawingSurface::kPixels);
        // From now on presses count in pixels: (20, 20) is outside the box.
        FillPadAt(pad.surface, kFill, 20, 20);
        QCOMPARE(pad.at(0, 0), kFill.toQRgb());
        QCOMPARE(pad.at(50, 100), kInk.toQRgb());
    }

    void aPressBeyondThePadFillsNothing() {
        Pad pad;
        const QImage before = pad.surface.Image();
        QCOMPARE(FillPadAt(pad.surface, kFill, -4, 200), 0LL);
        QCOMPARE(FillPadAt(pad.surface, kFill, 200, 402), 0LL);
        QCOMPARE(pad.surface.Image(), before);
    }
};

QTEST_APPLESS_MAIN(PadFillTest)
#include "tst_pad_fill.moc"
