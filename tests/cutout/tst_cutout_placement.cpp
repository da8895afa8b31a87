// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cut-out window opens, inside the frame the test screen draws round every
// window: centred frame and all, and usable on screens smaller than the window.
#include "canvas/random_source.h"
#include "cutout/cutout_window_launcher.h"
#include "platform/scripted_services.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace chromadeck;

namespace {

// The cut-out window as the main window's button opens it, on a screen of which windows
// may take `available`.
struct Opened {
    explicit Opened(QRect available) {
        services.screen.size = available.size() + QSize(0, available.top());
        services.screen.available = available;
        launcher.Command9_Click();
        form = launcher.window();
    }
    platform::ScriptedServices services;
    RandomSource random;
    std::unique_ptr<QWidget> main = std::make_unique<QWidget>();
    CutoutWindowLauncher launcher{main.get(), services.services(), random, nullptr};
    Form11* form = nullptr;
};

// Every control of the window, in the window's own coordinates.
QList<QRect> controlPlaces(const Form11& form) {
    QList<QRect> places;
    for (const QWidget* control : form.findChildren<QAbstractButton*>())
        places << QRect(control->mapTo(&form, QPoint()), control->size());
    places << QRect(form.Picture1->mapTo(&form, QPoint()), form.Picture1->size());
    return places;
}

}  // namespace

class TestCutoutPlacement : public QObject {
    Q_OBJECT

  private slots:
    void frameIsCentredWhereWindowsMayGo() {
        // A full-HD screen, and a 1366 x 768 one with a 27-pixel panel along its top.
        for (const QRect available : {QRect(0, 0, 1920, 1080), QRect(0, 27, 1366, 741)}) {
            Opened s(available);
            QVERIFY(QTest::qWaitForWindowExposed(s.form));
            const QRect frame = s.form->frameGeometry();
            QVERIFY(frame != s.form->geometry());
            QVERIFY(available.contains(frame));
            // Equal room on either side, give or take the odd pixel.
            const QPoint off = (frame.topLeft() - available.topLeft()) -
                               (available.bottomRight() - frame.bottomRight());
            QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                     qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
            // The window as designed, nothing to scroll: every control in sight.
            QCOMPARE(s.form->size(), QSize(764, 584));
            for (const QRect& place : controlPlaces(*s.form))
                QVERIFY(s.form->rect().contains(place));
        }
    }

    void smallerScreenScrollsToEveryControl() {
        const QRect available(0, 0, 640, 400);
        Opened s(available);
        QVERIFY(QTest::qWaitForWindowExposed(s.form));
        QVERIFY(available.contains(s.form->frameGeometry()));
        auto* scroller = s.form->findChild<QScrollArea*>();
        QVERIFY(scroller->horizontalScrollBar()->isVisible());
        QVERIFY(scroller->verticalScrollBar()->isVisible());
        const QRect sight(scroller->viewport()->mapTo(s.form, QPoint()),
                          scroller->viewport()->size());
        for (QWidget* control :
             {(QWidget*)s.form->Command2, (QWidget*)s.form->Label3, (QWidget*)s.form->Option1}) {
            scroller->ensureWidgetVisible(control, 0, 0);
            QVERIFY2(sight.contains(QRect(control->mapTo(s.form, QPoint()), control->size())),
                     qPrintable(control->objectName()));
        }
        QTest::mouseClick(s.form->Option3, Qt::LeftButton);
        QCOMPARE(s.form->Picture1->surface().DrawWidth(), 4);
    }
};

QTEST_MAIN(TestCutoutPlacement)
#include "tst_cutout_placement.moc"
