// The history keeps later snapshots as their differences from the grabbed screen: small,
// and read back exactly.
#include "capture/capture_history.h"

#include <QPainter>
#include <QtTest>

using chromadeck::capture::CaptureHistory;

class CaptureHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void laterSnapshotsAreSmallAndExact() {
        QImage screen(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                screen.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
        CaptureHistory history;
        history.StartHistory(screen);
        QImage annotated = screen;
        QList<QImage> states{screen};
        for (int k = 0; k < 3; ++k) {
            QPainter painter(&annotated);
            painter.setPen(QColor(255, 0, 0));
            painter.drawRect(100 + 200 * k, 100, 150, 90);
            painter.drawLine(0, 1079, 1919, 1079 - k);  // reaches both edges of the screen
            painter.end();
            history.PushSnapshot(annotated);
            states << annotated;
            QVERIFY(history.Snapshots().back().Bytes.size() < 100'000);
        }
        for (int k = 3; k >= 1; --k) QCOMPARE(history.snapshot(k + 1), states[k]);
        QCOMPARE(history.Undo().picture, states[2]);
        QCOMPARE(history.Undo().picture, states[1]);
        QCOMPARE(history.Redo().picture, states[2]);
        // A picture of another size cannot be told as differences: stored whole.
        history.PushSnapshot(screen.scaled(100, 50));
        QCOMPARE(history.snapshot(history.SnapPos()).size(), QSize(100, 50));
    }
};

QTEST_APPLESS_MAIN(CaptureHistoryTest)
#include "tst_capture_history.moc"
