// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window when the primary screen lies right of another one, at (1920, 0) in
// the virtual desktop (offscreen-primary-right.json).
#include "capture/capture_form.h"
#include "platform/scripted_services.h"
#include "support/test_pictures.h"
#include "support/widget_input.h"

#include <QtTest>

using namespace chromadeck;
using namespace chromadeck::capture;
using chromadeck::testing::drag;

class CapturePrimaryRightTest : public QObject {
    Q_OBJECT

  private slots:
    void coversThePrimaryScreenWhereItLies();
};

void CapturePrimaryRightTest::coversThePrimaryScreenWhereItLies() {
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(primary, QRect(1920, 0, 1920, 1080));
    platform::ScriptedServices services;
    services.screen.position = primary.topLeft();
    services.screen.picture = chromadeck::testing::screenPicture(7);
    QWidget owner;
    CaptureForm f(&owner, services.services());
    QVERIFY(f.Open() && QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.geometry(), primary);
    QCOMPARE(f.screen(), QGuiApplication::primaryScreen());

    // Window pixels count from the screen's corner, the handles' cursor too.
    drag(&f, {100, 100}, {300, 250});
    HandleImage* corner = f.Image1[6];
    QTest::mousePress(corner, Qt::LeftButton, {}, {2, 2});
    services.screen.cursor = primary.topLeft() + QPoint(400, 300);
    QTest::mouseMove(corner, {1, 1});
    QTest::mouseRelease(corner, Qt::LeftButton, {}, {1, 1});
    QCOMPARE(f.frame(), (Frame{100, 100, 300, 200}));

    QTest::mouseClick(f.Image2[size_t(ToolbarButton::CopyAndExit)], Qt::LeftButton);
    QVERIFY(!f.isOpen());
    QCOMPARE(services.clipboard.image(), services.screen.picture->copy(100, 100, 300, 200));
}

QTEST_MAIN(CapturePrimaryRightTest)
#include "tst_capture_primary_right.moc"
