// SPDX-License-Identifier: GPL-3.0-or-later
// A capture run without a window: the session driven by plain events on a plain picture,
// its overlay and its pixels checked as the window would show them.
#include "capture/capture_session.h"
#include "support/image_checks.h"

#include <QtTest>
#include <optional>
#include <vector>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using namespace chromadeck::capture;
using chromadeck::testing::nearColour;

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// What a window would do with the session's requests: the pointers it was asked for, and
// a typing box that is only a corner and a text.
class RecordingView : public CaptureView {
  public:
    std::vector<CursorCode> pointers;
    QString sizeTyped = QStringLiteral("11");
    std::optional<QPoint> box;
    QString boxText;
    double boxPoints = 0;
    std::vector<QString> outOfMemory;  // what could not be done, as told

    void setPointer(CursorCode code) override { pointers.push_back(code); }
    QString typedTextSize() const override { return sizeTyped; }
    bool typingBoxOpen() const override { return box.has_value(); }
    void openTypingBox(QPoint at) override { box = at; }
    void styleTypingBox(double points, RgbColor) override { boxPoints = points; }
    QString typedText() const override { return boxText; }
    QPoint typingBoxAt() const override { return box.value_or(QPoint()); }
    void closeTypingBox() override {
        box.reset();
        boxText.clear();
    }
    void tellOutOfMemory(const QString& attempted) override { outOfMemory.push_back(attempted); }
};

// A grey 400 x 300 screen, so every annotation colour stands out.
struct Run {
    RecordingView view;
    CaptureSession session{view, QSizeF(400, 300)};

    Run() {
        QImage shot(400, 300, QImage::Format_RGB32);
        shot.fill(kGrey);
        session.start(shot);
    }
    CaptureSession::Next drag(QPointF from, QPointF to, int button = 1) {
        session.mouseDown(button, float(from.x()), float(from.y()));
        session.mouseMove(button, float(to.x()), float(to.y()));
        return session.mouseUp(button, float(to.x()), float(to.y()));
    }
    CaptureSession::Next click(QPointF at, int button = 1) { return drag(at, at, button); }
    QImage picture() const { return session.surface().Image(); }
    QRgb at(int x, int y) const { return picture().pixel(x, y); }
};

}  // namespace

class CaptureSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void regionIsDrawnMovedAndResized();
    void rightButtonDiscardsThenCloses();
    void arrowBarbs();
    void shapesPreviewOnTheScreenAndKeepOnRelease();
    void undoAndRedoRestorePixels();
    void shapeAfterTheTextClickStartsThere();
    void textSizeFallsBackToTheLastPositiveOne();
    void annotationWithoutMemoryGoesAndIsToldOf();
};

void CaptureSessionTest::regionIsDrawnMovedAndResized() {
    Run r;
    const Overlay& shown = r.session.overlay();
    r.session.mouseDown(1, 250, 190);
    QVERIFY(shown.frameShown && !shown.handlesShown && !shown.toolbarShown);
    r.session.mouseMove(1, 50, 40);
    QCOMPARE(r.session.frame(), (Frame{50, 40, 200, 150}));
    QVERIFY(shown.handlesShown);
    r.session.mouseMove(0, 20, 30);
    QCOMPARE(shown.colourText, QStringLiteral("RGB(128,128,128)"));
    r.session.mouseUp(1, 50, 40);
    QVERIFY(shown.toolbarShown);

    r.drag({100, 100}, {130, 120});  // a press inside moves it
    QCOMPARE(r.session.frame(), (Frame{80, 60, 200, 150}));
    QCOMPARE(r.view.pointers.back(), CursorCode::SizeAll);
    r.drag({100, 100}, {900, 900});  // and it stops at the screen's edges
    QCOMPARE(r.session.frame(), (Frame{200, 150, 200, 150}));

    r.session.handleDown();
    QVERIFY(!shown.toolbarShown);
    r.session.handleMove(6, {350, 280});  // the bottom-right corner follows the cursor
    QCOMPARE(r.view.pointers.back(), kHandleCursor[6]);
    QCOMPARE(r.session.frame(), (Frame{200, 150, 150, 130}));
    r.session.handleMove(6, {150, 280});  // past the left edge: refused
    QCOMPARE(r.session.frame(), (Frame{200, 150, 150, 130}));
    r.session.handleUp();
    QVERIFY(shown.toolbarShown);
    r.session.handleMove(0, {10, 10});  // hovering after the drag only sets the pointer
    QCOMPARE(r.session.frame(), (Frame{200, 150, 150, 130}));
    QCOMPARE(r.view.pointers.back(), kHandleCursor[0]);
}

