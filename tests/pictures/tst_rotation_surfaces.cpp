// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation from one surface to another: orientation, coverage, and the fast way against
// the plain one. Surfaces need no window, so neither does this test.
#include "canvas/drawing_surface.h"
#include "marked_picture.h"
#include "pictures/rotation.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::Coverage;
using chromadeck::testing::coverage;
using chromadeck::testing::markedPicture;

namespace {
using Rotate = void (*)(const DrawingSurface&, DrawingSurface&, double);

// The sticker box as AutoSize leaves it: exactly its picture, in pixels.
void prepareSource(DrawingSurface& source, QSize size) {
    source.setDrawingSize(size);
    source.setScaleMode(DrawingSurface::kPixels);
    source.setPicture(markedPicture(size.width(), size.height()));
}

// The output box: white, in pixels, keeping what is drawn.
void prepareOutput(DrawingSurface& output, QSize size) {
    output.setDrawingSize(size);
    output.setScaleMode(DrawingSurface::kPixels);
    output.setBackColor(RGB(255, 255, 255));
    output.setAutoRedraw(true);
}

}  // namespace

class RotationSurfacesTest : public QObject {
    Q_OBJECT
  private slots:
    void bothWays_data() {
        QTest::addColumn<Rotate>("rotate");
        QTest::newRow("plain") << Rotate(&RotatePicture);
        QTest::newRow("fast") << Rotate(&RotatePictureFast);
    }

    void bothWays() {
        QFETCH(Rotate, rotate);
        DrawingSurface source, output;
        prepareSource(source, QSize(343, 161));

        // Angle 0 copies all but the outermost rows and columns, centred: output centre
        // (250, 200) shows source centre (171, 80).
        prepareOutput(output, QSize(500, 400));
        rotate(source, output, 0);
        Coverage c = coverage(output.Image());
        QCOMPARE(c.count, 341LL * 159);
        QCOMPARE(c.changed.size(), QSize(341, 159));
        QCOMPARE(output.Image().pixel(250, 200), markedPicture(343, 161).pixel(171, 80));

        // Positive angles turn clockwise: the red top-left corner goes to the top-right.
        DrawingSurface right, left;
        prepareOutput(right, QSize(500, 500));
        rotate(source, right, 90);
        c = coverage(right.Image());
        QVERIFY(c.changed.height() > c.changed.width());
        QVERIFY(c.red.left() > c.changed.center().x() && c.red.top() < c.changed.center().y());
        prepareOutput(left, QSize(500, 500));
        rotate(source, left, -90);
        c = coverage(left.Image());
        QVERIFY(c.changed.height() > c.changed.width());
        QVERIFY(c.red.left() < c.changed.center().x() && c.red.top() > c.changed.center().y());
    }

    void fastRotationSetsExactlyThePlainPixels() {
        for (const double degrees : {0.0, 30.0, 45.0, 90.0, -90.0, 180.0, 271.5, 1e6, -33.3}) {
            DrawingSurface source, a, b;
            prepareSource(source, QSize(343, 161));
            prepareOutput(a, QSize(400, 380));
            prepareOutput(b, QSize(400, 380));
            RotatePicture(source, a, degrees);
            RotatePictureFast(source, b, degrees);
            QVERIFY2(a.Image() == b.Image(), qPrintable(QString::number(degrees)));
        }
    }
};

QTEST_APPLESS_MAIN(RotationSurfacesTest)
#include "tst_rotation_surfaces.moc"
