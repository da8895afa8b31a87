// Drawing through a Canvas in its own units: geometry, pens and unit conversion.
#include "canvas/canvas.h"
#include "canvas/random_source.h"
#include "support/image_inspection.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::countColour;
using chromadeck::testing::inkBounds;

namespace {
// The main window's canvas: 10.51875 x 10.525 twips per unit, about 0.7 pixel.
void useMainCanvasUnits(Canvas& canvas) {
    canvas.surface().setUnitSize(10.51875, 10.525);
}

Canvas& pixelCanvas(Canvas& canvas, int w, int h) {
    canvas.setBorderStyle(0);
    canvas.resize(w, h);
    canvas.surface().setAutoRedraw(true);
    canvas.surface().setScaleMode(DrawingSurface::kPixels);
    canvas.surface().setBackColor(RGB(255, 255, 255));
    return canvas;
}
}  // namespace

class CanvasDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void mainCanvasUnitsMapToAboutSevenTenthsOfAPixel() {
        Canvas canvas;
        useMainCanvasUnits(canvas);
        QCOMPARE(canvas.surface().pixelX(1000), 701);
        QCOMPARE(canvas.surface().pixelY(1000), 702);
        QCOMPARE(canvas.surface().pixelX(0), 0);
        canvas.setBorderStyle(0);
        canvas.resize(1403, 702);
        QCOMPARE(qRound(canvas.surface().ScaleWidth()), 2001);
    }

    void circleWithStartAndEndZeroIsTheWholeEllipse() {
        Canvas a, b;
        pixelCanvas(a, 60, 60).surface().Circle(30, 30, 20, RGB(0, 0, 255));
        pixelCanvas(b, 60, 60).surface().Circle(30, 30, 20, RGB(0, 0, 255), 0.0f, 0.0f);
        QCOMPARE(a.surface().Image(), b.surface().Image());
        QVERIFY(countColour(a.surface().Image(), RGB(0, 0, 255).toQRgb()) > 100);
        QCOMPARE(a.surface().CurrentX(), 30.0f);
    }

    void aspectShortensOneSemiAxisMeasuredInTheHorizontalUnit() {
        Canvas flat;
        pixelCanvas(flat, 60, 60).surface().Circle(30, 30, 10, RGB(0, 0, 0), {}, {}, 0.5f);
        QImage img = flat.surface().Image();
        QCOMPARE(img.pixel(40, 30), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(41, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 25), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(30, 24), RGB(255, 255, 255).toQRgb());

        Canvas tall;
        pixelCanvas(tall, 60, 60).surface().Circle(30, 30, 10, RGB(0, 0, 0), {}, {}, 2.0f);
        img = tall.surface().Image();
        QCOMPARE(img.pixel(35, 30), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(36, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 20), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(30, 19), RGB(255, 255, 255).toQRgb());
    }

    void arcKeepsOnlyItsQuarter() {
        Canvas canvas;
        pixelCanvas(canvas, 60, 60)
            .surface()
            .Circle(30, 30, 20, RGB(0, 0, 0), 0.0f, float(M_PI / 2));
        const QImage img = canvas.surface().Image();
        QCOMPARE(img.pixel(50, 30), RGB(0, 0, 0).toQRgb());  // angle 0: right
        QCOMPARE(img.pixel(30, 10), RGB(0, 0, 0).toQRgb());  // a quarter turn: up
        QCOMPARE(img.pixel(10, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 50), RGB(255, 255, 255).toQRgb());
    }

    void wideRingsLeaveTheirBoundariesWhereTheNextRingBegins() {
        // Radii 1, 361, 721, ... units with a 360-pixel pen: each ring covers the outer
        // part of the one before, so colours change near 73, 326, 578, 830 and 1083 px.
        Canvas canvas;
        canvas.setBorderStyle(0);
        canvas.resize(1300, 40);
        canvas.surface().setAutoRedraw(true);
        useMainCanvasUnits(canvas);
        canvas.surface().setDrawWidth(360);
        RandomSource random;
        std::vector<RgbColor> colours;
        for (int r = 1; r <= 1801; r += 360) {
            colours.push_back(RandomColor(random));
            canvas.surface().Circle(0, 20 * 15 / 10.525f, float(r), colours.back());
        }
        const QImage img = canvas.surface().Image();
        const int y = canvas.surface().pixelY(20 * 15 / 10.525f);
        const int boundaries[] = {73, 326, 578, 830, 1083};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(img.pixel(boundaries[i] - 1, y), colours[i].toQRgb());
            QCOMPARE(img.pixel(boundaries[i] + 1, y), colours[i + 1].toQRgb());
        }
    }

    void lineFormsAndTheCurrentPoint() {
        Canvas canvas;
        pixelCanvas(canvas, 50, 50);
        canvas.surface().setForeColor(RGB(9, 9, 9));
        canvas.surface().Line(5, 5, 20, 5);
        QCOMPARE(canvas.surface().CurrentX(), 20.0f);
        canvas.surface().LineTo(20, 30);  // continues from (20, 5)
        const QImage img = canvas.surface().Image();
        QCOMPARE(img.pixel(20, 17), RGB(9, 9, 9).toQRgb());
        QCOMPARE(img.pixel(12, 5), RGB(9, 9, 9).toQRgb());
        QCOMPARE(countColour(img, RGB(9, 9, 9).toQRgb()), 16 + 25);
        canvas.surface().setDrawWidth(3);
        canvas.surface().LineBox(30, 30, 40, 44, RGB(1, 2, 3));
        QCOMPARE(canvas.surface().Image().pixel(31, 37), RGB(1, 2, 3).toQRgb());
        QCOMPARE(canvas.surface().Image().pixel(35, 37), RGB(255, 255, 255).toQRgb());
    }

    void wideDotsAndPointReadBack() {
        Canvas canvas;
        pixelCanvas(canvas, 40, 40);
        canvas.surface().setDrawWidth(6);
        canvas.surface().PSet(20, 20, RGB(200, 0, 0));
        QCOMPARE(countColour(canvas.surface().Image(), RGB(200, 0, 0).toQRgb()),
                 32);  // a round 6-pixel dot
        QCOMPARE(canvas.surface().Point(20, 20).value, RGB(200, 0, 0).value);
        QCOMPARE(canvas.surface().Point(-1, 5).value, -1);
        QCOMPARE(canvas.surface().Point(40, 5).value, -1);
        QCOMPARE(canvas.surface().Point(39, 39).value, RGB(255, 255, 255).value);
    }

    void drawingOutsideIsClippedSilently() {
        Canvas canvas;
        pixelCanvas(canvas, 20, 20);
        canvas.surface().setDrawWidth(30);
        canvas.surface().Circle(-500, -500, 1e6f, RGB(1, 1, 1));
        canvas.surface().Line(-1e6f, 10, 1e6f, 10, RGB(2, 2, 2));
        canvas.surface().LineBox(-1e9f, -1e9f, 1e9f, 1e9f, RGB(3, 3, 3));
        QCOMPARE(canvas.surface().Image().size(), QSize(20, 20));
        QCOMPARE(countColour(canvas.surface().Image(), RGB(2, 2, 2).toQRgb()), 20 * 20);
    }

    void printDrawsTheTextFromTheTopLeftOfItsCell() {
        Canvas canvas;
        pixelCanvas(canvas, 300, 120);
        canvas.surface().setForeColor(RGB(255, 0, 255));
        canvas.surface().setFontName("Liberation Sans");
        canvas.surface().setFontSize(15);
        canvas.surface().setFontBold(true);
        canvas.surface().setCurrentX(50);
        canvas.surface().setCurrentY(40);
        canvas.surface().Print("HHHH");
        const QImage img = canvas.surface().Image();
        const QRect inked = inkBounds(img, RGB(255, 255, 255).toQRgb());
        QVERIFY(!inked.isEmpty());
        QVERIFY(inked.left() >= 50 && inked.left() <= 54);
        QVERIFY(inked.top() >= 40 && inked.top() <= 48);
        QVERIFY(inked.height() >= 12 && inked.height() <= 18);  // 15 pt is 20 px of em
    }

    void selectedFontTurnsTheTextCounterClockwise() {
        Canvas canvas;
        pixelCanvas(canvas, 200, 200);
        canvas.surface().setForeColor(RGB(0, 0, 0));
        const auto previous =
            canvas.surface().SelectFont({"Liberation Sans", -20, 900, 400, false});
        QVERIFY(!previous.has_value());
        canvas.surface().setCurrentX(100);
        canvas.surface().setCurrentY(100);
        canvas.surface().Print("HHHHHH");
        canvas.surface().RestoreFont(previous);
        const QImage img = canvas.surface().Image();
        int above = 0, right = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                if (img.pixel(x, y) != RGB(255, 255, 255).toQRgb()) {
                    above += y < 95;
                    right += x > 125;
                }
        QVERIFY(above > 50);  // runs upwards from the press point
        QCOMPARE(right, 0);
    }
};

QTEST_MAIN(CanvasDrawingTest)
#include "tst_canvas_drawing.moc"
