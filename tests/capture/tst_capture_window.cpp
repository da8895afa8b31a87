// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window on the offscreen 1920 x 1080 screen with a scripted screen picture:
// opening and closing, the region, the handles, the read-outs and the history.
#include "capture/capture_form.h"
#include "platform/scripted_services.h"
#include "support/test_pictures.h"
#include "support/widget_input.h"

#include <QtTest>
#include <memory>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using namespace chromadeck::capture;
using chromadeck::testing::drag;
using chromadeck::testing::hover;
using chromadeck::testing::screenPicture;

namespace {

struct Capture {
    platform::ScriptedServices services;
    QWidget owner;
    std::unique_ptr<CaptureForm> form;

    explicit Capture(int tint = 7) {
        services.screen.picture = screenPicture(tint);
        form = std::make_unique<CaptureForm>(&owner, services.services());
    }
    // The screen-wide pointer as last set; nothing set counts as the default.
    CursorCode lastPointer() const {
        return services.screen.pointerCodes.empty() ? CursorCode::Default
                                                    : services.screen.pointerCodes.back();
    }
};

bool opened(Capture& c) {
    return c.form->Open() && QTest::qWaitForWindowExposed(c.form.get());
}

// The window's picture at (x, y): the grabbed screen with every kept annotation.
QRgb shown(const CaptureForm& f, int x, int y) {
    return f.session().surface().Image().pixel(x, y);
}

// Chooses the rectangle tool and draws one from (120, 120) to (200, 200) in `swatch`.
void drawRectangle(CaptureForm& f, size_t swatch) {
    QTest::mouseClick(f.Image2[size_t(ToolbarButton::Rectangle)], Qt::LeftButton);
    QTest::mouseRelease(f.Pcolor[swatch], Qt::LeftButton, {}, {3, 3});
    drag(&f, {120, 120}, {200, 200});
}

constexpr size_t kRedSwatch = 10, kGreenSwatch = 12, kBlueSwatch = 13;

}  // namespace

class CaptureWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void openingGrabsFirstAndEveryRunIsFresh();
    void escapeClosesEvenFromTheTextBox();
    void refusedGrabShowsMessageAndNoWindow();
    void grabWithoutMemoryShowsMessageAndNoWindow();
    void clickFixesAnEmptyRegionWithItsToolbar();
    void rubberBandInEveryQuadrant();
    void movedRegionStaysOnTheScreen();
    void rightButtonDiscardsThenCloses();
    void handlesResizeTheRegion();
    void colourReadoutFollowsEveryMove();
    void historyStepsThroughSnapshots();
    void handlePressOnTheBareScreenDropsRedo();
};

void CaptureWindowTest::openingGrabsFirstAndEveryRunIsFresh() {
    Capture c(1);
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    QCOMPARE(c.services.screen.grabCount, 1);
    QCOMPARE(f.geometry(), QRect(0, 0, 1920, 1080));
    QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(f.isModal());
    QCOMPARE(shown(f, 300, 200), qRgb(300 & 255, 200, 1));
    QVERIFY(!f.Picture1->isVisible());
    QCOMPARE(f.Picture1->y(), -26);
    QCOMPARE(c.lastPointer(), CursorCode::Cross);

    // A first run that leaves a region, a tool, a drawing and a redo entry behind.
    drag(&f, {100, 100}, {400, 300});
    drawRectangle(f, kRedSwatch);
    drawRectangle(f, kBlueSwatch);
    f.Undo();
    QCOMPARE(shown(f, 200, 150), qRgb(255, 0, 0));
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isOpen());

    c.services.screen.picture = screenPicture(2);
    QVERIFY(opened(c));
    QVERIFY(!f.Shape1->isVisible() && !f.Picture1->isVisible() && !f.Picture2->isVisible());
    QCOMPARE(shown(f, 200, 150), qRgb(200, 150, 2));
    f.Redo();  // nothing to redo in a fresh run
    QCOMPARE(shown(f, 200, 150), qRgb(200, 150, 2));
    // No tool is chosen: a drag makes a region and draws nothing.
    drag(&f, {150, 150}, {200, 200});
    QCOMPARE(f.frame(), (Frame{150, 150, 50, 50}));
    QCOMPARE(shown(f, 200, 150), qRgb(200, 150, 2));
    f.Undo();  // the grabbed screen is the only snapshot: back to selecting
    QVERIFY(!f.Picture1->isVisible() && !f.Shape1->isVisible());
    QCOMPARE(shown(f, 175, 150), qRgb(175, 150, 2));
}