void CaptureSessionTest::rightButtonDiscardsThenCloses() {
    Run r;
    r.drag({50, 50}, {150, 150});
    r.session.mouseDown(2, 100, 100);  // discards the region
    QVERIFY(!r.session.overlay().frameShown && !r.session.overlay().toolbarShown);
    QCOMPARE(r.view.pointers.back(), CursorCode::Default);
    QCOMPARE(r.session.mouseUp(2, 100, 100), CaptureSession::Next::Stay);
    QCOMPARE(r.click({100, 100}, 2), CaptureSession::Next::Close);
}

void CaptureSessionTest::arrowBarbs() {
    // Tail (0, 10) and tip (100, 10): both barbs end 10 back and 5 to each side.
    DrawingSurface pic(QSize(120, 30));
    pic.setScaleMode(DrawingSurface::kPixels);
    pic.setAutoRedraw(true);
    Arrow(pic, 0, 10, 100, 10, 10, RGB(255, 0, 0));
    const QImage image = pic.Image();
    QCOMPARE(image.pixel(90, 15), kRed);
    QCOMPARE(image.pixel(90, 5), kRed);
    QCOMPARE(image.pixel(50, 10), kRed);
    QVERIFY(image.pixel(90, 16) != kRed && image.pixel(90, 4) != kRed);
    QVERIFY(image.pixel(101, 10) != kRed);
}

void CaptureSessionTest::shapesPreviewOnTheScreenAndKeepOnRelease() {
    Run r;
    r.drag({50, 50}, {350, 250});
    r.session.pressButton(ToolbarButton::Rectangle);
    QVERIFY(r.session.overlay().panelShown);
    r.session.mouseDown(1, 100, 100);
    r.session.mouseMove(1, 200, 150);
    const QImage* preview = r.session.surface().screenLayer();
    QVERIFY(preview && preview->pixel(200, 125) == kRed);
    QVERIFY(r.at(200, 125) == kGrey);  // on the screen only
    r.session.mouseUp(1, 500, 400);    // the far corner stops on the region's edge
    QVERIFY(!r.session.surface().screenLayer());
    QCOMPARE(r.at(350, 150), kRed);
    QCOMPARE(r.at(225, 250), kRed);
    QCOMPARE(r.at(200, 125), kGrey);
    QVERIFY(r.at(353, 150) != kRed);

    r.session.pressButton(ToolbarButton::Ellipse);  // another tool keeps the panel
    QVERIFY(r.session.overlay().panelShown);
    r.session.setColour(RGB(0, 0, 255));
    r.drag({100, 100}, {200, 160});  // inscribed in (100, 100) - (200, 160)
    const QImage kept = r.picture();
    QVERIFY(nearColour(kept, 100, 130, kBlue) && nearColour(kept, 200, 130, kBlue));
    QVERIFY(nearColour(kept, 150, 100, kBlue) && nearColour(kept, 150, 160, kBlue));
    QCOMPARE(kept.pixel(150, 130), kGrey);
    r.session.pressButton(ToolbarButton::Ellipse);  // the same tool again hides it
    QVERIFY(!r.session.overlay().panelShown);

    r.session.pressButton(ToolbarButton::Arrow);
    r.drag({300, 200}, {300, 20});  // the tip stops on the top edge
    QCOMPARE(r.at(300, 51), kBlue);
    QVERIFY(nearColour(r.picture(), 295, 60, kBlue) && nearColour(r.picture(), 305, 60, kBlue));
    QCOMPARE(r.at(300, 48), kGrey);
}

