// SPDX-License-Identifier: GPL-3.0-or-later
// The pen shapes and pixel operations on plain images: widths, ends, corners, fills.
#include "canvas/raster/pen_shapes.h"
#include "canvas/raster/pixel_ops.h"
#include "support/image_checks.h"
#include "support/test_pictures.h"

#include <QtTest>

using namespace chromadeck::raster;
using chromadeck::testing::countColour;
using chromadeck::testing::plainPicture;

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF, kInk = 0xFF102030, kRed = 0xFFFF0000;

QImage blank(int w, int h) {
    return plainPicture({w, h}, kWhite);
}

int inkInColumn(const QImage& image, int x) {
    return countColour(image, kInk, QRect(x, 0, 1, image.height()));
}

int inkInRow(const QImage& image, int y) {
    return countColour(image, kInk, QRect(0, y, image.width(), 1));
}
}  // namespace

class PenShapesTest : public QObject {
    Q_OBJECT
  private slots:
    void axisParallelStrokesAreExactlyTheirWidthAcross() {
        for (int w = 1; w <= 9; ++w) {
            QImage image = blank(60, 60);
            strokeSpans(10, 30, 50, 30, w, ClipRect::of(image), SpanWriter(image, kInk));
            QCOMPARE(inkInColumn(image, 30), w);
            QImage vertical = blank(60, 60);
            strokeSpans(30, 10, 30, 50, w, ClipRect::of(vertical), SpanWriter(vertical, kInk));
            QCOMPARE(inkInRow(vertical, 30), w);
        }
    }

    void strokesHaveRoundEnds() {
        QImage image = blank(80, 40);
        strokeSpans(20, 20, 60, 20, 11, ClipRect::of(image), SpanWriter(image, kInk));
        // The end cap reaches w/2 beyond the end on the axis, less off the axis.
        QCOMPARE(image.pixel(65, 20), kInk);
        QCOMPARE(image.pixel(66, 20), kWhite);
        QCOMPARE(image.pixel(64, 16), kWhite);  // the square corner would be inked
        QCOMPARE(image.pixel(60, 15), kInk);
    }

    void oneDotForAZeroLengthStroke() {
        QImage image = blank(10, 10);
        SpanCounter count;
        strokeSpans(4, 4, 4, 4, 1, ClipRect::of(image), count);
        QCOMPARE(count.pixels, 1LL);
        SpanCounter wide;
        dotSpans(4, 4, 2, ClipRect::of(image), wide);
        QCOMPARE(wide.pixels, 4LL);
    }

    void diagonalThinStrokeIsUnbrokenAndStopsAFourWayFill() {
        QImage image = blank(40, 40);
        strokeSpans(0, 0, 39, 39, 1, ClipRect::of(image), SpanWriter(image, kInk));
        strokeSpans(0, 5, 34, 39, 1, ClipRect::of(image), SpanWriter(image, kInk));
        for (int i = 0; i < 40; ++i) QCOMPARE(image.pixel(i, i), kInk);
        // The band between the two diagonals is closed to a four-neighbour fill.
        const long long filled = floodFillSurface(image, 1, 4, kWhite, kRed, ClipRect::of(image));
        QVERIFY(filled > 0);
        QCOMPARE(image.pixel(10, 2), kWhite);
        QCOMPARE(image.pixel(2, 30), kWhite);
    }

    void steepAndShallowStrokesLeaveNoGaps() {
        QImage image = blank(200, 200);
        strokeSpans(3, 7, 190, 61, 1, ClipRect::of(image), SpanWriter(image, kInk));
        strokeSpans(11, 3, 70, 195, 1, ClipRect::of(image), SpanWriter(image, kInk));
        for (int x = 3; x <= 190; ++x) QVERIFY(inkInColumn(image, x) >= 1);
        for (int y = 3; y <= 195; ++y) QVERIFY(inkInRow(image, y) >= 1);
    }

    void boxOutlineCentresThePenOnItsEdges() {
        QImage image = blank(100, 100);
        boxOutlineSpans(20, 20, 80, 70, 5, ClipRect::of(image), SpanWriter(image, kInk));
        // 5 px wide: from 2 outside to 2 inside each edge.
        QCOMPARE(image.pixel(18, 45), kInk);
        QCOMPARE(image.pixel(17, 45), kWhite);
        QCOMPARE(image.pixel(22, 45), kInk);
        QCOMPARE(image.pixel(23, 45), kWhite);
        QCOMPARE(image.pixel(50, 45), kWhite);  // the inside is untouched
        QCOMPARE(image.pixel(23, 23), kWhite);  // square inner corner
        QCOMPARE(image.pixel(18, 18), kWhite);  // round outer corner
        QCOMPARE(image.pixel(19, 19), kInk);
        QCOMPARE(inkInColumn(image, 50), 10);
    }

    void boxOutlineWiderThanItsHoleIsSolid() {
        QImage image = blank(100, 100);
        boxOutlineSpans(45, 45, 52, 52, 50, ClipRect::of(image), SpanWriter(image, kInk));
        for (int y = 40; y <= 57; ++y)
            for (int x = 40; x <= 57; ++x) QCOMPARE(image.pixel(x, y), kInk);
    }