void CaptureWindowTest::escapeClosesEvenFromTheTextBox() {
    Capture c;
    // Run() waits in the window's own loop; Esc typed into the text box ends it.
    bool closedByEscape = false;
    QTimer::singleShot(0, c.form.get(), [&] {
        CaptureForm& f = *c.form;
        f.TextEdit->show();
        f.activateWindow();
        f.TextEdit->setFocus();
        QTest::keyClicks(f.TextEdit, "ab");
        QTest::keyClick(f.TextEdit, Qt::Key_Escape);
        closedByEscape = !f.isOpen();
        f.Unload();  // a failing run must not hang the test
    });
    c.form->Run();
    QVERIFY(closedByEscape);
    QVERIFY(!c.form->isVisible());
    QCOMPARE(c.form->TextEdit->text(), QStringLiteral("ab"));  // typed, never drawn
    QCOMPARE(c.lastPointer(), CursorCode::Default);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void CaptureWindowTest::refusedGrabShowsMessageAndNoWindow() {
    Capture c;
    c.services.screen.refuseGrab = true;
    c.form->Run();
    QVERIFY(!c.form->isVisible());
    QCOMPARE(c.services.messages.messages.size(), size_t(1));
    QCOMPARE(c.services.messages.messages[0].title, QStringLiteral("截屏"));
    QCOMPARE(c.lastPointer(), CursorCode::Default);

    // Where the platform knows why, the message says so.
    Capture told;
    told.services.screen.refuseGrab = true;
    told.services.screen.refusal = QStringLiteral("截图被取消了。");
    told.form->Run();
    QVERIFY(!told.form->isVisible());
    QCOMPARE(told.services.messages.messages.size(), size_t(1));
    QVERIFY(told.services.messages.messages[0].text.endsWith(QStringLiteral("截图被取消了。")));
}

void CaptureWindowTest::grabWithoutMemoryShowsMessageAndNoWindow() {
    for (const bool screenTooWide : {false, true}) {
        Capture c;
        if (screenTooWide)
            c.services.screen.size = QSize(70'000'000, 1);  // wider than any QImage can be
        else
            c.services.screen.picture = QImage();  // the grab got no memory for its picture
        c.form->Run();
        QVERIFY(!c.form->isVisible() && !c.form->isOpen());
        QCOMPARE(c.services.messages.messages.size(), size_t(1));
        QVERIFY(c.services.messages.messages[0].text.startsWith(QStringLiteral("内存不足")));
        QCOMPARE(c.lastPointer(), CursorCode::Default);
    }
}

void CaptureWindowTest::clickFixesAnEmptyRegionWithItsToolbar() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    QTest::mouseClick(&f, Qt::LeftButton, {}, {1000, 500});
    QCOMPARE(f.frame(), (Frame{1000, 500, 0, 0}));
    QVERIFY(f.Picture1->isVisible());
    QCOMPARE(f.Picture1->geometry(), QRect(759, 504, 241, 26));  // right edges meet

    // A press outside the region starts the next one. The bottom 1050 leaves just room
    // below (1050 + 4 + 26 = 1080); 1051 does not.
    drag(&f, {600, 1000}, {900, 1050});
    QCOMPARE(f.Picture1->geometry().topLeft(), QPoint(659, 1054));
    drag(&f, {590, 990}, {900, 1051});
    QCOMPARE(f.Picture1->geometry().topLeft(), QPoint(659, 1021));  // inside, 4 above the edge

    // Narrower than the toolbar near the left edge: the toolbar starts at 0.
    drag(&f, {20, 300}, {120, 400});
    QCOMPARE(f.Picture1->geometry().topLeft(), QPoint(0, 404));
}