void CaptureSessionTest::undoAndRedoRestorePixels() {
    Run r;
    r.drag({50, 50}, {350, 250});
    r.session.pressButton(ToolbarButton::Rectangle);
    r.drag({100, 100}, {200, 200});
    r.session.setColour(RGB(0, 0, 255));
    r.drag({120, 120}, {180, 180});
    QCOMPARE(r.at(180, 150), kBlue);

    r.session.pressButton(ToolbarButton::Undo);
    QCOMPARE(r.at(180, 150), kGrey);
    QCOMPARE(r.at(200, 150), kRed);
    r.session.pressButton(ToolbarButton::Undo);
    QCOMPARE(r.at(200, 150), kGrey);
    QVERIFY(r.session.overlay().toolbarShown);
    r.session.pressButton(ToolbarButton::Undo);  // past the first: selecting again
    QVERIFY(!r.session.overlay().frameShown && !r.session.overlay().toolbarShown);
    r.drag({10, 10}, {390, 290});
    QCOMPARE(r.session.frame(), (Frame{10, 10, 380, 280}));  // a new region, no stroke
    QCOMPARE(r.at(390, 150), kGrey);

    r.session.pressButton(ToolbarButton::Redo);
    QCOMPARE(r.at(200, 150), kRed);
    r.session.pressButton(ToolbarButton::Redo);
    QCOMPARE(r.at(180, 150), kBlue);
    r.session.pressButton(ToolbarButton::Redo);  // nothing more to redo
    QCOMPARE(r.at(180, 150), kBlue);

    // Each tool's stroke, near the edges too, is undone and redone to the very pixel: the
    // picture shows only what changed, so a pixel drawn outside what a tool reports would
    // stay behind here.
    for (const ToolbarButton tool :
         {ToolbarButton::Arrow, ToolbarButton::Ellipse, ToolbarButton::Rectangle}) {
        r.session.pressButton(tool);
        for (const QPointF& end : {QPointF(389, 289), QPointF(11, 280), QPointF(200, 11)}) {
            const QImage before = r.picture();
            r.drag({150, 140}, end);
            const QImage after = r.picture();
            QVERIFY(after != before);
            QCOMPARE(r.session.regionPicture(0, 0, 400, 300), after);
            r.session.pressButton(ToolbarButton::Undo);
            QCOMPARE(r.picture(), before);
            r.session.pressButton(ToolbarButton::Redo);
            QCOMPARE(r.picture(), after);
            // One screenful: the picture shown is the history's kept picture itself.
            QCOMPARE(r.session.history().kept().constBits(),
                     r.session.surface().persistentImage().constBits());
        }
    }
}

void CaptureSessionTest::shapeAfterTheTextClickStartsThere() {
    // Every tool shares one stroke start: with the typing box open, the stroke goes on
    // under another tool, and a press outside the region does not move the start.
    Run r;
    r.drag({50, 50}, {350, 250});
    r.session.pressButton(ToolbarButton::Rectangle);
    r.drag({60, 60}, {100, 100});  // the rectangle's own last start is (60, 60)
    r.session.pressButton(ToolbarButton::Text);
    r.click({200, 150});
    QVERIFY(r.view.box);
    r.session.pressButton(ToolbarButton::Rectangle);
    r.session.setColour(RGB(0, 0, 255));
    r.session.mouseDown(1, 380, 20);
    r.session.mouseMove(1, 300, 220);  // previewed from the text click too
    const QImage* layer = r.session.surface().screenLayer();
    QCOMPARE((layer ? *layer : r.picture()).pixel(200, 185), kBlue);
    r.session.mouseUp(1, 300, 220);
    QCOMPARE(r.at(200, 185), kBlue);
    QCOMPARE(r.at(250, 150), kBlue);
    QCOMPARE(r.at(300, 185), kBlue);
    QCOMPARE(r.at(250, 220), kBlue);
    QCOMPARE(r.at(60, 185), kGrey);  // nothing from the rectangle's own last start
    QCOMPARE(r.at(150, 60), kGrey);
    QCOMPARE(r.at(250, 20), kGrey);  // nor from the press outside
    QVERIFY(r.view.box);             // the typing box stays where it was

    r.session.pressButton(ToolbarButton::Undo);  // the shape was a snapshot of its own
    QCOMPARE(r.at(200, 185), kGrey);
    QCOMPARE(r.at(100, 80), kRed);
}

