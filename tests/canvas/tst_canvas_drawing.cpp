// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing on a surface in its own units: geometry, pens and unit conversion. Needs no
// application: nothing here prints text.
#include "canvas/drawing_surface.h"
#include "canvas/random_source.h"
#include "pixel_surface.h"
#include "support/image_checks.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::countColour;
using chromadeck::testing::pixelSurface;

namespace {
// The main window's canvas: 10.51875 x 10.525 twips per unit, about 0.7 pixel.
void useMainCanvasUnits(DrawingSurface& surface) {
    surface.setUnitSize(10.51875, 10.525);
}

}  // namespace

class SurfaceDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void mainCanvasUnitsMapToAboutSevenTenthsOfAPixel() {
        DrawingSurface surface;
        useMainCanvasUnits(surface);
        QCOMPARE(surface.pixelX(1000), 701);
        QCOMPARE(surface.pixelY(1000), 702);
        QCOMPARE(surface.pixelX(0), 0);
        surface.setDrawingSize(QSize(1403, 702));
        QCOMPARE(qRound(surface.ScaleWidth()), 2001);
    }

    void circleWithStartAndEndZeroIsTheWholeEllipse() {
        DrawingSurface a, b;
        pixelSurface(a, 60, 60).Circle(30, 30, 20, RGB(0, 0, 255));
        pixelSurface(b, 60, 60).Circle(30, 30, 20, RGB(0, 0, 255), 0.0f, 0.0f);
        QCOMPARE(a.Image(), b.Image());
        QVERIFY(countColour(a.Image(), RGB(0, 0, 255).toQRgb()) > 100);
        QCOMPARE(a.CurrentX(), 30.0f);
    }

    void aspectShortensOneSemiAxisMeasuredInTheHorizontalUnit() {
        DrawingSurface flat;
        pixelSurface(flat, 60, 60).Circle(30, 30, 10, RGB(0, 0, 0), {}, {}, 0.5f);
        QImage img = flat.Image();
        QCOMPARE(img.pixel(40, 30), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(41, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 25), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(30, 24), RGB(255, 255, 255).toQRgb());

        DrawingSurface tall;
        pixelSurface(tall, 60, 60).Circle(30, 30, 10, RGB(0, 0, 0), {}, {}, 2.0f);
        img = tall.Image();
        QCOMPARE(img.pixel(35, 30), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(36, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 20), RGB(0, 0, 0).toQRgb());
        QCOMPARE(img.pixel(30, 19), RGB(255, 255, 255).toQRgb());
    }

    void arcKeepsOnlyItsQuarter() {
        DrawingSurface surface;
        pixelSurface(surface, 60, 60)

            .Circle(30, 30, 20, RGB(0, 0, 0), 0.0f, float(M_PI / 2));
        const QImage img = surface.Image();
        QCOMPARE(img.pixel(50, 30), RGB(0, 0, 0).toQRgb());  // angle 0: right
        QCOMPARE(img.pixel(30, 10), RGB(0, 0, 0).toQRgb());  // a quarter turn: up
        QCOMPARE(img.pixel(10, 30), RGB(255, 255, 255).toQRgb());
        QCOMPARE(img.pixel(30, 50), RGB(255, 255, 255).toQRgb());
    }

    void wideRingsLeaveTheirBoundariesWhereTheNextRingBegins() {
        // Radii 1, 361, 721, ... units with a 360-pixel pen: each ring covers the outer
        // part of the one before, so colours change near 73, 326, 578, 830 and 1083 px.
        DrawingSurface surface(QSize(1300, 40));
        surface.setAutoRedraw(true);
        useMainCanvasUnits(surface);
        surface.setDrawWidth(360);
        RandomSource random;
        std::vector<RgbColor> colours;
        for (int r = 1; r <= 1801; r += 360) {
            colours.push_back(RandomColor(random));
            surface.Circle(0, 20 * 15 / 10.525f, float(r), colours.back());
        }
        const QImage img = surface.Image();
        const int y = surface.pixelY(20 * 15 / 10.525f);
        const int boundaries[] = {73, 326, 578, 830, 1083};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(img.pixel(boundaries[i] - 1, y), colours[i].toQRgb());
            QCOMPARE(img.pixel(boundaries[i] + 1, y), colours[i + 1].toQRgb());
        }
    }

    void lineFormsAndTheCurrentPoint() {
        DrawingSurface surface;
        pixelSurface(surface, 50, 50);
        surface.setForeColor(RGB(9, 9, 9));
        surface.Line(5, 5, 20, 5);
        QCOMPARE(surface.CurrentX(), 20.0f);
        surface.LineTo(20, 30);  // continues from (20, 5)
        const QImage img = surface.Image();
        QCOMPARE(img.pixel(20, 17), RGB(9, 9, 9).toQRgb());
        QCOMPARE(img.pixel(12, 5), RGB(9, 9, 9).toQRgb());
        QCOMPARE(countColour(img, RGB(9, 9, 9).toQRgb()), 16 + 25);
        surface.setDrawWidth(3);
        surface.LineBox(30, 30, 40, 44, RGB(1, 2, 3));
        QCOMPARE(surface.Image().pixel(31, 37), RGB(1, 2, 3).toQRgb());
        QCOMPARE(surface.Image().pixel(35, 37), RGB(255, 255, 255).toQRgb());
    }

    void wideDotsAndPointReadBack() {
        DrawingSurface surface;
        pixelSurface(surface, 40, 40);
        surface.setDrawWidth(6);
        surface.PSet(20, 20, RGB(200, 0, 0));
        QCOMPARE(countColour(surface.Image(), RGB(200, 0, 0).toQRgb()), 32);  // a round 6-pixel dot
        QCOMPARE(surface.Point(20, 20).value, RGB(200, 0, 0).value);
        QCOMPARE(surface.Point(-1, 5).value, -1);
        QCOMPARE(surface.Point(40, 5).value, -1);
        QCOMPARE(surface.Point(39, 39).value, RGB(255, 255, 255).value);
    }

    void drawingOutsideIsClippedSilently() {
        DrawingSurface surface;
        pixelSurface(surface, 20, 20);
        surface.setDrawWidth(30);
        surface.Circle(-500, -500, 1e6f, RGB(1, 1, 1));
        surface.Line(-1e6f, 10, 1e6f, 10, RGB(2, 2, 2));
        surface.LineBox(-1e9f, -1e9f, 1e9f, 1e9f, RGB(3, 3, 3));
        QCOMPARE(surface.Image().size(), QSize(20, 20));
        QCOMPARE(countColour(surface.Image(), RGB(2, 2, 2).toQRgb()), 20 * 20);
    }
};

QTEST_APPLESS_MAIN(SurfaceDrawingTest)
#include "tst_canvas_drawing.moc"
