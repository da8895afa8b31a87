// Stamping the text box's text: where the ink lands for each angle, its weight and size,
// the dialogs, refused angles, and events that run between the passes.
#include "canvas/canvas.h"
#include "platform/common_dialog.h"
#include "platform/scripted_services.h"
#include "text/text_stamp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace chromadeck;
using chromadeck::platform::CursorCode;

namespace {
constexpr RgbColor kWhite = RGB(255, 255, 255);

struct StampFixture {
    StampFixture() : dialog(services.dialogs, nullptr) {
        canvas.setBorderStyle(0);
        canvas.resize(600, 600);
        canvas.setAutoRedraw(true);
        canvas.setScaleMode(Canvas::kPixels);
        canvas.setBackColor(kWhite);
        canvas.setForeColor(RGB(255, 0, 255));
        text.setText(QStringLiteral("HHHH添加"));
        QFont font(QStringLiteral("宋体"));
        font.setPointSizeF(15);
        font.setBold(true);
        text.setFont(font);
        angle.setEditable(true);
        angle.setEditText("0");
    }
    TextControls controls() { return {&canvas, &text, &angle, &dialog}; }

    // The bounding box of everything that is not white.
    QRect ink() const {
        const QImage img = canvas.Image();
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kWhite.toQRgb()) box |= QRect(x, y, 1, 1);
        return box;
    }
    int inkOf(RgbColor c) const {
        const QImage img = canvas.Image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == c.toQRgb();
        return n;
    }

    platform::ScriptedServices services;
    platform::CommonDialog dialog;
    Canvas canvas;
    QLineEdit text;
    QComboBox angle;
};
}  // namespace

class TextStampTest : public QObject {
    Q_OBJECT
  private slots:
    void stampAtAngleZeroHangsBelowAndRightOfThePress() {
        StampFixture f;
        TextStamper(f.controls()).Stamp(100, 100);
        const QRect ink = f.ink();
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 100 && ink.left() <= 104);
        QVERIFY(ink.top() >= 100 && ink.top() <= 106);
        QVERIFY(ink.height() >= 15 && ink.height() <= 24);  // 15 points: 20 pixels of em
        QVERIFY(ink.width() > 3 * ink.height());
        QVERIFY(f.inkOf(RGB(255, 0, 255)) > 100);  // the pen colour, drawn solid somewhere
        QCOMPARE(f.canvas.MousePointer(), CursorCode::IBeam);
    }

    void quarterAndHalfTurnsRunUpwardsAndBackwards() {
        StampFixture up;
        up.angle.setEditText("90");
        TextStamper(up.controls()).Stamp(300, 300);
        QRect ink = up.ink();
        QVERIFY(ink.bottom() <= 302 && ink.top() < 300 - 60);
        QVERIFY(ink.left() >= 298 && ink.right() <= 300 + 26);

        StampFixture back;
        back.angle.setEditText("180");
        TextStamper(back.controls()).Stamp(300, 300);
        ink = back.ink();
        QVERIFY(ink.right() <= 302 && ink.left() < 300 - 60);
        QVERIFY(ink.bottom() <= 302 && ink.top() >= 300 - 26);

        StampFixture zero, full;
        full.angle.setEditText("360");
        TextStamper(zero.controls()).Stamp(200, 200);
        TextStamper(full.controls()).Stamp(200, 200);
        QCOMPARE(full.canvas.Image(), zero.canvas.Image());
    }

    void weightFollowsBoldButItalicNeverReachesTheStamp() {
        StampFixture bold, plain, italic;
        QFont font = plain.text.font();
        font.setBold(false);
        plain.text.setFont(font);
        font.setItalic(true);
        italic.text.setFont(font);
        for (StampFixture* f : {&bold, &plain, &italic}) TextStamper(f->controls()).Stamp(50, 50);
        QVERIFY(bold.inkOf(RGB(255, 0, 255)) > plain.inkOf(RGB(255, 0, 255)));
        QCOMPARE(italic.canvas.Image(), plain.canvas.Image());
    }

    void refusedAnglesAndAnEmptyTextStampNothing() {
        for (const char* bad : {"abc", "", "3277", "-3277", "1e9"}) {
            StampFixture f;
            f.angle.setEditText(bad);
            TextStamper(f.controls()).Stamp(100, 100);
            QVERIFY2(f.ink().isEmpty(), bad);
        }
        StampFixture edge;
        edge.angle.setEditText("3276");  // its tenths still fit
        TextStamper(edge.controls()).Stamp(300, 300);
        QVERIFY(!edge.ink().isEmpty());
        StampFixture empty;
        empty.text.clear();
        TextStamper(empty.controls()).Stamp(100, 100);
        QVERIFY(empty.ink().isEmpty());
    }

    void eventsBetweenPassesChangeTheLaterPasses() {
        StampFixture f;
        // Runs at the first pump, after the first pass has drawn at angle 0.
        QTimer::singleShot(0, &f.canvas, [&] {
            f.angle.setEditText("90");
            f.canvas.setForeColor(RGB(0, 0, 255));
        });
        TextStamper(f.controls()).Stamp(300, 300);
        QVERIFY(f.inkOf(RGB(0, 0, 255)) > 50);
        const QRect ink = f.ink();
        QVERIFY(ink.top() < 300 - 60);    // the turned passes
        QVERIFY(ink.right() > 300 + 60);  // the first pass, unturned
    }

    void fontAndColourDialogsChangeOnlyWhenConfirmed() {
        StampFixture f;
        TextStamper stamper(f.controls());
        stamper.Command12_Click();  // cancelled: no answer queued
        QCOMPARE(f.text.font().pointSizeF(), 15.0);
        QCOMPARE(f.services.dialogs.requests.size(), qsizetype(1));
        QCOMPARE(f.services.dialogs.requests[0].font.size, 15.0);  // starts from the box
        QVERIFY(f.services.dialogs.requests[0].font.bold);

        f.services.dialogs.fontAnswers.push_back(
            platform::FontChoice{QStringLiteral("Liberation Serif"), 24, false, true});
        stamper.Command12_Click();
        QCOMPARE(f.text.font().pointSizeF(), 24.0);
        QVERIFY(!f.text.font().bold());
        QVERIFY(f.text.font().italic());

        stamper.Command13_Click();  // cancelled
        QCOMPARE(f.canvas.ForeColor().value, RGB(255, 0, 255).value);
        f.services.dialogs.colorAnswers.push_back(QColor(1, 2, 3));
        stamper.Command13_Click();
        QCOMPARE(f.canvas.ForeColor().value, RGB(1, 2, 3).value);
    }

    void showAndHideTheTextBox() {
        StampFixture f;
        TextStamper stamper(f.controls());
        stamper.Option2_Click();
        QVERIFY(!f.text.isHidden());
        stamper.Option1_Click();
        QVERIFY(f.text.isHidden());
    }
};

QTEST_MAIN(TextStampTest)
#include "tst_text_stamp.moc"
