// SPDX-License-Identifier: GPL-3.0-or-later
// Stamping the text box's text: where the ink lands for each angle, its weight and size,
// refused angles, and events that run between the passes.
#include "canvas/drawing_surface.h"
#include "support/image_checks.h"
#include "text/text_stamp.h"

#include <QTimer>
#include <QtTest>

using namespace chromadeck;
using chromadeck::platform::CursorCode;

namespace {
constexpr RgbColor kWhite = RGB(255, 255, 255);

// The main window's text controls as plain values, over a 600 x 600 pixel canvas.
struct StampFixture final : TextPanel {
    StampFixture() : canvas(QSize(600, 600)) {
        canvas.setAutoRedraw(true);
        canvas.setScaleMode(DrawingSurface::kPixels);
        canvas.setBackColor(kWhite);
        canvas.setForeColor(RGB(255, 0, 255));
        font.setPointSizeF(15);
        font.setBold(true);
    }

    bool present() const override { return true; }
    DrawingSurface& Picture1() override { return canvas; }
    void setPicture1Pointer(platform::CursorCode code) override { pointer = code; }
    QString Text5() const override { return text; }
    QFont Text5Font() const override { return font; }
    QString Combo6() const override { return angle; }

    // The bounding box of everything that is not white.
    QRect ink() const { return testing::inkBounds(canvas.Image(), kWhite.toQRgb()); }
    int inkOf(RgbColor c) const { return testing::countColour(canvas.Image(), c.toQRgb()); }

    DrawingSurface canvas;
    QString text = QStringLiteral("HHHH添加");
    QFont font{QStringLiteral("宋体")};
    QString angle = QStringLiteral("0");
    platform::CursorCode pointer = platform::CursorCode::Default;
};
}  // namespace

class TextStampTest : public QObject {
    Q_OBJECT
  private slots:
    void stampAtAngleZeroHangsBelowAndRightOfThePress() {
        StampFixture f;
        StampText(f, 100, 100);
        const QRect ink = f.ink();
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 100 && ink.left() <= 104);
        QVERIFY(ink.top() >= 100 && ink.top() <= 106);
        QVERIFY(ink.height() >= 15 && ink.height() <= 24);  // 15 points: 20 pixels of em
        QVERIFY(ink.width() > 3 * ink.height());
        QVERIFY(f.inkOf(RGB(255, 0, 255)) > 100);  // the pen colour, drawn solid somewhere
        QCOMPARE(f.pointer, CursorCode::IBeam);
    }

    void quarterAndHalfTurnsRunUpwardsAndBackwards() {
        StampFixture up;
        up.angle = "90";
        StampText(up, 300, 300);
        QRect ink = up.ink();
        QVERIFY(ink.bottom() <= 302 && ink.top() < 300 - 60);
        QVERIFY(ink.left() >= 298 && ink.right() <= 300 + 26);

        StampFixture back;
        back.angle = "180";
        StampText(back, 300, 300);
        ink = back.ink();
        QVERIFY(ink.right() <= 302 && ink.left() < 300 - 60);
        QVERIFY(ink.bottom() <= 302 && ink.top() >= 300 - 26);

        StampFixture zero, full;
        full.angle = "360";
        StampText(zero, 200, 200);
        StampText(full, 200, 200);
        QCOMPARE(full.canvas.Image(), zero.canvas.Image());
    }

    void weightFollowsBoldButItalicNeverReachesTheStamp() {
        StampFixture bold, plain, italic;
        QFont font = plain.font;
        font.setBold(false);
        plain.font = font;
        font.setItalic(true);
        italic.font = font;
        for (StampFixture* f : {&bold, &plain, &italic}) StampText(*f, 50, 50);
        QVERIFY(bold.inkOf(RGB(255, 0, 255)) > plain.inkOf(RGB(255, 0, 255)));
        QCOMPARE(italic.canvas.Image(), plain.canvas.Image());
    }

    void refusedAnglesAndAnEmptyTextStampNothing() {
        for (const char* bad : {"abc", "", "3277", "-3277", "1e9"}) {
            StampFixture f;
            f.angle = bad;
            StampText(f, 100, 100);
            QVERIFY2(f.ink().isEmpty(), bad);
        }
        StampFixture edge;
        edge.angle = "3276";  // its tenths still fit
        StampText(edge, 300, 300);
        QVERIFY(!edge.ink().isEmpty());
        StampFixture empty;
        empty.text.clear();
        StampText(empty, 100, 100);
        QVERIFY(empty.ink().isEmpty());
    }

    void eventsBetweenPassesChangeTheLaterPasses() {
        StampFixture f;
        // Runs at the first pump, after the first pass has drawn at angle 0.
        QTimer::singleShot(0, [&] {
            f.angle = "90";
            f.canvas.setForeColor(RGB(0, 0, 255));
        });
        StampText(f, 300, 300);
        QVERIFY(f.inkOf(RGB(0, 0, 255)) > 50);
        const QRect ink = f.ink();
        QVERIFY(ink.top() < 300 - 60);    // the turned passes
        QVERIFY(ink.right() > 300 + 60);  // the first pass, unturned
    }
};

QTEST_MAIN(TextStampTest)
#include "tst_text_stamp.moc"