void CaptureSessionTest::textSizeFallsBackToTheLastPositiveOne() {
    // Printing the text asks the font database, which only a GUI application has.
    int argc = 1;
    char name[] = "tst_capture_session";
    char* argv[] = {name, nullptr};
    QGuiApplication fonts(argc, argv);
    Run r;
    r.drag({50, 50}, {350, 250});
    r.session.pressButton(ToolbarButton::Rectangle);
    r.drag({60, 60}, {100, 100});
    r.session.pressButton(ToolbarButton::Text);
    r.view.sizeTyped = QStringLiteral("zero");
    r.click({150.4f, 120.6f});  // opens the box at the whole pixel, at the opening size
    QCOMPARE(r.view.box, std::optional<QPoint>(QPoint(150, 121)));
    QCOMPARE(r.view.boxPoints, 11.0);

    r.view.sizeTyped = QStringLiteral("24");
    r.session.mouseDown(1, 380, 20);  // outside the region, still a commit, without a move
    r.session.mouseUp(1, 380, 20);
    QVERIFY(!r.view.box);
    QCOMPARE(r.at(100, 80), kRed);  // what was kept before stays through it
    QCOMPARE(r.session.surface().FontSize(), 24.0);
    r.session.pressButton(ToolbarButton::Undo);  // the commit was a snapshot
    QVERIFY(r.session.overlay().toolbarShown);

    r.view.sizeTyped = QStringLiteral("-3");
    r.click({100, 100});
    QCOMPARE(r.view.boxPoints, 24.0);
    QCOMPARE(r.session.textSize(), 24.0f);
}

void CaptureSessionTest::annotationWithoutMemoryGoesAndIsToldOf() {
    // No room for the step an annotation makes.
    RecordingView view;
    CaptureSession session(view, QSizeF(400, 300), HistoryLimits{.largestBlock = 64});
    QImage shot(400, 300, QImage::Format_RGB32);
    shot.fill(kGrey);
    QVERIFY(!session.start(QImage()));
    QVERIFY(session.start(shot));
    session.mouseDown(1, 50, 50);
    session.mouseMove(1, 350, 250);
    session.mouseUp(1, 350, 250);
    session.pressButton(ToolbarButton::Rectangle);
    session.mouseDown(1, 100, 100);
    session.mouseMove(1, 200, 150);
    session.mouseUp(1, 200, 150);
    // Not kept: gone from the screen at once, out of every copy, and the user is told.
    QCOMPARE(view.outOfMemory.size(), size_t(1));
    QCOMPARE(session.surface().Image(), shot);
    QCOMPARE(session.regionPicture(0, 0, 400, 300), shot);
    QCOMPARE(session.history().SnapTop(), 1);

    CaptureSession roomy(view, QSizeF(400, 300), HistoryLimits{.largestBlock = 400 * 300 * 4});
    QVERIFY(roomy.start(shot));
    QCOMPARE(roomy.surface().Image().pixel(399, 299), kGrey);
}

QTEST_APPLESS_MAIN(CaptureSessionTest)
#include "tst_capture_session.moc"
