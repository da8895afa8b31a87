// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's selection rules, one table per rule: what the user sees while
// dragging out a region, moving it, pulling its handles, and where the toolbar lands.
#include "capture/selection_rules.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using namespace chromadeck::capture;

using MaybeFrame = std::optional<Frame>;
Q_DECLARE_METATYPE(MaybeFrame)

namespace chromadeck::capture {
char* toString(const MaybeFrame& f) {
    if (!f) return qstrdup("no frame (geometry kept)");
    return QTest::toString(QStringLiteral("Frame(%1, %2, %3 x %4)")
                               .arg(f->Left)
                               .arg(f->Top)
                               .arg(f->Width)
                               .arg(f->Height));
}
}  // namespace chromadeck::capture

namespace {
// The region most rows start from: left 100, top 50, right 300, bottom 200.
constexpr Frame kRegion{100, 50, 200, 150};
}  // namespace

class SelectionRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void positionsRoundToLong_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("tie down to even") << 2.5f << 2;
        QTest::newRow("tie up to even") << 3.5f << 4;
        QTest::newRow("negative tie") << -2.5f << -2;
        QTest::newRow("far right of the range") << 1e10f << std::numeric_limits<Long>::max();
        QTest::newRow("far left of the range") << -1e10f << std::numeric_limits<Long>::min();
        QTest::newRow("not a number") << std::nanf("") << 0;
    }
    void positionsRoundToLong() {
        QFETCH(float, value);
        QFETCH(int, rounded);
        QCOMPARE(toLongClamped(value), rounded);
    }

    // A press takes the frame's left and top edges and not its right and bottom ones;
    // the move cursor shows only strictly inside.
    void pressAndCursorInside_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("pressInside");
        QTest::addColumn<bool>("cursorInside");
        QTest::newRow("left edge") << 100 << 120 << true << false;
        QTest::newRow("top edge") << 200 << 50 << true << false;
        QTest::newRow("just inside") << 101 << 51 << true << true;
        QTest::newRow("last pixel") << 299 << 199 << true << true;
        QTest::newRow("right edge") << 300 << 120 << false << false;
        QTest::newRow("bottom edge") << 200 << 200 << false << false;
        QTest::newRow("left of the frame") << 99 << 120 << false << false;
        QTest::newRow("above the frame") << 200 << 49 << false << false;
    }
    void pressAndCursorInside() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, pressInside);
        QFETCH(bool, cursorInside);
        QCOMPARE(PtInRect(hitRectOf(kRegion), x, y), pressInside);
        QCOMPARE(strictlyInside(kRegion, float(x), float(y)), cursorInside);
    }
    void hitRectRoundsEachEdge() {
        // Ties go to the even pixel: the left edge 100.5 down to 100, the top 49.5 up to 50.
        QCOMPARE(hitRectOf(Frame{100.5f, 49.5f, 199.5f, 150.5f}), (LongRect{100, 50, 300, 200}));
    }

    void rubberBand_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<MaybeFrame>("band");
        // Anchor at (100, 50).
        QTest::newRow("down-right") << 160.5f << 90.0f << MaybeFrame(Frame{100, 50, 60.5f, 40});
        QTest::newRow("down-left") << 40.0f << 90.0f << MaybeFrame(Frame{40, 50, 60, 40});
        QTest::newRow("up-left") << 40.0f << 20.0f << MaybeFrame(Frame{40, 20, 60, 30});
        QTest::newRow("up-right") << 160.0f << 20.0f << MaybeFrame(Frame{100, 20, 60, 30});
        QTest::newRow("anchor's column") << 100.0f << 90.0f << MaybeFrame();
        QTest::newRow("anchor's row") << 160.0f << 50.0f << MaybeFrame();
        QTest::newRow("on the anchor") << 100.0f << 50.0f << MaybeFrame();
    }
    void rubberBand() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(MaybeFrame, band);
        QCOMPARE(capture::rubberBand(100, 50, x, y), band);
    }

    // Pressed at (150, 100) on a region anchored at (100, 50), 200 x 150, on 1920 x 1080.
    void movedFrame_data() {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPointF>("topLeft");
        QTest::newRow("free") << QPointF(170, 130) << QPointF(120, 80);
        QTest::newRow("stops at the left") << QPointF(20, 130) << QPointF(0, 80);
        QTest::newRow("stops at the top") << QPointF(170, 10) << QPointF(120, 0);
        QTest::newRow("stops at the right") << QPointF(1900, 130) << QPointF(1720, 80);
        QTest::newRow("stops at the bottom") << QPointF(170, 1100) << QPointF(120, 930);
        QTest::newRow("bottom-right corner") << QPointF(1900, 1100) << QPointF(1720, 930);
    }
    void movedFrame() {
        QFETCH(QPointF, pointer);
        QFETCH(QPointF, topLeft);
        // Mid-drag the frame already sits elsewhere; the move counts from the anchor.
        const Frame midDrag{140, 60, 200, 150};
        const Frame moved =
            capture::movedFrame(midDrag, QPointF(100, 50), QPointF(150, 100), float(pointer.x()),
                                float(pointer.y()), QSizeF(1920, 1080));
        QCOMPARE(moved, (Frame{float(topLeft.x()), float(topLeft.y()), 200, 150}));
    }

    // Edges frozen at left 100, top 50, right 300, bottom 200; the handle is 8 x 6. The
    // handle sits at the pointer by its top-left corner. A dragged left or top edge goes to
    // the handle's centre while the size still runs from the pointer, so the opposite edge
    // ends half a handle further out. A dragged right or bottom edge stops at the pointer,
    // except the top-right handle's right edge, which also goes to the centre.
    void handleDragFrame_data() {
        QTest::addColumn<int>("handle");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<MaybeFrame>("frame");
        const auto row = [](const char* name, int handle, int x, int y, MaybeFrame frame) {
            QTest::newRow(name) << handle << x << y << frame;
        };
        row("0 top-left out", 0, 90, 40, Frame{94, 43, 210, 160});
        row("0 top-left onto right edge", 0, 300, 40, Frame{304, 43, 0, 160});
        row("0 top-left past right", 0, 301, 40, {});
        row("0 top-left past bottom", 0, 90, 201, {});
        row("1 top out", 1, 150, 40, Frame{100, 43, 200, 160});
        row("1 top past bottom", 1, 150, 201, {});
        row("2 top-right out", 2, 310, 40, Frame{100, 43, 214, 160});
        row("2 top-right centre on left edge", 2, 96, 40, Frame{100, 43, 0, 160});
        row("2 top-right past left", 2, 95, 40, {});
        row("2 top-right past bottom", 2, 310, 201, {});
        row("3 left out", 3, 90, 120, Frame{94, 50, 210, 150});
        row("3 left past right", 3, 301, 120, {});
        row("4 bottom-left out", 4, 90, 210, Frame{94, 50, 210, 160});
        row("4 bottom-left in", 4, 110, 190, Frame{114, 50, 190, 140});
        row("4 bottom-left past right", 4, 301, 210, {});
        row("4 bottom-left above top", 4, 90, 49, {});
        row("5 bottom out", 5, 150, 210, Frame{100, 50, 200, 160});
        row("5 bottom above top", 5, 150, 49, {});
        row("6 bottom-right out", 6, 310, 210, Frame{100, 50, 210, 160});
        row("6 bottom-right onto top-left", 6, 100, 50, Frame{100, 50, 0, 0});
        row("6 bottom-right past left", 6, 99, 210, {});
        row("6 bottom-right above top", 6, 310, 49, {});
        row("7 right out", 7, 310, 120, Frame{100, 50, 210, 150});
        row("7 right in", 7, 280, 60, Frame{100, 50, 180, 150});
        row("7 right past left", 7, 99, 120, {});
        row("no ninth handle", 8, 150, 120, {});
    }
    void handleDragFrame() {
        QFETCH(int, handle);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(MaybeFrame, frame);
        const FrozenEdges edges{100, 50, 300, 200};
        QCOMPARE(capture::handleDragFrame(handle, x, y, QSizeF(8, 6), edges), frame);
    }

    // Handles of 9 x 6 centred on the region's corners and edge middles, but for the
    // top-right one, which sits 6 (not 4.5) left of the right edge.
    void handlePlaces_data() {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPointF>("topLeft");
        QTest::addColumn<CursorCode>("cursor");
        QTest::newRow("0 top-left") << 0 << QPointF(95.5, 47) << CursorCode::SizeNWSE;
        QTest::newRow("1 top") << 1 << QPointF(195.5, 47) << CursorCode::SizeNS;
        QTest::newRow("2 top-right") << 2 << QPointF(294, 47) << CursorCode::SizeNESW;
        QTest::newRow("3 left") << 3 << QPointF(95.5, 122) << CursorCode::SizeWE;
        QTest::newRow("4 bottom-left") << 4 << QPointF(95.5, 197) << CursorCode::SizeNESW;
        QTest::newRow("5 bottom") << 5 << QPointF(195.5, 197) << CursorCode::SizeNS;
        QTest::newRow("6 bottom-right") << 6 << QPointF(295.5, 197) << CursorCode::SizeNWSE;
        QTest::newRow("7 right") << 7 << QPointF(295.5, 122) << CursorCode::SizeWE;
    }
    void handlePlaces() {
        QFETCH(int, handle);
        QFETCH(QPointF, topLeft);
        QFETCH(CursorCode, cursor);
        const QPointF at = capture::handlePlaces(kRegion, QSizeF(9, 6))[size_t(handle)];
        QCOMPARE(at.x(), topLeft.x());
        QCOMPARE(at.y(), topLeft.y());
        QCOMPARE(kHandleCursor[size_t(handle)], cursor);
    }

    // A 250 x 30 toolbar with its right edge on the region's right edge, 4 pixels below
    // the region, or 4 pixels inside its bottom when the screen ends first.
    void toolbarPlace_data() {
        QTest::addColumn<QRectF>("region");
        QTest::addColumn<float>("screenHeight");
        QTest::addColumn<QPointF>("topLeft");
        const QRectF region(100, 50, 200, 150);
        QTest::newRow("under") << region << 1080.0f << QPointF(50, 204);
        QTest::newRow("under, just fits") << region << 234.0f << QPointF(50, 204);
        QTest::newRow("inside, a pixel short") << region << 233.0f << QPointF(50, 166);
        QTest::newRow("stops at the screen's left")
            << QRectF(10, 50, 100, 150) << 1080.0f << QPointF(0, 204);
        QTest::newRow("inside, at the screen's left")
            << QRectF(10, 900, 100, 170) << 1080.0f << QPointF(0, 1036);
    }
    void toolbarPlace() {
        QFETCH(QRectF, region);
        QFETCH(float, screenHeight);
        QFETCH(QPointF, topLeft);
        const Frame f{float(region.x()), float(region.y()), float(region.width()),
                      float(region.height())};
        const QPointF at = capture::toolbarPlace(f, QSizeF(250, 30), screenHeight);
        QCOMPARE(at.x(), topLeft.x());
        QCOMPARE(at.y(), topLeft.y());
    }

    void sizeText_data() {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 320.0f << 200.0f << "320x200";
        QTest::newRow("half a pixel") << 120.5f << 80.0f << "120.5x80";
        QTest::newRow("single's shortest digits") << 0.1f << 3.0f << "0.1x3";
        QTest::newRow("empty") << 0.0f << 0.0f << "0x0";
    }
    void sizeText() {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(QString, text);
        QCOMPARE(capture::sizeText(width, height), text);
    }

    // Negative colours split with Long division: towards zero, the remainder signed.
    void colourChannels_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("text");
        QTest::newRow("black") << 0 << 0 << 0 << 0 << "RGB(0,0,0)";
        QTest::newRow("red") << 255 << 255 << 0 << 0 << "RGB(255,0,0)";
        QTest::newRow("green") << 65280 << 0 << 255 << 0 << "RGB(0,255,0)";
        QTest::newRow("blue") << 16711680 << 0 << 0 << 255 << "RGB(0,0,255)";
        QTest::newRow("mixed") << 0x123456 << 0x56 << 0x34 << 0x12 << "RGB(86,52,18)";
        QTest::newRow("white") << 16777215 << 255 << 255 << 255 << "RGB(255,255,255)";
        QTest::newRow("no pixel") << -1 << -1 << 0 << 0 << "RGB(-1,0,0)";
        QTest::newRow("-256") << -256 << 0 << -1 << 0 << "RGB(0,-1,0)";
        QTest::newRow("-300") << -300 << -44 << -1 << 0 << "RGB(-44,-1,0)";
        QTest::newRow("-70000") << -70000 << -112 << -17 << -1 << "RGB(-112,-17,-1)";
    }
    void colourChannels() {
        QFETCH(int, colour);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, text);
        const Channels c = SplitRgb(colour);
        QCOMPARE(c.red, red);
        QCOMPARE(c.green, green);
        QCOMPARE(c.blue, blue);
        QCOMPARE(colourText(RgbColor{colour}), text);
    }
};

QTEST_APPLESS_MAIN(SelectionRulesTest)
#include "tst_selection_rules.moc"