    void thinBoxOutlineIsOnePixelWithCornersIncluded() {
        SpanCounter count;
        boxOutlineSpans(10, 10, 20, 15, 1, ClipRect::of(100, 100), count);
        QCOMPARE(count.pixels, 2LL * 11 + 2LL * 4);
    }

    void ellipseOutlineSemiAxes() {
        QImage image = blank(100, 100);
        ellipseOutlineSpans(50, 50, 20, 10, 1, ClipRect::of(image), SpanWriter(image, kInk));
        QCOMPARE(image.pixel(70, 50), kInk);
        QCOMPARE(image.pixel(71, 50), kWhite);
        QCOMPARE(image.pixel(30, 50), kInk);
        QCOMPARE(image.pixel(50, 40), kInk);
        QCOMPARE(image.pixel(50, 39), kWhite);
        QCOMPARE(image.pixel(50, 60), kInk);
        QCOMPARE(image.pixel(50, 50), kWhite);
        QCOMPARE(inkInColumn(image, 50), 2);
    }

    void penWiderThanTheRingFillsTheMiddle() {
        QImage image = blank(100, 100);
        ellipseOutlineSpans(50, 50, 3, 3, 15, ClipRect::of(image), SpanWriter(image, kInk));
        QCOMPARE(image.pixel(50, 50), kInk);
        QCOMPARE(image.pixel(60, 50), kInk);  // 3 + 7.5 reaches 10.5
        QCOMPARE(image.pixel(61, 50), kWhite);
    }

    void shapesAreClippedToTheImage() {
        QImage image = blank(30, 30);
        ellipseOutlineSpans(0, 0, 1e7, 1e7, 3, ClipRect::of(image), SpanWriter(image, kInk));
        boxOutlineSpans(-1e6, -50, 1e6, 10, 4, ClipRect::of(image), SpanWriter(image, kInk));
        strokeSpans(-1e5, 29, 1e5, 29, 30, ClipRect::of(image), SpanWriter(image, kInk));
        QCOMPARE(image.pixel(0, 29), kInk);
        SpanCounter none;
        strokeSpans(100, 100, 200, 200, 3, ClipRect::of(image), none);
        QCOMPARE(none.pixels, 0LL);
    }

    void floodFillTakesExactlyTheConnectedColour() {
        QImage image = blank(20, 20);
        image.setPixel(5, 5, 0xFFFFFFFE);  // one step off white: not the same colour
        strokeSpans(10, 0, 10, 19, 1, ClipRect::of(image), SpanWriter(image, kInk));
        const long long filled = floodFillSurface(image, 0, 0, kWhite, kRed, ClipRect::of(image));
        QCOMPARE(filled, 10LL * 20 - 1);
        QCOMPARE(image.pixel(5, 5), 0xFFFFFFFEu);
        QCOMPARE(image.pixel(15, 5), kWhite);
        // Filling with the colour already there changes nothing.
        QCOMPARE(floodFillSurface(image, 0, 0, kRed, kRed, ClipRect::of(image)), 0LL);
        // A seed of another colour fills nothing.
        QCOMPARE(floodFillSurface(image, 10, 3, kWhite, kRed, ClipRect::of(image)), 0LL);
    }

    void transparentCopyLeavesOutTheMaskColour() {
        QImage sticker = blank(4, 2);
        sticker.setPixel(1, 0, kInk);
        sticker.setPixel(2, 1, kRed);
        QImage canvas(10, 10, QImage::Format_RGB32);
        canvas.fill(0xFF00FF00);
        transparentCopy(canvas, 8, 8, 4, 2, sticker, 0, 0, 4, 2, kWhite);
        QCOMPARE(canvas.pixel(9, 8), kInk);
        QCOMPARE(canvas.pixel(8, 8), 0xFF00FF00u);  // white left out
        transparentCopy(canvas, 0, 0, 4, 2, sticker, 0, 0, 4, 2, 0xFF123456);
        QCOMPARE(canvas.pixel(0, 0), kWhite);  // a mask that matches nothing copies all
        QCOMPARE(canvas.pixel(2, 1), kRed);
    }

    void plainCopyClipsBothSides() {
        QImage src = blank(5, 5);
        src.setPixel(0, 0, kInk);
        src.setPixel(4, 4, kRed);
        QImage dst(6, 6, QImage::Format_RGB32);
        dst.fill(0xFF000000);
        copyRect(dst, -1, -1, 5, 5, src, 0, 0);
        QCOMPARE(dst.pixel(3, 3), kRed);
        QCOMPARE(dst.pixel(0, 0), kWhite);
        copyRect(dst, 2, 2, 10, 10, src, -2, -2);
        QCOMPARE(dst.pixel(4, 4), kInk);
    }
};

QTEST_APPLESS_MAIN(PenShapesTest)
#include "tst_pen_shapes.moc"