void CaptureWindowTest::rubberBandInEveryQuadrant() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    QTest::mousePress(&f, Qt::LeftButton, {}, {500, 500});
    const struct {
        QPoint to;
        Frame frame;
    } moves[] = {{{700, 600}, {500, 500, 200, 100}}, {{450, 620}, {450, 500, 50, 120}},
                 {{530, 410}, {500, 410, 30, 90}},   {{300, 200}, {300, 200, 200, 300}},
                 {{500, 640}, {300, 200, 200, 300}},   // on the press column: frozen
                 {{720, 500}, {300, 200, 200, 300}}};  // on the press row: frozen
    for (const auto& m : moves) {
        QTest::mouseMove(&f, m.to);
        QCOMPARE(f.frame(), m.frame);
    }
    QCOMPARE(f.LblPos->text(), QStringLiteral("200x300"));
    QCOMPARE(f.LblPos->pos(), QPoint(302, 202));
    QCOMPARE(f.lblInfo->pos(), QPoint(302, 221));
    QVERIFY(f.Shape1->isVisible() && f.LblPos->isVisible() && f.Image1[6]->isVisible());
    QCOMPARE(f.Shape1->geometry(), QRect(300, 200, 200, 300));
    QCOMPARE(c.lastPointer(), CursorCode::Cross);
    QTest::mouseRelease(&f, Qt::LeftButton, {}, {720, 500});
    drag(&f, {400, 300}, {410, 310});  // fixed where it shows: a drag inside moves it
    QCOMPARE(f.frame(), (Frame{310, 210, 200, 300}));
}

void CaptureWindowTest::movedRegionStaysOnTheScreen() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    drag(&f, {100, 100}, {300, 200});
    QTest::mousePress(&f, Qt::LeftButton, {}, {150, 150});
    QTest::mouseMove(&f, {180, 170});
    QCOMPARE(f.frame(), (Frame{130, 120, 200, 100}));
    QCOMPARE(c.lastPointer(), CursorCode::SizeAll);
    QTest::mouseMove(&f, {-500, -400});
    QCOMPARE(f.frame(), (Frame{0, 0, 200, 100}));
    QTest::mouseMove(&f, {5000, 3000});
    QCOMPARE(f.frame(), (Frame{1720, 980, 200, 100}));
    QTest::mouseRelease(&f, Qt::LeftButton, {}, {5000, 3000});
    QCOMPARE(f.Picture1->geometry().topLeft(), QPoint(1679, 1050));
    drag(&f, {1800, 1000}, {1790, 1000});  // the next move starts where this one stopped
    QCOMPARE(f.frame(), (Frame{1710, 980, 200, 100}));
}

void CaptureWindowTest::rightButtonDiscardsThenCloses() {
    {
        Capture c;
        QVERIFY(opened(c));
        QTest::mouseClick(c.form.get(), Qt::RightButton, {}, {400, 400});
        QVERIFY(!c.form->isOpen());
    }
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    drag(&f, {100, 100}, {300, 200});
    QTest::mouseClick(&f, Qt::RightButton, {}, {150, 150});  // inside: discarded, still open
    QVERIFY(f.isOpen());
    QVERIFY(!f.Shape1->isVisible() && !f.Image1[0]->isVisible() && !f.Picture1->isVisible());

    drag(&f, {100, 100}, {300, 200});
    QTest::mouseClick(&f, Qt::RightButton, {}, {600, 600});  // outside: discarded too
    QVERIFY(f.isOpen());
    QCOMPARE(f.frame(), (Frame{600, 600, 0, 0}));
    QTest::mouseClick(&f, Qt::RightButton, {}, {600, 600});  // now it closes
    QVERIFY(!f.isOpen());
}

void CaptureWindowTest::handlesResizeTheRegion() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    drag(&f, {400, 300}, {600, 400});
    // Handle 2 sits w/1.5 in from the right edge, the others w/2.
    QCOMPARE(f.Image1[2]->x(), 597);  // 600 - 4 / 1.5
    QCOMPARE(f.Image1[6]->x(), 598);

    const auto dragHandle = [&](int i, QPoint to) {
        HandleImage* handle = f.Image1[size_t(i)];
        QTest::mousePress(handle, Qt::LeftButton, {}, {2, 2});
        c.services.screen.cursor = to;
        QTest::mouseMove(handle, {1, 1});
        QCOMPARE(c.lastPointer(), kHandleCursor[size_t(i)]);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, {1, 1});
    };
    dragHandle(0, {350, 250});  // the right edge ends w/2 right of where it was
    QCOMPARE(f.frame(), (Frame{352, 252, 250, 150}));
    QVERIFY(f.Picture1->isVisible());
    QCOMPARE(f.LblPos->text(), QStringLiteral("250x150"));

    dragHandle(2, {700, 200});  // the right edge w/2 right of the pointer
    QCOMPARE(f.frame(), (Frame{352, 202, 350, 202}));
    dragHandle(6, {800, 500});  // the corner at the pointer
    QCOMPARE(f.frame(), (Frame{352, 202, 448, 298}));
    dragHandle(6, {300, 500});  // past the left edge: nothing moves
    QCOMPARE(f.frame(), (Frame{352, 202, 448, 298}));

    // Hovering a handle without a press only sets its cursor.
    c.services.screen.cursor = {10, 10};
    hover(f.Image1[1], {1, 1});
    QCOMPARE(c.lastPointer(), CursorCode::SizeNS);
    QCOMPARE(f.frame(), (Frame{352, 202, 448, 298}));
    drag(&f, {500, 300}, {510, 300});  // a move starts from the resized region
    QCOMPARE(f.frame(), (Frame{362, 202, 448, 298}));
}

