// SPDX-License-Identifier: GPL-3.0-or-later
// Cursor codes, the screen-wide override and the offscreen platform's 1920 x 1080 screen.
#include "platform/cursors.h"
#include "platform/qt_screen.h"
#include "platform/scripted_services.h"
#include "platform/window_place.h"

#include <QtTest>

using namespace chromadeck::platform;

namespace {

// The shape on top of the application's override stack, or -1 when there is none.
int overrideShape() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? int(c->shape()) : -1;
}

}  // namespace

class ScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void codesMapToShapes_data();
    void codesMapToShapes();
    void screenCursorKeepsOneOverride();
    void qtScreenIsThePrimaryScreen();
    void scriptedScreen();
    void windowPlaceCentresTheWholeFrame();
};

void ScreenTest::codesMapToShapes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Qt::CursorShape>("shape");
    const std::pair<int, Qt::CursorShape> table[] = {
        {0, Qt::ArrowCursor},   {1, Qt::ArrowCursor},     {2, Qt::CrossCursor},
        {3, Qt::IBeamCursor},   {5, Qt::SizeAllCursor},   {6, Qt::SizeBDiagCursor},
        {7, Qt::SizeVerCursor}, {8, Qt::SizeFDiagCursor}, {9, Qt::SizeHorCursor},
        {11, Qt::WaitCursor},   {4, Qt::ArrowCursor},     {10, Qt::ArrowCursor},
        {-1, Qt::ArrowCursor},  {99, Qt::ArrowCursor}};
    for (auto [code, shape] : table) QTest::addRow("code %d", code) << code << shape;
}

void ScreenTest::codesMapToShapes() {
    QFETCH(int, code);
    QFETCH(Qt::CursorShape, shape);
    QCOMPARE(cursorShapeForCode(CursorCode(code)), shape);

    // A control's own pointer; code 0 hands it back its parent's.
    QWidget parent;
    QWidget* child = new QWidget(&parent);
    parent.setCursor(Qt::PointingHandCursor);
    applyMousePointer(child, CursorCode(code));
    QCOMPARE(child->cursor().shape(), code == 0 ? Qt::PointingHandCursor : shape);
}

void ScreenTest::screenCursorKeepsOneOverride() {
    QGuiApplication::setOverrideCursor(Qt::OpenHandCursor);  // someone else's, beneath ours
    {
        ScreenCursor cursor;
        cursor.set(CursorCode::Default);  // nothing of ours to take away
        QCOMPARE(overrideShape(), int(Qt::OpenHandCursor));
        cursor.set(CursorCode::Hourglass);
        QCOMPARE(overrideShape(), int(Qt::WaitCursor));
        cursor.set(CursorCode::Cross);
        cursor.set(CursorCode::SizeWE);
        QCOMPARE(overrideShape(), int(Qt::SizeHorCursor));
        QCOMPARE(cursor.code(), CursorCode::SizeWE);
        cursor.set(CursorCode::Default);  // one restore: the changes did not pile up
        QCOMPARE(overrideShape(), int(Qt::OpenHandCursor));
        cursor.set(CursorCode::IBeam);
    }
    QCOMPARE(overrideShape(), int(Qt::OpenHandCursor));  // the destructor took ours away
    QGuiApplication::restoreOverrideCursor();
    QCOMPARE(overrideShape(), -1);
}

void ScreenTest::qtScreenIsThePrimaryScreen() {
    GrabRoute x11;  // also when the tests run from a Wayland desktop
    x11.session = DesktopSession::X11;
    QtScreen screen(x11);
    QCOMPARE(screen.sizePixels(), QSize(1920, 1080));
    QCOMPARE(screen.Width(), 1920.0 * 15);
    QCOMPARE(screen.availableGeometry(), QRect(0, 0, 1920, 1080));  // no panels here

    // A window on the screen shows in the copy, where the window is.
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setStyleSheet("background: rgb(250, 10, 20)");
    window.setGeometry(300, 200, 120, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::optional<QImage> shot;
    QTRY_VERIFY((shot = screen.grab()) && shot->pixel(350, 230) == qRgb(250, 10, 20));
    QCOMPARE(shot->size(), QSize(1920, 1080));
    QCOMPARE(shot->format(), QImage::Format_RGB32);

    screen.setMousePointer(CursorCode::Hourglass);
    QCOMPARE(screen.MousePointer(), CursorCode::Hourglass);
    QCOMPARE(overrideShape(), int(Qt::WaitCursor));
    screen.setMousePointer(CursorCode::Default);
    QCOMPARE(overrideShape(), -1);
}

void ScreenTest::scriptedScreen() {
    ScriptedScreen screen;
    QCOMPARE(screen.sizePixels(), QSize(1920, 1080));
    screen.size = QSize(640, 480);
    QCOMPARE(screen.grab()->size(), QSize(640, 480));
    QImage own(3, 3, QImage::Format_RGB32);
    own.fill(Qt::blue);
    screen.picture = own;
    QCOMPARE(screen.grab(), std::optional<QImage>(own));
    screen.refuseGrab = true;
    QCOMPARE(screen.grab(), std::nullopt);

    screen.setMousePointer(CursorCode::SizeAll);  // goes through the real override
    QCOMPARE(overrideShape(), int(Qt::SizeAllCursor));
    screen.setMousePointer(CursorCode::Default);
    QCOMPARE(overrideShape(), -1);
    QCOMPARE(screen.pointerCodes,
             std::vector<CursorCode>({CursorCode::SizeAll, CursorCode::Default}));
}

void ScreenTest::windowPlaceCentresTheWholeFrame() {
    // A title bar 24 pixels high, 1-pixel edges: the frame is centred, so the client area
    // sits 11 or 12 pixels lower than it would centred on its own.
    const QMargins frame(1, 24, 1, 1);
    const QRect screen(0, 0, 1366, 768);
    WindowPlace place = CentredWindowPlace(QSize(764, 584), frame, screen);
    QCOMPARE(place.clientSize, QSize(764, 584));
    QCOMPARE(place.frameTopLeft, QPoint(300, 79));  // (1366 - 766) / 2, (768 - 609) / 2
    // Only where windows may go: below a 27-pixel panel and right of a 64-pixel dock.
    place = CentredWindowPlace(QSize(764, 584), frame, QRect(64, 27, 1302, 741));
    QCOMPARE(place.frameTopLeft, QPoint(64 + 268, 27 + 66));

    // Too large for the screen: the client area shrinks until the frame fits.
    place = CentredWindowPlace(QSize(1600, 900), frame, screen);
    QCOMPARE(place.clientSize, QSize(1364, 743));
    QCOMPARE(place.frameTopLeft, QPoint(0, 0));
    // A frame that cannot fit at all keeps its title bar on the screen.
    place = CentredWindowPlace(QSize(764, 584), QMargins(40, 40, 40, 40), QRect(10, 20, 50, 50));
    QCOMPARE(place.frameTopLeft, QPoint(10, 20));
    QCOMPARE(place.clientSize, QSize(1, 1));
}

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
