// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's "截屏": a top-level entry between "保存" and "背景色" whose click runs
// a whole capture and returns only when the capture window has closed.
#include "app/form1.h"
#include "canvas/random_source.h"
#include "capture/capture_form.h"
#include "platform/scripted_services.h"

#include <QMenuBar>
#include <QtTest>

using namespace chromadeck;
using chromadeck::platform::CursorCode;

class CaptureMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void captureEntryRunsTheWindowUntilItCloses();
};

void CaptureMenuTest::captureEntryRunsTheWindowUntilItCloses() {
    platform::ScriptedServices services;
    RandomSource random;
    Form1 form(services.services(), random);

    QStringList bar;
    for (QAction* action : form.menuBar()->actions()) bar << action->text();
    const qsizetype save = bar.indexOf(QStringLiteral("保存"));
    QCOMPARE(bar.value(save + 1), QStringLiteral("截屏"));
    QCOMPARE(bar.value(save + 2), QStringLiteral("背景色"));
    QVERIFY(!form.mnuCapture->menu());

    bool shownWhileWaiting = false;
    QTimer::singleShot(0, &form, [&] {
        auto* capture = form.findChild<CaptureForm*>();
        shownWhileWaiting = capture && capture->isVisible() && capture->isModal();
        if (capture) QTest::keyClick(capture, Qt::Key_Escape);
    });
    form.mnuCapture->trigger();
    QVERIFY(shownWhileWaiting);
    QCOMPARE(services.screen.grabCount, 1);
    QCOMPARE(form.findChild<CaptureForm*>(), nullptr);  // gone with its run
    QCOMPARE(services.screen.pointerCodes.back(), CursorCode::Default);
}

QTEST_MAIN(CaptureMenuTest)
#include "tst_capture_menu.moc"