void CaptureWindowTest::colourReadoutFollowsEveryMove() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    hover(&f, {10, 20});
    QCOMPARE(f.lblInfo->text(), QStringLiteral("RGB(10,20,7)"));
    QCOMPARE(c.lastPointer(), CursorCode::Cross);
    drag(&f, {100, 100}, {500, 400});
    QTest::mouseClick(f.Image2[size_t(ToolbarButton::Arrow)], Qt::LeftButton);
    hover(&f, {300, 40});  // a tool is chosen: it still follows
    QCOMPARE(f.lblInfo->text(), QStringLiteral("RGB(44,40,7)"));
    hover(&f, {-3, 5});
    QCOMPARE(f.lblInfo->text(), QStringLiteral("RGB(-1,0,0)"));
}

void CaptureWindowTest::historyStepsThroughSnapshots() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    drag(&f, {100, 100}, {500, 400});
    const QRgb screen = qRgb(120, 120, 7), a = qRgb(255, 0, 0), c2 = qRgb(0, 0, 255);
    drawRectangle(f, kRedSwatch);
    f.Redo();  // nothing to redo right after a stroke
    QCOMPARE(shown(f, 120, 120), a);
    drawRectangle(f, kGreenSwatch);
    f.Undo();
    QCOMPARE(shown(f, 120, 120), a);
    drawRectangle(f, kBlueSwatch);  // drops the green one for good
    QCOMPARE(shown(f, 120, 120), c2);
    f.Redo();
    QCOMPARE(shown(f, 120, 120), c2);

    f.Undo();
    QCOMPARE(shown(f, 120, 120), a);
    f.Undo();
    QCOMPARE(shown(f, 120, 120), screen);
    QVERIFY(f.Picture1->isVisible());
    f.Undo();  // past the first: selecting again, the later snapshots kept
    QVERIFY(!f.Picture1->isVisible() && !f.Shape1->isVisible() && !f.Image1[3]->isVisible());
    QCOMPARE(f.frame().Width, 0.0f);
    drag(&f, {100, 100}, {500, 400});  // a region again, not a stroke
    QCOMPARE(f.frame(), (Frame{100, 100, 400, 300}));
    f.Redo();
    QCOMPARE(shown(f, 120, 120), a);
    f.Redo();
    QCOMPARE(shown(f, 120, 120), c2);
}

void CaptureWindowTest::handlePressOnTheBareScreenDropsRedo() {
    Capture c;
    QVERIFY(opened(c));
    CaptureForm& f = *c.form;
    drag(&f, {100, 100}, {500, 400});
    drawRectangle(f, kRedSwatch);
    const auto dragHandle = [&](QPoint to) {
        QTest::mousePress(f.Image1[0], Qt::LeftButton, {}, {2, 2});
        const bool toolbarHidden = !f.Picture1->isVisible();
        c.services.screen.cursor = to;
        QTest::mouseMove(f.Image1[0], {1, 1});
        QTest::mouseRelease(f.Image1[0], Qt::LeftButton, {}, {1, 1});
        return toolbarHidden;
    };
    QVERIFY(!dragHandle({50, 50}));  // a tool is on and has drawn: ignored
    QCOMPARE(f.frame(), (Frame{100, 100, 400, 300}));

    f.Undo();
    QCOMPARE(shown(f, 120, 120), qRgb(120, 120, 7));
    QVERIFY(dragHandle({50, 50}));  // on the bare screen the tool goes and the drag starts
    QCOMPARE(f.frame(), (Frame{52, 52, 450, 350}));
    QVERIFY(f.Picture1->isVisible());
    f.Redo();  // the stroke cannot come back
    QCOMPARE(shown(f, 120, 120), qRgb(120, 120, 7));
    drag(&f, {200, 200}, {210, 200});  // no tool: a drag inside moves the region
    QCOMPARE(f.frame(), (Frame{62, 52, 450, 350}));
    QCOMPARE(shown(f, 205, 200), qRgb(205, 200, 7));
}

QTEST_MAIN(CaptureWindowTest)
#include "tst_capture_window.moc"
