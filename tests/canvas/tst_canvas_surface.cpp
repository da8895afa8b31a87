// What a canvas keeps: background colour and picture, persistent and screen-only
// drawing, sizes, and the device-pixel operations.
#include "canvas/canvas.h"
#include "support/test_pictures.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::plainPicture;

namespace {
void prepare(Canvas& canvas, int w, int h) {
    canvas.setBorderStyle(0);
    canvas.resize(w, h);
    canvas.surface().setScaleMode(DrawingSurface::kPixels);
    canvas.surface().setAutoRedraw(true);
}

QRgb at(const Canvas& canvas, int x, int y) {
    return canvas.surface().Image().pixel(x, y);
}
}  // namespace

class CanvasSurfaceTest : public QObject {
    Q_OBJECT
  private slots:
    void backColourErasesDrawingButKeepsThePicture() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        canvas.surface().setBackColor(RGB(0, 0, 0));
        canvas.surface().PSet(30, 30, RGB(255, 0, 0));
        canvas.surface().PSet(5, 5, RGB(255, 0, 0));
        canvas.surface().setBackColor(RGB(1, 2, 3));
        QCOMPARE(at(canvas, 30, 30), RGB(1, 2, 3).toQRgb());
        QCOMPARE(at(canvas, 5, 5), RGB(0, 200, 0).toQRgb());
    }

    void anEmptyPictureLeavesThePlainBackColour() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.surface().setBackColor(RGB(7, 7, 7));
        canvas.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        canvas.surface().PSet(30, 30, RGB(255, 0, 0));
        canvas.setPicture(QImage());
        QCOMPARE(at(canvas, 30, 30), RGB(7, 7, 7).toQRgb());
        QCOMPARE(at(canvas, 5, 5), RGB(7, 7, 7).toQRgb());
    }

    void clsResetsToBackgroundAndCurrentPoint() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.setPicture(plainPicture({10, 10}, RGB(0, 200, 0).toQRgb()));
        canvas.surface().Line(0, 0, 39, 39, RGB(9, 9, 9));
        canvas.surface().Cls();
        QCOMPARE(at(canvas, 5, 5), RGB(0, 200, 0).toQRgb());
        QCOMPARE(at(canvas, 30, 30), canvas.surface().BackColor().toQRgb());
        QCOMPARE(canvas.surface().CurrentX(), 0.0f);
    }

    void screenOnlyDrawingNeverReachesTheImage() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.surface().setBackColor(RGB(255, 255, 255));
        canvas.surface().PSet(1, 1, RGB(0, 0, 255));  // persistent
        canvas.surface().setAutoRedraw(false);
        canvas.surface().Line(0, 20, 39, 20, RGB(255, 0, 0));
        QCOMPARE(at(canvas, 10, 20), RGB(255, 255, 255).toQRgb());
        QCOMPARE(canvas.surface().Point(10, 20).value, RGB(255, 255, 255).value);
        // The screen shows it until Cls or Refresh wipes it; persistent drawing stays.
        canvas.show();
        QCOMPARE(canvas.grab().toImage().pixel(10, 20), RGB(255, 0, 0).toQRgb());
        canvas.surface().Cls();
        QCOMPARE(canvas.grab().toImage().pixel(10, 20), RGB(255, 255, 255).toQRgb());
        QCOMPARE(at(canvas, 1, 1), RGB(0, 0, 255).toQRgb());
        canvas.surface().Line(0, 20, 39, 20, RGB(255, 0, 0));
        canvas.surface().Refresh();
        QCOMPARE(canvas.grab().toImage().pixel(10, 20), RGB(255, 255, 255).toQRgb());
    }

    void growingShowsBackgroundAndShrinkingLosesNothing() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.surface().setBackColor(RGB(50, 50, 50));
        canvas.surface().PSet(35, 35, RGB(255, 0, 0));
        canvas.resize(20, 20);
        QCOMPARE(canvas.surface().Image().size(), QSize(20, 20));
        QCOMPARE(canvas.surface().Point(35, 35).value, -1);
        canvas.surface().PSet(35, 35, RGB(0, 255, 0));  // outside the smaller area: clipped
        canvas.resize(60, 60);
        QCOMPARE(at(canvas, 35, 35), RGB(255, 0, 0).toQRgb());
        QCOMPARE(at(canvas, 55, 55), RGB(50, 50, 50).toQRgb());
    }

    void borderAndAutoSize() {
        Canvas canvas;
        canvas.setBorderStyle(1);
        canvas.setAutoSize(true);
        canvas.setPicture(plainPicture({343, 161}, RGB(1, 1, 1).toQRgb()));
        QCOMPARE(canvas.size(), QSize(347, 165));
        QCOMPARE(canvas.drawingSize(), QSize(343, 161));
        QCOMPARE(canvas.surface().Image().size(), QSize(343, 161));
        canvas.setAutoSize(false);
        canvas.setPicture(plainPicture({10, 10}, RGB(1, 1, 1).toQRgb()));
        QCOMPARE(canvas.size(), QSize(347, 165));
    }

    void scalesAndPictureSizes() {
        Canvas canvas;
        prepare(canvas, 400, 200);
        canvas.surface().Scale(0, 0, 400, 400);
        QCOMPARE(canvas.surface().pixelX(100), 100);
        QCOMPARE(canvas.surface().pixelY(100), 50);
        QCOMPARE(canvas.surface().ScaleHeight(), 400.0f);
        canvas.surface().setScaleMode(DrawingSurface::kUser);  // keeps the scale
        QCOMPARE(canvas.surface().pixelY(100), 50);
        canvas.surface().setScaleMode(DrawingSurface::kPixels);
        QCOMPARE(canvas.surface().pixelY(100), 100);
        // 2540 HIMETRIC is one inch: 96 pixels.
        QCOMPARE(DrawingSurface::ScaleX(2540, DrawingSurface::kHimetric, DrawingSurface::kPixels),
                 96.0);
        QCOMPARE(DrawingSurface::ScaleX(15, DrawingSurface::kTwips, DrawingSurface::kPixels), 1.0);
    }

    void deviceOperationsStayInsideTheDrawingArea() {
        Canvas canvas;
        prepare(canvas, 40, 40);
        canvas.surface().setBackColor(RGB(255, 255, 255));
        canvas.resize(20, 20);  // the store behind stays 40 x 40
        canvas.surface().TransparentBlt(10, 10, 30, 30,
                                        plainPicture({30, 30}, RGB(0, 0, 0).toQRgb()), 0, 0, 30, 30,
                                        RGB(1, 1, 1));
        canvas.surface().BitBlt(10, 10, 30, 30, plainPicture({30, 30}, RGB(0, 0, 9).toQRgb()), 0,
                                0);
        canvas.resize(40, 40);
        QCOMPARE(at(canvas, 15, 15), RGB(0, 0, 9).toQRgb());
        QCOMPARE(at(canvas, 25, 25), RGB(255, 255, 255).toQRgb());
        QCOMPARE(canvas.surface().GetPixel(25, 25).value, RGB(255, 255, 255).value);
        QCOMPARE(canvas.surface().GetPixel(40, 0).value, -1);
    }

    void floodFillUsesTheSolidFillBrush() {
        Canvas canvas;
        prepare(canvas, 30, 30);
        canvas.surface().setBackColor(RGB(255, 255, 255));
        canvas.surface().LineBox(5, 5, 20, 20, RGB(0, 0, 0));
        QCOMPARE(canvas.surface().ExtFloodFill(10, 10, RGB(255, 255, 255)),
                 0LL);  // transparent brush
        canvas.surface().setFillStyle(0);
        canvas.surface().setFillColor(RGB(0, 255, 0));
        QCOMPARE(canvas.surface().ExtFloodFill(10, 10, RGB(255, 255, 255)), 14LL * 14);
        QCOMPARE(at(canvas, 2, 2), RGB(255, 255, 255).toQRgb());
        QCOMPARE(canvas.surface().ExtFloodFill(10, 10, RGB(0, 255, 0)), 0LL);  // already the mask
    }
};

QTEST_MAIN(CanvasSurfaceTest)
#include "tst_canvas_surface.moc"
