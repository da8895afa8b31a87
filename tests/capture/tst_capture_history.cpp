// SPDX-License-Identifier: GPL-3.0-or-later
// The history keeps each step as the pixels it changed, old and new: undo and redo give
// back exactly the pictures pushed, its memory grows with what was drawn, a bound merges
// the oldest steps into the first snapshot, and steps it cannot store or read are refused.
#include "capture/capture_history.h"
#include "capture/snapshot_delta.h"

#include <QPainter>
#include <QtEndian>
#include <QtTest>
#include <random>

using chromadeck::Long;
using namespace chromadeck::capture;

namespace {

QImage patternedScreen(QSize size = {1920, 1080}) {
    QImage screen(size, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    return screen;
}

// The k-th annotation: a rectangle outline of 200 x 100, each one somewhere else.
void annotate(QImage& picture, int k) {
    QPainter painter(&picture);
    painter.setPen(QColor(255, k & 255, 0));
    painter.drawRect((k * 397) % (picture.width() - 201), (k * 151) % (picture.height() - 101), 200,
                     100);
}

// Pushes `count` annotations on `picture`, returning it before them and after each; empty
// when a push is refused.
QList<QImage> pushAnnotations(CaptureHistory& history, QImage picture, int count) {
    QList<QImage> states{picture};
    for (int k = 0; k < count; ++k) {
        annotate(picture, k);
        if (!history.PushSnapshot(picture)) return {};
        states << picture;
    }
    return states;
}

void putWord(QByteArray& bytes, qsizetype at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

}  // namespace

class CaptureHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsGiveBackThePicturesPushed() {
        const QImage screen = patternedScreen();
        CaptureHistory history;
        QVERIFY(history.StartHistory(screen));
        QList<QImage> states = pushAnnotations(history, screen, 3);
        QImage lined = states.last();
        {
            QPainter painter(&lined);  // reaches both edges of the screen
            painter.drawLine(0, 1079, 1919, 1077);
        }
        QVERIFY(history.PushSnapshot(lined));
        states << lined;
        QCOMPARE(history.SnapTop(), 5);
        for (int k = 1; k <= 5; ++k) QCOMPARE(history.snapshot(k), states[k - 1]);
        QVERIFY(history.storedBytes() < 100'000);

        for (int k = 4; k >= 1; --k) {
            const CaptureHistory::Step step = history.Undo();
            QCOMPARE(step.kind, CaptureHistory::Step::Show);
            QCOMPARE(step.picture, states[k - 1]);
        }
        QCOMPARE(history.Undo().kind, CaptureHistory::Step::PastFirst);
        QCOMPARE(history.SnapPos(), 1);
        for (int k = 2; k <= 5; ++k) QCOMPARE(history.Redo().picture, states[k - 1]);
        QCOMPARE(history.Redo().kind, CaptureHistory::Step::Keep);

        // A push after three steps back drops what redo could reach.
        history.Undo();
        history.Undo();
        history.Undo();
        QImage annotated = states[1];
        annotate(annotated, 40);
        QVERIFY(history.PushSnapshot(annotated));
        QCOMPARE(history.SnapTop(), 3);
        QCOMPARE(history.Redo().kind, CaptureHistory::Step::Keep);
        QCOMPARE(history.Undo().picture, states[1]);
        QCOMPARE(history.Redo().picture, annotated);

        // A picture of another size cannot be told as changed pixels: kept whole, and
        // the steps on either side of it still go both ways.
        const QImage small = screen.scaled(100, 50);
        QVERIFY(history.PushSnapshot(small));
        QImage after = annotated;
        annotate(after, 41);
        QVERIFY(history.PushSnapshot(after));
        QCOMPARE(history.Undo().picture, small);
        QCOMPARE(history.Undo().picture, annotated);
        QCOMPARE(history.Redo().picture, small);
        QCOMPARE(history.Redo().picture, after);

        history.ResetToFirst();
        QCOMPARE(history.SnapTop(), 1);
        QCOMPARE(history.storedBytes(), 0);
        QVERIFY(history.PushSnapshot(after));
        QCOMPARE(history.Undo().picture, screen);
    }

    void memoryGrowsWithWhatIsDrawn() {
        // 1,000 rectangles on a 1920 x 1080 screen: told as differences from the grabbed
        // screen they would take about 1.7 GB.
        CaptureHistory history;
        QImage picture = patternedScreen(), before;
        QVERIFY(history.StartHistory(picture));
        qsizetype after200 = 0;
        for (int k = 1; k <= 1000; ++k) {
            before = picture;
            annotate(picture, k);
            QVERIFY(history.PushSnapshot(picture));
            if (k == 200) after200 = history.storedBytes();
        }
        const qsizetype after1000 = history.storedBytes();
        QVERIFY2(after1000 < 16'000'000, QByteArray::number(after1000).constData());
        QVERIFY(after1000 < after200 * 6);
        QCOMPARE(history.SnapTop(), 1001);
        QCOMPARE(history.Undo().picture, before);
        QCOMPARE(history.Redo().picture, picture);
    }

    void boundMergesTheOldestSteps() {
        const QImage screen = patternedScreen();
        CaptureHistory measured;
        QVERIFY(measured.StartHistory(screen));
        QVERIFY(!pushAnnotations(measured, screen, 1).isEmpty());
        const qsizetype oneStep = measured.storedBytes();

        // Room for about three steps of these.
        const qsizetype bound = oneStep * 3 + oneStep / 2;
        CaptureHistory history(HistoryLimits{.bound = bound});
        QVERIFY(history.StartHistory(screen));
        const QList<QImage> states = pushAnnotations(history, screen, 10);
        QCOMPARE(states.size(), 11);
        QVERIFY(history.storedBytes() <= bound);
        const Long kept = history.SnapTop() - 1;
        QVERIFY(kept >= 2 && kept <= 4);
        QCOMPARE(history.SnapPos(), history.SnapTop());
        // The first snapshot is now the picture after the merged steps.
        QCOMPARE(history.snapshot(1), states[10 - kept]);
        for (Long k = 1; k <= kept; ++k) QCOMPARE(history.Undo().picture, states[10 - k]);
        QCOMPARE(history.Undo().kind, CaptureHistory::Step::PastFirst);
        for (Long k = kept - 1; k >= 0; --k) QCOMPARE(history.Redo().picture, states[10 - k]);
    }

    void mixedStepsMatchAPlainListOfPictures() {
        // Pushes, steps back and forth, resets and merges in a random order, held against
        // the list of every picture a simple history would keep.
        std::mt19937 random(11);
        const QImage screen = patternedScreen({400, 300});
        CaptureHistory history(HistoryLimits{.bound = 60'000});
        QVERIFY(history.StartHistory(screen));
        QList<QImage> kept{screen};
        Long pos = 1;
        for (int round = 0; round < 400; ++round) {
            const unsigned choice = random() % 10;
            if (choice < 4) {
                QImage next = kept[pos - 1];
                annotate(next, round);
                QVERIFY(history.PushSnapshot(next));
                kept.resize(pos);
                kept << next;
                const Long merged = Long(kept.size()) - history.SnapTop();
                kept.remove(0, merged);
                pos = history.SnapTop();
            } else if (choice < 7) {
                const CaptureHistory::Step step = history.Undo();
                if (pos > 1) QCOMPARE(step.picture, kept[--pos - 1]);
            } else if (choice < 9) {
                const CaptureHistory::Step step = history.Redo();
                if (pos < Long(kept.size())) QCOMPARE(step.picture, kept[pos++]);
            } else {
                history.ResetToFirst();
                kept.resize(1);
                pos = 1;
            }
            QCOMPARE(history.SnapPos(), pos);
            QCOMPARE(history.SnapTop(), Long(kept.size()));
            QVERIFY(history.storedBytes() <= 60'000);
        }
        for (Long k = 1; k <= history.SnapTop(); ++k) QCOMPARE(history.snapshot(k), kept[k - 1]);
    }

    void changesAreKeptInPlaceAndShownByTheirRectangle() {
        // As the window uses it: the picture shown is the window's own, each push names
        // where it changed, and each step back or forth is shown by copying only its
        // rectangle from the kept picture. After a reset the picture shown keeps its
        // annotations and the next step runs from the grabbed screen.
        std::mt19937 random(5);
        const QImage screen = patternedScreen({400, 300});
        CaptureHistory history(HistoryLimits{.bound = 60'000});
        QVERIFY(history.StartHistory(screen));
        QImage shown = screen.copy();
        QList<QImage> kept{screen};
        Long pos = 1;
        const uchar* keptPixels = nullptr;
        const auto show = [&](const CaptureHistory::Step& step) {
            if (step.kind != CaptureHistory::Step::Show) return;
            QPainter(&shown).drawImage(step.changed.topLeft(), step.picture, step.changed);
        };
        for (int round = 0; round < 300; ++round) {
            const unsigned choice = random() % 10;
            if (choice < 4) {
                annotate(shown, round);
                const QRect drawn((round * 397) % 199, (round * 151) % 199, 201, 101);
                QVERIFY(history.PushChange(shown, drawn));
                kept.resize(pos);
                kept << shown.copy();
                kept.remove(0, Long(kept.size()) - history.SnapTop());
                pos = history.SnapTop();
            } else if (choice < 7) {
                show(history.Undo());
                pos = std::max<Long>(1, pos - 1);
            } else if (choice < 9) {
                show(history.Redo());
                pos = std::min<Long>(Long(kept.size()), pos + 1);
            } else {
                history.ResetToFirst();
                kept = {kept.front()};
                pos = 1;
            }
            QCOMPARE(history.SnapTop(), Long(kept.size()));
            QCOMPARE(history.kept(), shown);
            if (pos > 1 || kept.size() > 1) QCOMPARE(shown, kept[pos - 1]);
            // Once the kept picture is the history's own, no step copies it again.
            if (keptPixels && pos > 1) QCOMPARE(history.kept().constBits(), keptPixels);
            if (!keptPixels && pos > 1) keptPixels = history.kept().constBits();
        }
    }

    void stepsThatCannotBeStoredAreRefused() {
        const QImage screen = patternedScreen({400, 300});
        // The grabbed screen is shared; the first change needs a kept picture of its own,
        // and without room for it the step is refused.
        CaptureHistory cramped(HistoryLimits{.largestBlock = screen.sizeInBytes() - 1});
        QVERIFY(cramped.StartHistory(screen));
        QImage shown = screen;
        annotate(shown, 1);
        QVERIFY(!cramped.PushChange(shown, shown.rect()));
        QCOMPARE(cramped.SnapTop(), 1);
        QCOMPARE(cramped.kept(), screen);
        QCOMPARE(cramped.Undo().kind, CaptureHistory::Step::PastFirst);

        // Room for a screenful but not for a step that changes every pixel (twice that).
        CaptureHistory history(HistoryLimits{.largestBlock = screen.sizeInBytes() + 4096});
        QVERIFY(history.StartHistory(screen));
        const QList<QImage> states = pushAnnotations(history, screen, 2);
        QCOMPARE(states.size(), 3);
        history.Undo();
        QImage everywhere = states[1];
        everywhere.invertPixels();
        QVERIFY(!history.PushSnapshot(everywhere));
        QVERIFY(!history.PushSnapshot(QImage()));
        QCOMPARE(history.SnapPos(), 2);
        QCOMPARE(history.SnapTop(), 3);  // redo kept as well
        QCOMPARE(history.Redo().picture, states[2]);
        QCOMPARE(history.Undo().picture, states[1]);
        QCOMPARE(history.Undo().picture, states[0]);
    }

    void malformedStepsAreRefused() {
        const QImage before = patternedScreen({64, 32});
        QImage after = before;
        annotate(after, 3);
        after.setPixel(63, 31, qRgb(1, 2, 3));
        const QByteArray step = EncodeSnapshotDelta(before, after).value();
        QImage picture = before;
        QVERIFY(ApplySnapshotDelta(step, picture, StepWay::Forward));
        QCOMPARE(picture, after);
        // Taken twice the pixels are no longer what the step says they were.
        QVERIFY(!ApplySnapshotDelta(step, picture, StepWay::Forward));
        QVERIFY(ApplySnapshotDelta(step, picture, StepWay::Back));
        QCOMPARE(picture, before);

        // The first run starts after the 16-byte header: row, column, count, pixels.
        const auto refused = [&](const QByteArray& bytes, QImage target) {
            const QImage untouched = target;
            return !ApplySnapshotDelta(bytes, target, StepWay::Forward) && target == untouched;
        };
        QByteArray bytes = step;
        bytes[16 + 12 + 1] = char(bytes[16 + 12 + 1] ^ 0x40);  // an old pixel changed
        QVERIFY(refused(bytes, before));
        QVERIFY(refused(step.left(step.size() - 3), before));  // cut inside the last run
        QVERIFY(refused(step.left(10), before));
        QVERIFY(refused({}, before));
        QVERIFY(refused(QByteArray(4096, 'x'), before));
        for (const quint32 count : {0u, 65u, 0xffffffffu, 0x20000000u}) {
            bytes = step;
            putWord(bytes, 24, count);
            QVERIFY(refused(bytes, before));
        }
        bytes = step;
        putWord(bytes, 16, 32);  // a row past the bottom
        QVERIFY(refused(bytes, before));
        bytes = step;
        putWord(bytes, 20, 0xfffffff0u);  // a column past the edge
        QVERIFY(refused(bytes, before));
        bytes = step + step.mid(16);  // the runs again: out of order
        QVERIFY(refused(bytes, before));
        // Pictures the step is not for.
        QVERIFY(refused(step, QImage()));
        QVERIFY(refused(step, patternedScreen({64, 33})));
        QVERIFY(refused(step, before.convertToFormat(QImage::Format_ARGB32)));

        // A whole-picture step with its first bag's length out of range.
        bytes = EncodeSnapshotDelta(before, before.scaled(10, 10)).value();
        QVERIFY(IsWholePictureStep(bytes));
        putWord(bytes, 4, 0xffffff00u);
        QVERIFY(refused(bytes, before));
        QVERIFY(refused(bytes.left(40), before));
    }
};

QTEST_APPLESS_MAIN(CaptureHistoryTest)
#include "tst_capture_history.moc"
