// SPDX-License-Identifier: GPL-3.0-or-later
// What CommonDialog remembers, the filter translation, and the real save dialog's rules.
#include "platform/common_dialog.h"
#include "platform/qt_dialog_backend.h"
#include "platform/scripted_services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace chromadeck::platform;
using Kind = ScriptedDialogs::Kind;

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void confirmedAnswersAreRemembered();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void filterBecomesQtFilter_data();
    void filterBecomesQtFilter();
    void qtSaveDialogReplacesWithoutAsking();
};

void DialogsTest::confirmedAnswersAreRemembered() {
    ScriptedDialogs dialogs;
    QWidget owner;
    CommonDialog cd(dialogs, &owner);
    cd.Filter = "Bitmap(*.bmp)|*.bmp";
    cd.DialogTitle = "Open picture";
    cd.FileName = "/pictures/first.bmp";
    cd.DefaultExt = "bmp";
    cd.InitDir = "/pictures";
    cd.Color = QColor(10, 20, 30);
    const FontChoice serif{"Serif", 14, false, true};
    dialogs.openAnswers = {"/pictures/second.bmp"};
    dialogs.saveAnswers = {"/pictures/third.bmp"};
    dialogs.colorAnswers = {QColor(200, 100, 0)};
    dialogs.fontAnswers = {serif};

    QVERIFY(cd.ShowOpen());
    QCOMPARE(cd.FileName, "/pictures/second.bmp");
    QVERIFY(cd.ShowSave());
    QCOMPARE(cd.FileName, "/pictures/third.bmp");
    QVERIFY(cd.ShowColor());
    QCOMPARE(cd.Color, QColor(200, 100, 0));
    QVERIFY(cd.ShowFont());
    QCOMPARE(cd.Font, serif);
    QVERIFY(dialogs.allAnswered());

    const auto& asked = dialogs.requests;
    QCOMPARE(asked.size(), 4u);
    QCOMPARE(asked[0].kind, Kind::Open);
    QCOMPARE(asked[0].file.title, "Open picture");
    QCOMPARE(asked[0].file.filter, "Bitmap(*.bmp)|*.bmp");
    QCOMPARE(asked[0].file.fileName, "/pictures/first.bmp");
    QCOMPARE(asked[0].file.defaultExt, "bmp");
    QCOMPARE(asked[0].file.initDir, "/pictures");
    QCOMPARE(asked[0].parent, &owner);
    QCOMPARE(asked[1].file.fileName, "/pictures/second.bmp");  // from one use to the next
    QCOMPARE(asked[2].color, QColor(10, 20, 30));
    QCOMPARE(asked[3].font, FontChoice{});
}

void DialogsTest::cancelChangesNothing_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("queueCancel");  // false: the queue is left empty
    for (auto kind : {Kind::Open, Kind::Save, Kind::Color, Kind::Font}) {
        QTest::addRow("kind %d cancelled", int(kind)) << int(kind) << true;
        QTest::addRow("kind %d unanswered", int(kind)) << int(kind) << false;
    }
}

void DialogsTest::cancelChangesNothing() {
    QFETCH(int, kind);
    QFETCH(bool, queueCancel);
    ScriptedDialogs dialogs;
    CommonDialog cd(dialogs, nullptr);
    cd.FileName = "keep.bmp";
    cd.Color = QColor(1, 2, 3);
    cd.Font = FontChoice{"Serif", 12, true, false};
    if (queueCancel) {
        dialogs.openAnswers = dialogs.saveAnswers = {std::nullopt};
        dialogs.colorAnswers = {std::nullopt};
        dialogs.fontAnswers = {std::nullopt};
    }

    bool (CommonDialog::*const show[])() = {&CommonDialog::ShowOpen, &CommonDialog::ShowSave,
                                            &CommonDialog::ShowColor, &CommonDialog::ShowFont};
    QVERIFY(!(cd.*show[kind])());
    QCOMPARE(cd.FileName, "keep.bmp");
    QCOMPARE(cd.Color, QColor(1, 2, 3));
    QCOMPARE(cd.Font, (FontChoice{"Serif", 12, true, false}));
    QCOMPARE(dialogs.requests.size(), 1u);
    QCOMPARE(int(dialogs.requests[0].kind), kind);
}

void DialogsTest::filterBecomesQtFilter_data() {
    QTest::addColumn<QString>("pipe");
    QTest::addColumn<QString>("qt");
    QTest::newRow("pairs") << "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"
                           << "Bitmap(*.bmp) (*.bmp);;All files(*.*) (*)";
    QTest::newRow("several patterns") << "JPEG|*.jpg;*.jpeg"
                                      << "JPEG (*.jpg *.jpeg)";
    QTest::newRow("every file among others") << "Pictures|*.bmp;*.*"
                                             << "Pictures (*.bmp *)";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("trailing bar") << "Text|*.txt|"
                                  << "Text (*.txt)";
}

void DialogsTest::filterBecomesQtFilter() {
    QFETCH(QString, pipe);
    QFETCH(QString, qt);
    QCOMPARE(toQtFilter(pipe), qt);
}

// Plays the user in the real dialog: types a name over an existing file and presses Save.
// A question about replacing the file would show up as a message box on top.
void DialogsTest::qtSaveDialogReplacesWithoutAsking() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("init"));
    const QString initDir = dir.filePath("init");
    QFile existing(initDir + "/old.bmp");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    bool asked = false;
    QString folder, suffix;
    QStringList filters, shown;
    int ticks = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* top = QApplication::activeModalWidget();
        if (++ticks > 200) {  // something waits for an answer we do not know: give up
            if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
        } else if (auto* box = qobject_cast<QMessageBox*>(top)) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        } else if (auto* fd = qobject_cast<QFileDialog*>(top)) {
            folder = fd->directory().absolutePath();
            suffix = fd->defaultSuffix();
            filters = fd->nameFilters();
            const auto* types = fd->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; types && i < types->count(); ++i) shown << types->itemText(i);
            fd->findChild<QLineEdit*>("fileNameEdit")->setText("old");
            QTimer::singleShot(0, fd, [fd] { static_cast<QDialog*>(fd)->accept(); });
        }
    });
    user.start(20);

    FileRequest request;
    request.filter = "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*";
    request.fileName = dir.filePath("elsewhere.bmp");
    request.defaultExt = ".bmp";
    request.initDir = initDir;
    const std::optional<QString> answer = QtDialogBackend().saveFile(request);

    QCOMPARE(answer.value_or("(cancelled)"), initDir + "/old.bmp");
    QVERIFY(!asked);
    QCOMPARE(folder, initDir);
    QCOMPARE(suffix, "bmp");
    QCOMPARE(filters, QStringList({"Bitmap(*.bmp) (*.bmp)", "All files(*.*) (*)"}));
    QCOMPARE(shown, QStringList({"Bitmap(*.bmp)", "All files(*.*)"}));  // the captions alone
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
