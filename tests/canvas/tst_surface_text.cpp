// Text on a surface: where Print puts it and how a selected font turns it. Fonts need a
// QGuiApplication, though no window.
#include "canvas/drawing_surface.h"
#include "pixel_surface.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::pixelSurface;

class SurfaceTextTest : public QObject {
    Q_OBJECT
  private slots:
    void printDrawsTheTextFromTheTopLeftOfItsCell() {
        DrawingSurface surface;
        pixelSurface(surface, 300, 120);
        surface.setForeColor(RGB(255, 0, 255));
        surface.setFontName("Liberation Sans");
        surface.setFontSize(15);
        surface.setFontBold(true);
        surface.setCurrentX(50);
        surface.setCurrentY(40);
        surface.Print("HHHH");
        const QImage img = surface.Image();
        QRect inked;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != RGB(255, 255, 255).toQRgb()) inked |= QRect(x, y, 1, 1);
        QVERIFY(!inked.isEmpty());
        QVERIFY(inked.left() >= 50 && inked.left() <= 54);
        QVERIFY(inked.top() >= 40 && inked.top() <= 48);
        QVERIFY(inked.height() >= 12 && inked.height() <= 18);  // 15 pt is 20 px of em
    }

    void selectedFontTurnsTheTextCounterClockwise() {
        DrawingSurface surface;
        pixelSurface(surface, 200, 200);
        surface.setForeColor(RGB(0, 0, 0));
        const auto previous = surface.SelectFont({"Liberation Sans", -20, 900, 400, false});
        QVERIFY(!previous.has_value());
        surface.setCurrentX(100);
        surface.setCurrentY(100);
        surface.Print("HHHHHH");
        surface.RestoreFont(previous);
        const QImage img = surface.Image();
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

QTEST_MAIN(SurfaceTextTest)
#include "tst_surface_text.moc"
