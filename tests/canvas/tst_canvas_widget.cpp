// SPDX-License-Identifier: GPL-3.0-or-later
// What the picture box adds to its surface: the drawing area inside the border, AutoSize,
// resizing a hidden box, painting and the mouse in surface units.
#include "canvas/canvas.h"
#include "canvas/controls/client_area.h"
#include "platform/picture_memory.h"

#include <QSignalSpy>
#include <QtTest>

using namespace chromadeck;

namespace {
QImage solid(int w, int h, RgbColor c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c.toQRgb());
    return image;
}

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

class CanvasWidgetTest : public QObject {
    Q_OBJECT
  private slots:
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
        canvas.setPicture(solid(343, 161, RGB(1, 1, 1)));
        QCOMPARE(canvas.size(), QSize(347, 165));
        QCOMPARE(canvas.drawingSize(), QSize(343, 161));
        QCOMPARE(canvas.surface().Image().size(), QSize(343, 161));
        canvas.setAutoSize(false);
        canvas.setPicture(solid(10, 10, RGB(1, 1, 1)));
        QCOMPARE(canvas.size(), QSize(347, 165));

        // Without the memory for a larger picture the box keeps its size and picture.
        canvas.setAutoSize(true);
        const platform::PictureBudgetOverride tight(343 * 161 * 4);
        QVERIFY(!canvas.setPicture(solid(400, 200, RGB(2, 2, 2))));
        QCOMPARE(canvas.size(), QSize(14, 14));
        QCOMPARE(canvas.surface().Picture().size(), QSize(10, 10));
    }

    void paintingDrawsTheBorderAroundTheDrawingArea() {
        Canvas canvas;
        canvas.resize(30, 20);
        canvas.surface().setScaleMode(DrawingSurface::kPixels);
        canvas.surface().setAutoRedraw(true);
        canvas.surface().setBackColor(RGB(255, 255, 255));
        QCOMPARE(canvas.drawingSize(), QSize(26, 16));
        canvas.surface().PSet(0, 0, RGB(0, 0, 255));
        canvas.surface().PSet(25, 15, RGB(255, 0, 0));
        const QImage shown = canvas.grab().toImage();
        QCOMPARE(shown.pixel(2, 2), RGB(0, 0, 255).toQRgb());
        QCOMPARE(shown.pixel(27, 17), RGB(255, 0, 0).toQRgb());
        // The sunken edge takes the two outermost pixels on every side and no more.
        QCOMPARE(shown.pixel(0, 10), qRgb(160, 160, 160));
        QCOMPARE(shown.pixel(1, 10), qRgb(105, 105, 105));
        QCOMPARE(shown.pixel(29, 10), qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(28, 10), qRgb(227, 227, 227));
        QCOMPARE(shown.pixel(10, 19), qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(10, 18), qRgb(227, 227, 227));
    }

    void nestedControlsStandAndShowInsideTheBorder() {
        Canvas canvas;
        canvas.resize(100, 80);
        auto* label = new QWidget(&canvas);
        canvas.show();
        setClientGeometry(label, QRect(10, 5, 200, 20));
        QCOMPARE(label->pos(), QPoint(12, 7));
        // Only the part over the drawing area shows; the border stays the canvas's.
        QCOMPARE(label->mask(), QRegion(0, 0, 86, 20));
        // Without a border the control keeps its place in the client area.
        canvas.setBorderStyle(0);
        QCOMPARE(clientGeometry(label), QRect(10, 5, 200, 20));
        QCOMPARE(label->mask(), QRegion(0, 0, 90, 20));
        moveInClient(label, QPoint(-5, 0));
        QCOMPARE(label->mask(), QRegion(5, 0, 100, 20));
        canvas.resize(200, 80);  // wholly inside now
        moveInClient(label, QPoint(0, 0));
        QVERIFY(label->mask().isEmpty());
    }

    void mouseIsReportedInSurfaceUnitsInsideTheBorder() {
        Canvas canvas;
        canvas.resize(200, 100);
        canvas.surface().Scale(100, 50, 198, 98);  // 196 x 96 pixels: two a unit
        QSignalSpy down(&canvas, &Canvas::MouseDown);
        QSignalSpy up(&canvas, &Canvas::MouseUp);
        QTest::mousePress(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 22));
        QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::ControlModifier, QPoint(2, 2));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down[0][0].toInt(), 1);
        QCOMPARE(down[0][1].toInt(), 1);
        QCOMPARE(down[0][2].toFloat(), 105.0f);
        QCOMPARE(down[0][3].toFloat(), 60.0f);
        QCOMPARE(up.count(), 1);
        QCOMPARE(up[0][0].toInt(), 1);
        QCOMPARE(up[0][1].toInt(), 2);
        QCOMPARE(up[0][2].toFloat(), 100.0f);
        QCOMPARE(up[0][3].toFloat(), 50.0f);
    }
};

QTEST_MAIN(CanvasWidgetTest)
#include "tst_canvas_widget.moc"
