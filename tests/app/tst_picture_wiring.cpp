// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sticker and rotation controls reach their handlers.
#include "form1_session.h"

#include <QtTest>

using namespace chromadeck;
using chromadeck::testing::Session;

class PictureWiringTest : public QObject {
    Q_OBJECT
  private slots:
    void pasteModeRotationAndSwatchAreWired() {
        Session s;
        s.showLarge();
        Form1& form = *s.form;
        // A picked swatch colour that the sample sticker lacks: the whole sticker lands.
        s.services.dialogs.colorAnswers.push_back(QColor(1, 2, 3));
        QTest::mouseClick(form.Label17, Qt::LeftButton);
        QCOMPARE(form.Label17->BackColor().value, RGB(1, 2, 3).value);

        form.optStyle.at(5)->click();
        const QImage sticker = form.Picture3->surface().Image();
        // A press at pixel (1000, 500) of the drawing area is at about (1426, 713) canvas
        // units; the sticker's corner lands at seven tenths of those, as pixels.
        QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(2 + 1000, 2 + 500));
        const QImage canvas = form.Picture1->surface().Image();
        const int x0 = int(std::lround(1000 * 15 / 10.51875 * 0.7)),
                  y0 = int(std::lround(500 * 15 / 10.525 * 0.7));
        QCOMPARE(canvas.pixel(x0 + 100, y0 + 80), sticker.pixel(100, 80));
        QVERIFY(!form.Picture3->isHidden() && form.Picture2->isHidden());

        form.Combo7->setEditText("90");
        form.Command15->click();
        QVERIFY(!form.Picture2->isHidden());
        QVERIFY(form.Picture2->surface().Image().pixel(264, 251) != qRgb(255, 255, 255));
        form.Command16->click();
        QCOMPARE(form.Picture2->surface().Image().pixel(264, 251), qRgb(255, 255, 255));
        form.Command8->click();
        QVERIFY(form.Picture2->isHidden() && form.Picture3->isHidden());
        form.Command10->click();
        QVERIFY(!form.Picture2->isHidden() && !form.Picture3->isHidden());
    }

    void cutOutButtonOpensOneWindowThatSharesTheMaskSwatch() {
        Session s;
        Form1& form = *s.form;
        form.Command9->click();
        form.Command9->click();
        const auto windows = form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        const auto cutOuts = std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
            return w->isWindow() && w->windowTitle() == QStringLiteral("Tessaly抠图");
        });
        QCOMPARE(cutOuts, 1);
    }
};

QTEST_MAIN(PictureWiringTest)
#include "tst_picture_wiring.moc"
