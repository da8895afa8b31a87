// SPDX-License-Identifier: GPL-3.0-or-later
// Stickers: import, the mask colour and its swatch, pasting, dragging the boxes.
#include "picture_fixture.h"
#include "pictures/sticker_boxes.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::markedPicture;
using chromadeck::testing::PictureFixture;

namespace {
StickerControls controlsOf(PictureFixture& f) {
    return {&f.window, f.canvas, f.output, f.sticker, f.swatch, &f.dialog, &f.services.messages};
}

// White ground, a red ring, and a white dot inside the ring.
QImage ringSticker() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 35; ++x)
            if (x < 8 || x > 31 || y < 8 || y > 21) image.setPixel(x, y, qRgb(200, 0, 0));
    return image;
}

QRgb at(const Canvas& c, int x, int y) {
    return c.surface().Image().pixel(x, y);
}
}  // namespace

class StickersTest : public QObject {
    Q_OBJECT
  private slots:
    void pasteLandsAtSevenTenthsOfThePressPoint() {
        PictureFixture f;
        f.sticker->setPicture(markedPicture(60, 40));
        StickerBoxes(controlsOf(f)).Paste(1000, 500);
        QCOMPARE(at(*f.canvas, 700, 350), qRgb(255, 0, 0));
        QCOMPARE(at(*f.canvas, 699, 349), qRgb(0, 0, 0));
        QCOMPARE(at(*f.canvas, 759, 389), markedPicture(60, 40).pixel(59, 39));
        QCOMPARE(at(*f.canvas, 760, 390), qRgb(0, 0, 0));
        QVERIFY(!f.sticker->isHidden());
        QVERIFY(f.output->isHidden());
        QVERIFY(f.sticker->surface().AutoRedraw());
    }

    void theMaskColourIsLeftOutEverywhere() {
        PictureFixture f;
        f.sticker->setPicture(ringSticker());
        f.swatch->setBackColor(RGB(255, 255, 255));
        StickerBoxes(controlsOf(f)).Paste(100, 100);               // corner at (70, 70)
        QCOMPARE(at(*f.canvas, 70, 70), qRgb(0, 0, 0));            // the white ground
        QCOMPARE(at(*f.canvas, 70 + 20, 70 + 15), qRgb(0, 0, 0));  // the white inside
        QCOMPARE(at(*f.canvas, 70 + 6, 70 + 6), qRgb(200, 0, 0));
    }

    void withoutAMatchingMaskTheWholeRectangleIsPasted() {
        for (const bool picked : {false, true}) {
            PictureFixture f;
            f.sticker->setPicture(ringSticker());
            if (picked) f.swatch->setBackColor(RGB(1, 2, 3));  // not in the sticker
            StickerBoxes(controlsOf(f)).Paste(100, 100);
            QCOMPARE(at(*f.canvas, 70, 70), qRgb(255, 255, 255));
            QCOMPARE(at(*f.canvas, 70 + 39, 70 + 29), qRgb(255, 255, 255));
        }
    }

    void pickingAStickerPixelSetsTheSwatchAndDragsTheBox() {
        PictureFixture f;
        f.window.show();
        f.sticker->setPicture(ringSticker());
        f.sticker->show();
        StickerBoxes boxes(controlsOf(f));
        QObject::connect(f.sticker, &Canvas::MouseDown, [&](int b, int s, float x, float y) {
            boxes.Picture3_MouseDown(b, s, x, y);
        });
        const QPoint start = f.sticker->pos();
        // Pixel (6, 6) of the picture lies 2 pixels further in, past the border.
        QTest::mousePress(f.sticker, Qt::RightButton, {}, QPoint(8, 8));
        QVERIFY(MaskColour(*f.swatch).has_value());
        QCOMPARE(MaskColour(*f.swatch)->value, RGB(200, 0, 0).value);
        QCOMPARE(f.swatch->palette().color(QPalette::Window), QColor(200, 0, 0));
        QMouseEvent move(QEvent::MouseMove, QPointF(58, 28),
                         f.sticker->mapToGlobal(QPointF(58, 28)), Qt::NoButton, Qt::RightButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.sticker, &move);
        QCOMPARE(f.sticker->pos(), start + QPoint(50, 20));
        QTest::mouseRelease(f.sticker, Qt::RightButton, {}, QPoint(58, 28));
        QMouseEvent after(QEvent::MouseMove, QPointF(10, 10),
                          f.sticker->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(f.sticker, &after);
        QCOMPARE(f.sticker->pos(), start + QPoint(50, 20));  // released: it stays
    }

    void importResizesTheBoxAndCancelOrBadFilesKeepIt() {
        PictureFixture f;
        StickerBoxes boxes(controlsOf(f));
        f.sticker->setPicture(ringSticker());
        QTemporaryDir dir;
        const QString big = dir.filePath("big.png");
        QVERIFY(markedPicture(500, 300).save(big));
        const QString junk = dir.filePath("junk.jpg");
        {
            QFile file(junk);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture at all");
        }
        boxes.Command11_Click();  // cancelled
        QCOMPARE(f.sticker->surface().Picture().size(), QSize(40, 30));
        QVERIFY(f.sticker->isHidden());

        f.services.dialogs.openAnswers.push_back(junk);
        boxes.Command11_Click();
        QCOMPARE(f.sticker->surface().Picture().size(), QSize(40, 30));
        QCOMPARE(f.services.messages.messages.size(), qsizetype(1));
        QVERIFY(f.services.messages.messages[0].text.contains("junk.jpg"));

        f.services.dialogs.openAnswers.push_back(big);
        boxes.Command11_Click();
        QCOMPARE(f.sticker->size(), QSize(504, 304));  // the picture and its border
        QVERIFY(!f.sticker->isHidden() && !f.output->isHidden());
        boxes.Paste(1000, 500);
        QCOMPARE(at(*f.canvas, 700 + 499, 350 + 299), markedPicture(500, 300).pixel(499, 299));
    }

    void swatchDialogAndTheTwoButtons() {
        PictureFixture f;
        StickerBoxes boxes(controlsOf(f));
        boxes.Label17_Click();  // cancelled
        QVERIFY(!MaskColour(*f.swatch));
        f.services.dialogs.colorAnswers.push_back(QColor(9, 8, 7));
        boxes.Label17_Click();
        QCOMPARE(MaskColour(*f.swatch)->value, RGB(9, 8, 7).value);
        boxes.Command10_Click();
        QVERIFY(!f.sticker->isHidden() && !f.output->isHidden());
        boxes.Command8_Click();
        QVERIFY(f.sticker->isHidden() && f.output->isHidden());
    }

    void anEmptyStickerPastesNothing() {
        PictureFixture f;
        const QImage before = f.canvas->surface().Image();
        StickerBoxes(controlsOf(f)).Paste(500, 500);
        QCOMPARE(f.canvas->surface().Image(), before);
        QCOMPARE(StickerSize(QImage()), QSize(0, 0));
        QCOMPARE(StickerSize(markedPicture(343, 161)), QSize(343, 161));
    }
};

QTEST_MAIN(StickersTest)
#include "tst_stickers.moc"
