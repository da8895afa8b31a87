// SPDX-License-Identifier: GPL-3.0-or-later
// The primary screen as QtScreen reads it when it lies right of another screen, at
// (1920, 0) in the virtual desktop (offscreen-primary-right.json).
#include "platform/qt_screen.h"

#include <QtTest>

using namespace chromadeck::platform;

namespace {

// A frameless window of one colour, shown at `place` in the virtual desktop.
struct Swatch {
    QWidget window{nullptr, Qt::FramelessWindowHint};
    Swatch(QRect place, const char* colour) {
        window.setStyleSheet(QStringLiteral("background: %1").arg(QLatin1String(colour)));
        window.setGeometry(place);
        window.show();
    }
};

}  // namespace

class ScreenPrimaryRightTest : public QObject {
    Q_OBJECT

  private slots:
    void grabsThePrimaryScreenFromItsCorner();
};

void ScreenPrimaryRightTest::grabsThePrimaryScreenFromItsCorner() {
    GrabRoute x11;
    x11.session = DesktopSession::X11;
    QtScreen screen(x11);
    QCOMPARE(screen.geometry(), QRect(1920, 0, 1920, 1080));

    // At the same place on each screen: the colour there tells which screen was read.
    Swatch onPrimary(QRect(2220, 200, 120, 80), "rgb(250, 10, 20)");
    Swatch onLeft(QRect(300, 200, 120, 80), "rgb(10, 20, 250)");
    QVERIFY(QTest::qWaitForWindowExposed(&onPrimary.window));
    QVERIFY(QTest::qWaitForWindowExposed(&onLeft.window));
    std::optional<QImage> shot;
    QTRY_VERIFY((shot = screen.grab()) && shot->pixel(350, 230) == qRgb(250, 10, 20));
    QCOMPARE(shot->size(), QSize(1920, 1080));
    QCOMPARE(shot->devicePixelRatio(), 1.0);
}

QTEST_MAIN(ScreenPrimaryRightTest)
#include "tst_screen_primary_right.moc"
