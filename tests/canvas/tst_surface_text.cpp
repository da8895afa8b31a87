// SPDX-License-Identifier: GPL-3.0-or-later
// Text on a surface: where Print puts it and how a selected font turns it. Fonts need a
// QGuiApplication, though no window.
#include "canvas/drawing_surface.h"
#include "pixel_surface.h"

#include <QtTest>
#include <functional>
#include <vector>

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

    void everythingDrawnLiesInTheRectangleItReports() {
        // Whoever shows only what changed (the capture window) trusts this rectangle: a
        // pixel drawn outside it would never be shown, kept or undone.
        DrawingSurface surface;
        pixelSurface(surface, 240, 160);
        int shade = 0;  // each round in other colours, so that every drawing changes pixels
        const std::vector<std::function<void()>> drawings = {
            [&] { surface.Line(-20, 30, 260, 90, RGB(1, shade, 0)); },
            [&] { surface.LineBox(230, 150, 100, 40, RGB(2, shade, 0)); },
            [&] { surface.Circle(120, 80, 70, RGB(3, shade, 0), {}, {}, 0.4f); },
            [&] { surface.Circle(120, 80, 50, RGB(4, shade, 0), -0.5f, -2.5f); },
            [&] { surface.PSet(239, 159, RGB(5, shade, 0)); },
            [&] {
                surface.setForeColor(RGB(6, shade, 0));
                surface.SelectFont({"Liberation Serif", -28, 1350, 800, true});
                surface.setCurrentX(120);
                surface.setCurrentY(120);
                surface.Print(QStringLiteral("Ajy\n字f/"));
                surface.RestoreFont({});
            },
        };
        for (const int width : {1, 7}) {
            surface.setDrawWidth(width);
            shade = width;
            for (const auto& draw : drawings) {
                const QImage before = surface.Image();
                surface.takeDrawnRect();
                draw();
                const QRect reported = surface.takeDrawnRect();
                const QImage after = surface.Image();
                int changed = 0;
                for (int y = 0; y < after.height(); ++y)
                    for (int x = 0; x < after.width(); ++x)
                        if (after.pixel(x, y) != before.pixel(x, y)) {
                            ++changed;
                            QVERIFY2(reported.contains(x, y),
                                     qPrintable(QString("%1,%2").arg(x).arg(y)));
                        }
                QVERIFY(changed > 0);
            }
        }
    }
};

QTEST_MAIN(SurfaceTextTest)
#include "tst_surface_text.moc"
