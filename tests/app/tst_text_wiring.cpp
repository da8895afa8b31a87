// SPDX-License-Identifier: GPL-3.0-or-later
// The text controls of the main window: the stamp of a press in mode "6", the text-box
// options beside the mode options, and the font and colour buttons.
#include "app/fonts.h"
#include "form1_session.h"

#include <QTimer>

using namespace chromadeck;
using chromadeck::testing::countInk;
using chromadeck::testing::Session;

namespace {

// The text stamps down and to the right of the press point.
QRect besidePress(QPoint press) {
    return QRect(press - QPoint(3, 3), QSize(320, 90));
}

}  // namespace

class TestTextWiring : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { app::registerFontSubstitutions(); }

    void pressInTextModeStampsTheText();
    void textBoxOptionsKeepTheMode();
    void fontAndColourButtons();
    void endingTheProgramDuringAStamp();
};

void TestTextWiring::pressInTextModeStampsTheText() {
    Session s;
    Form1& f = *s.form;
    QTest::mouseClick(f.optStyle.at(6), Qt::LeftButton);
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("6"));

    const QPoint press(400, 300);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, press);
    const auto ink = countInk(f.Picture1->surface().Image(),
                              f.Picture1->surface().ForeColor().toQRgb(), besidePress(press));
    QVERIFY2(ink.inside > 100, qPrintable(QString::number(ink.inside)));
    QCOMPARE(ink.outside, 0);
    QCOMPARE(s.random.drawCount(), 0u);
}

void TestTextWiring::textBoxOptionsKeepTheMode() {
    Session s;
    Form1& f = *s.form;
    QTest::mouseClick(f.optStyle.at(6), Qt::LeftButton);
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QVERIFY(!f.Text5->isHidden());
    QVERIFY(!f.optStyle.at(6)->isChecked());
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("6"));

    // Still the text mode: the press stamps, it draws no figure.
    const QPoint press(500, 400);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, press);
    const auto ink = countInk(f.Picture1->surface().Image(),
                              f.Picture1->surface().ForeColor().toQRgb(), besidePress(press));
    QVERIFY(ink.inside > 100);
    QCOMPARE(s.random.drawCount(), 0u);

    QTest::mouseClick(f.Option1, Qt::LeftButton);
    QVERIFY(f.Text5->isHidden());
    QCOMPARE(f.Frame1->property("Tag").toString(), QStringLiteral("6"));

    // And the circles keep their mode across the options just the same.
    QTest::mouseClick(f.optStyle.at(0), Qt::LeftButton);
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(600, 500));
    QCOMPARE(s.random.drawCount(), 30u);
}

void TestTextWiring::fontAndColourButtons() {
    Session s;
    Form1& f = *s.form;
    auto& dialogs = s.services.dialogs;
    const QFont before = f.Text5->font();
    dialogs.fontAnswers.push_back(std::nullopt);
    QTest::mouseClick(f.Command12, Qt::LeftButton);
    QCOMPARE(f.Text5->font(), before);
    QCOMPARE(dialogs.requests.back().font.size, 15.0);  // it opens on the box's font
    QVERIFY(dialogs.requests.back().font.bold);

    dialogs.fontAnswers.push_back(platform::FontChoice{"Liberation Serif", 20, false, true});
    QTest::mouseClick(f.Command12, Qt::LeftButton);
    QCOMPARE(f.Text5->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(f.Text5->font().pointSizeF(), 20.0);
    QVERIFY(!f.Text5->font().bold() && f.Text5->font().italic());

    dialogs.colorAnswers.push_back(std::nullopt);
    QTest::mouseClick(f.Command13, Qt::LeftButton);
    QCOMPARE(f.Picture1->surface().ForeColor(), RGB(255, 0, 255));
    dialogs.colorAnswers.push_back(QColor(20, 240, 250));
    QTest::mouseClick(f.Command13, Qt::LeftButton);
    QCOMPARE(f.Picture1->surface().ForeColor(), RGB(20, 240, 250));
    QVERIFY(dialogs.allAnswered());

    // The next stamp is in the new colour.
    QTest::mouseClick(f.optStyle.at(6), Qt::LeftButton);
    const QPoint press(300, 600);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, press);
    const auto ink =
        countInk(f.Picture1->surface().Image(), qRgb(20, 240, 250), besidePress(press));
    QVERIFY(ink.inside > 100);
    QCOMPARE(ink.outside, 0);
}

void TestTextWiring::endingTheProgramDuringAStamp() {
    Session s;
    Form1& f = *s.form;
    f.show();
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.optStyle.at(6), Qt::LeftButton);

    // "关闭" chosen while the stamp lets events run between its passes.
    QTimer::singleShot(0, f.mnuExit, &QAction::trigger);
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(400, 300));
    QVERIFY(!f.isVisible());
    QVERIFY(!other.isVisible());
    const auto ink =
        countInk(f.Picture1->surface().Image(), f.Picture1->surface().ForeColor().toQRgb(),
                 besidePress(QPoint(400, 300)));
    QVERIFY(ink.inside > 100);  // the stamp ran to its end on live widgets
}

QTEST_MAIN(TestTextWiring)
#include "tst_text_wiring.moc"
