// SPDX-License-Identifier: GPL-3.0-or-later
// The rotation buttons of the main window: turning the sticker into the output box,
// drawing over earlier results, a bad angle, clearing, saving and the size bars.
#include "picture_fixture.h"
#include "pictures/picture_rotation.h"
#include "platform/picture_memory.h"

#include <QTemporaryDir>
#include "marked_picture.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::Coverage;
using chromadeck::testing::coverage;
using chromadeck::testing::markedPicture;
using chromadeck::testing::PictureFixture;

namespace {
RotationControls controlsOf(PictureFixture& f) {
    return {&f.window, f.canvas, f.output,  f.sticker,           f.angle,
            f.height,  f.width,  &f.dialog, &f.services.messages};
}

void prepare(PictureFixture& f, QSize source, QSize output) {
    f.sticker->setBorderStyle(0);
    f.sticker->setPicture(markedPicture(source.width(), source.height()));
    f.output->resize(output);
}
}  // namespace

class RotationTest : public QObject {
    Q_OBJECT
  private slots:
    void angleZeroCopiesAllButTheOutermostRowsAndColumns() {
        PictureFixture f;
        prepare(f, QSize(343, 161), QSize(500, 400));
        f.angle->setEditText("0");
        PictureRotation(controlsOf(f)).Command15_Click();
        const Coverage c = coverage(f.output->surface().Image());
        QCOMPARE(c.count, 341LL * 159);
        QCOMPARE(c.changed.size(), QSize(341, 159));
        // Centred: output centre (250, 200) shows source centre (171, 80).
        QCOMPARE(f.output->surface().Image().pixel(250, 200),
                 markedPicture(343, 161).pixel(171, 80));
        QVERIFY(!f.output->isHidden() && f.output->surface().AutoRedraw());
    }

    void positiveAnglesTurnClockwise() {
        PictureFixture f;
        prepare(f, QSize(343, 161), QSize(500, 500));
        f.angle->setEditText("90");
        PictureRotation(controlsOf(f)).Command15_Click();
        Coverage c = coverage(f.output->surface().Image());
        QVERIFY(c.changed.height() > c.changed.width());
        // The red top-left corner turns to the top-right.
        QVERIFY(c.red.left() > c.changed.center().x() && c.red.top() < c.changed.center().y());

        PictureFixture g;
        prepare(g, QSize(343, 161), QSize(500, 500));
        g.angle->setEditText("-90");
        PictureRotation(controlsOf(g)).Command15_Click();
        c = coverage(g.output->surface().Image());
        QVERIFY(c.changed.height() > c.changed.width());
        QVERIFY(c.red.left() < c.changed.center().x() && c.red.top() > c.changed.center().y());
    }

    // An output box larger than memory allows for its picture: a message, nothing turned.
    void anOutputBeyondMemoryIsRefused() {
        PictureFixture f;
        prepare(f, QSize(200, 60), QSize(300, 300));
        const QImage before = f.output->surface().Image();
        f.angle->setEditText("30");
        {
            const platform::PictureBudgetOverride tight(300 * 300 * 4);
            f.output->resize(900, 900);
            PictureRotation(controlsOf(f)).Command15_Click();
        }
        QCOMPARE(f.services.messages.messages.size(), size_t(1));
        QVERIFY(f.services.messages.messages[0].text.startsWith(QStringLiteral("内存不足")));
        QVERIFY(f.services.messages.messages[0].text.contains("900 x 900"));
        // Nothing turned into the part there was memory for.
        QCOMPARE(f.output->surface().Image().copy(0, 0, 300, 300), before);
    }

    void aSecondRotationDrawsOverTheFirst() {
        PictureFixture once, twice;
        for (PictureFixture* f : {&once, &twice}) {
            prepare(*f, QSize(200, 60), QSize(300, 300));
            f->angle->setEditText("30");
        }
        PictureRotation(controlsOf(once)).Command15_Click();
        PictureRotation second(controlsOf(twice));
        twice.angle->setEditText("60");
        second.Command15_Click();
        twice.angle->setEditText("30");
        second.Command15_Click();
        QVERIFY(coverage(twice.output->surface().Image()).count >
                coverage(once.output->surface().Image()).count);
    }

    void anAngleThatIsNoNumberRotatesNothing() {
        PictureFixture f;
        prepare(f, QSize(50, 50), QSize(100, 100));
        f.angle->setEditText("半圈");
        PictureRotation(controlsOf(f)).Command15_Click();
        QCOMPARE(coverage(f.output->surface().Image()).count, 0LL);
        QCOMPARE(f.window.cursor().shape(), Qt::ArrowCursor);
    }

    void clearThenSaveWritesAWhiteFrameAndBarsResizeIt() {
        PictureFixture f;
        prepare(f, QSize(120, 80), QSize(200, 150));
        PictureRotation rotation(controlsOf(f));
        rotation.Command15_Click();
        rotation.Command16_Click();
        QTemporaryDir dir;
        const QString name = dir.filePath("turned");  // no extension: used as typed
        f.services.dialogs.saveAnswers.push_back(name);
        rotation.Command17_Click();
        QCOMPARE(f.services.dialogs.requests.back().file.filter,
                 QString("Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"));
        QImage saved(name, "BMP");
        QCOMPARE(saved.size(), QSize(200, 150));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32).pixel(100, 75), qRgb(255, 255, 255));

        f.width->setValue(1500);
        rotation.HScroll6_Change();
        QCOMPARE(f.output->width(), 1052);  // 1500 canvas units
        f.height->setValue(100);
        rotation.HScroll5_Change();
        QCOMPARE(f.output->height(), 70);
    }
};

QTEST_MAIN(RotationTest)
#include "tst_rotation.moc"
