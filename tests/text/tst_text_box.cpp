// SPDX-License-Identifier: GPL-3.0-or-later
// The text box's buttons: the font and colour dialogs change only what was confirmed,
// and the two options show and hide the box.
#include "canvas/canvas.h"
#include "platform/common_dialog.h"
#include "platform/scripted_services.h"
#include "text/text_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace chromadeck;

namespace {
constexpr RgbColor kWhite = RGB(255, 255, 255);

struct TextBoxFixture {
    TextBoxFixture() : dialog(services.dialogs, nullptr) {
        canvas.setBorderStyle(0);
        canvas.resize(600, 600);
        canvas.surface().setAutoRedraw(true);
        canvas.surface().setScaleMode(DrawingSurface::kPixels);
        canvas.surface().setBackColor(kWhite);
        canvas.surface().setForeColor(RGB(255, 0, 255));
        text.setText(QStringLiteral("HHHH添加"));
        QFont font(QStringLiteral("宋体"));
        font.setPointSizeF(15);
        font.setBold(true);
        text.setFont(font);
        angle.setEditable(true);
        angle.setEditText("0");
    }
    TextControls controls() { return {&canvas, &text, &angle, &dialog}; }

    platform::ScriptedServices services;
    platform::CommonDialog dialog;
    Canvas canvas;
    QLineEdit text;
    QComboBox angle;
};
}  // namespace

class TextBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void fontAndColourDialogsChangeOnlyWhenConfirmed() {
        TextBoxFixture f;
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
        QCOMPARE(f.canvas.surface().ForeColor().value, RGB(255, 0, 255).value);
        f.services.dialogs.colorAnswers.push_back(QColor(1, 2, 3));
        stamper.Command13_Click();
        QCOMPARE(f.canvas.surface().ForeColor().value, RGB(1, 2, 3).value);
    }

    void showAndHideTheTextBox() {
        TextBoxFixture f;
        TextStamper stamper(f.controls());
        stamper.Option2_Click();
        QVERIFY(!f.text.isHidden());
        stamper.Option1_Click();
        QVERIFY(f.text.isHidden());
    }
};

QTEST_MAIN(TextBoxTest)
#include "tst_text_box.moc"
