// SPDX-License-Identifier: GPL-3.0-or-later
// What a surface keeps: background colour and picture, persistent and screen-only
// drawing, scales, and the device-pixel operations.
#include "canvas/drawing_surface.h"
#include "platform/picture_memory.h"
#include "support/test_pictures.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::plainPicture;

namespace {
void prepare(DrawingSurface& surface, int w, int h) {
    surface.setDrawingSize(QSize(w, h));
    surface.setScaleMode(DrawingSurface::kPixels);
    surface.setAutoRedraw(true);
}

QRgb at(const DrawingSurface& surface, int x, int y) {
    return surface.Image().pixel(x, y);
}
}  // namespace

class SurfaceStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void backColourErasesDrawingButKeepsThePicture() {
        DrawingSurface surface;
        prepare(surface, 40, 40);
        surface.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        surface.setBackColor(RGB(0, 0, 0));
        surface.PSet(30, 30, RGB(255, 0, 0));
        surface.PSet(5, 5, RGB(255, 0, 0));
        surface.setBackColor(RGB(1, 2, 3));
        QCOMPARE(at(surface, 30, 30), RGB(1, 2, 3).toQRgb());
        QCOMPARE(at(surface, 5, 5), RGB(0, 200, 0).toQRgb());
    }

    void anEmptyPictureLeavesThePlainBackColour() {
        DrawingSurface surface;
        prepare(surface, 40, 40);
        surface.setBackColor(RGB(7, 7, 7));
        surface.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        surface.PSet(30, 30, RGB(255, 0, 0));
        surface.setPicture(QImage());
        QCOMPARE(at(surface, 30, 30), RGB(7, 7, 7).toQRgb());
        QCOMPARE(at(surface, 5, 5), RGB(7, 7, 7).toQRgb());
    }

    void clsResetsToBackgroundAndCurrentPoint() {
        DrawingSurface surface;
        prepare(surface, 40, 40);
        surface.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        surface.Line(0, 0, 39, 39, RGB(9, 9, 9));
        surface.Cls();
        QCOMPARE(at(surface, 5, 5), RGB(0, 200, 0).toQRgb());
        QCOMPARE(at(surface, 30, 30), surface.BackColor().toQRgb());
        QCOMPARE(surface.CurrentX(), 0.0f);
    }

    void screenOnlyDrawingStaysInItsOwnLayerUntilWiped() {
        DrawingSurface surface;
        prepare(surface, 40, 40);
        surface.setBackColor(RGB(255, 255, 255));
        QVERIFY(!surface.screenLayer());
        surface.PSet(1, 1, RGB(0, 0, 255));  // persistent
        surface.setAutoRedraw(false);
        surface.Line(0, 20, 39, 20, RGB(255, 0, 0));
        QCOMPARE(at(surface, 10, 20), RGB(255, 255, 255).toQRgb());
        QCOMPARE(surface.Point(10, 20).value, RGB(255, 255, 255).value);
        QVERIFY(surface.screenLayer());
        QCOMPARE(surface.screenLayer()->pixel(10, 20), RGB(255, 0, 0).toQRgb());
        QCOMPARE(qAlpha(surface.screenLayer()->pixel(1, 1)), 0);
        surface.Cls();
        QVERIFY(!surface.screenLayer());
        QCOMPARE(at(surface, 1, 1), RGB(0, 0, 255).toQRgb());
        surface.Line(0, 20, 39, 20, RGB(255, 0, 0));
        surface.Refresh();
        QVERIFY(!surface.screenLayer());
    }

    void scalesAndPictureSizes() {
        DrawingSurface surface;
        prepare(surface, 400, 200);
        surface.Scale(0, 0, 400, 400);
        QCOMPARE(surface.pixelX(100), 100);
        QCOMPARE(surface.pixelY(100), 50);
        QCOMPARE(surface.ScaleHeight(), 400.0f);
        surface.setScaleMode(DrawingSurface::kUser);  // keeps the scale
        QCOMPARE(surface.pixelY(100), 50);
        surface.setScaleMode(DrawingSurface::kPixels);
        QCOMPARE(surface.pixelY(100), 100);
        // 2540 HIMETRIC is one inch: 96 pixels.
        QCOMPARE(DrawingSurface::ScaleX(2540, DrawingSurface::kHimetric, DrawingSurface::kPixels),
                 96.0);
        QCOMPARE(DrawingSurface::ScaleX(15, DrawingSurface::kTwips, DrawingSurface::kPixels), 1.0);
    }

    void deviceOperationsStayInsideTheDrawingArea() {
        DrawingSurface surface;
        prepare(surface, 40, 40);
        surface.setBackColor(RGB(255, 255, 255));
        surface.setDrawingSize(QSize(20, 20));  // the store behind stays 40 x 40
        surface.TransparentBlt(10, 10, 30, 30, plainPicture({30, 30}, RGB(0, 0, 0).toQRgb()), 0, 0,
                               30, 30, RGB(1, 1, 1));
        surface.BitBlt(10, 10, 30, 30, plainPicture({30, 30}, RGB(0, 0, 9).toQRgb()), 0, 0);
        surface.setDrawingSize(QSize(40, 40));
        QCOMPARE(at(surface, 15, 15), RGB(0, 0, 9).toQRgb());
        QCOMPARE(at(surface, 25, 25), RGB(255, 255, 255).toQRgb());
        QCOMPARE(surface.GetPixel(25, 25).value, RGB(255, 255, 255).value);
        QCOMPARE(surface.GetPixel(40, 0).value, -1);
    }

    // Memory refused for a new picture or a larger area: nothing shown changes, and
    // drawing over the whole area stays inside the image there is.
    void refusedMemoryKeepsWhatIsShown() {
        DrawingSurface surface;
        prepare(surface, 50, 40);
        surface.setPicture(plainPicture({50, 40}, RGB(0, 0, 200).toQRgb()));
        surface.PSet(10, 10, RGB(255, 0, 0));
        const QImage shown = surface.Image();
        const QImage larger = plainPicture({80, 60}, RGB(0, 200, 0).toQRgb());
        {
            const platform::PictureBudgetOverride tight(50 * 40 * 4 - 1);
            QVERIFY(!surface.setPicture(larger));
            QCOMPARE(surface.Image(), shown);
            QCOMPARE(surface.Picture().size(), QSize(50, 40));

            surface.setDrawingSize(QSize(400, 300));
            QVERIFY(!surface.coversDrawingArea());
            surface.setDrawWidth(30);
            surface.Line(0, 0, 399, 299, RGB(255, 0, 0));
            surface.Circle(200, 150, 180, RGB(255, 0, 0));
            QCOMPARE(surface.GetPixel(60, 45), kNoPixel);
            QCOMPARE(surface.Image().size(), QSize(50, 40));
        }
        QVERIFY(surface.coversDrawingArea());  // grows once memory is there
        QVERIFY(surface.setPicture(larger));
        QCOMPARE(surface.Image().pixel(70, 50), RGB(0, 200, 0).toQRgb());
    }

    // A new picture or Cls takes everything drawn away, and with it the memory of an
    // image grown for a larger area.
    void memoryOfALargerAreaComesBack() {
        DrawingSurface surface;
        prepare(surface, 2000, 1500);
        surface.setPicture(plainPicture({2000, 1500}, RGB(0, 0, 200).toQRgb()));
        surface.setDrawingSize(QSize(30, 20));
        QCOMPARE(surface.persistentImage().size(), QSize(2000, 1500));  // drawing kept
        surface.setPicture(plainPicture({30, 20}, RGB(0, 200, 0).toQRgb()));
        QCOMPARE(surface.persistentImage().size(), QSize(30, 20));

        surface.setDrawingSize(QSize(600, 400));
        surface.PSet(500, 300, RGB(255, 0, 0));
        surface.setDrawingSize(QSize(30, 20));
        surface.Cls();
        QCOMPARE(surface.persistentImage().size(), QSize(30, 20));
    }

    void floodFillUsesTheSolidFillBrush() {
        DrawingSurface surface;
        prepare(surface, 30, 30);
        surface.setBackColor(RGB(255, 255, 255));
        surface.LineBox(5, 5, 20, 20, RGB(0, 0, 0));
        QCOMPARE(surface.ExtFloodFill(10, 10, RGB(255, 255, 255)),
                 0LL);  // transparent brush
        surface.setFillStyle(0);
        surface.setFillColor(RGB(0, 255, 0));
        QCOMPARE(surface.ExtFloodFill(10, 10, RGB(255, 255, 255)), 14LL * 14);
        QCOMPARE(at(surface, 2, 2), RGB(255, 255, 255).toQRgb());
        QCOMPARE(surface.ExtFloodFill(10, 10, RGB(0, 255, 0)), 0LL);  // already the mask
    }
};

QTEST_APPLESS_MAIN(SurfaceStoreTest)
#include "tst_canvas_surface.moc"
