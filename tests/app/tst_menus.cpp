// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: saving, opening and clearing the canvas, the background
// colour, the help panel and the about page, driven through the real actions.
#include "app/about_page.h"
#include "app/fonts.h"
#include "app/sample_pictures.h"
#include "form1_session.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryDir>

using namespace chromadeck;
using chromadeck::testing::Session;
using chromadeck::testing::writeAll;

namespace {

using Kind = platform::ScriptedDialogs::Kind;

// The captions; an item not named by its caption shows up as a mismatch.
QStringList captionsOf(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* a : actions)
        captions << (a->objectName() == a->text() ? a->text() : "named " + a->objectName());
    return captions;
}

// The sample picture on a plain ground, as the canvas shows it before any drawing.
QImage pictureOn(QSize area, QColor ground) {
    QImage expected(area, QImage::Format_RGB32);
    expected.fill(ground);
    QPainter(&expected).drawImage(0, 0, app::mainSamplePicture());
    return expected;
}

}  // namespace

class TestMenus : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { app::registerFontSubstitutions(); }

    void barHoldsTheCommands();
    void saveWritesTheCanvasUnderTheChosenName();
    void cancelledOrFailedSaveLeavesNoFile();
    void backColourThenClearPicture();
    void openingTheClearMenuWipesTheDrawing();
    void openingPictures();
    void helpPanel();
    void aboutPage();
};

void TestMenus::barHoldsTheCommands() {
    Session s;
    Form1& f = *s.form;
    const QList<QAction*> top = f.menuBar()->actions();
    QCOMPARE(captionsOf(top), QStringList({"文件", "保存", "截屏", "背景色", "清除", "帮助"}));
    // Saving, the capture and the background colour act from the bar itself.
    QVERIFY(!top[1]->menu() && !top[2]->menu() && !top[3]->menu());
    QCOMPARE(captionsOf(f.mnuFile->actions()), QStringList({"打开图片", "关闭"}));
    QCOMPARE(captionsOf(f.mnuClear->actions()), QStringList({"清除底图"}));
    QCOMPARE(captionsOf(f.mnuHelp->actions()), QStringList({"帮助内容", "关于Tessaly"}));
}

void TestMenus::saveWritesTheCanvasUnderTheChosenName() {
    Session s;
    s.showLarge();
    Form1& f = *s.form;
    const QSize area = f.Picture1->drawingSize();
    QVERIFY(area.width() > 1575 && area.height() > 1017);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("画布"));  // no extension
    s.services.dialogs.saveAnswers.push_back(path);
    f.mnuSave->trigger();

    QCOMPARE(s.services.dialogs.requests.size(), 1u);
    QCOMPARE(s.services.dialogs.requests[0].kind, Kind::Save);
    QCOMPARE(s.services.dialogs.requests[0].file.filter,
             QStringLiteral("Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"画布"}));
    const QImage saved(path, "BMP");
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), pictureOn(area, Qt::black));
    QVERIFY(s.services.messages.messages.empty());
}

void TestMenus::cancelledOrFailedSaveLeavesNoFile() {
    Session s;
    Form1& f = *s.form;
    QTemporaryDir dir;
    // Even with a name remembered from before, a cancel writes nothing.
    f.CDlg.FileName = dir.filePath(QStringLiteral("earlier.bmp"));
    s.services.dialogs.saveAnswers.push_back(std::nullopt);
    f.mnuSave->trigger();
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(s.services.messages.messages.empty());

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/p.bmp"));
    s.services.dialogs.saveAnswers.push_back(missing);
    f.mnuSave->trigger();
    QCOMPARE(s.services.messages.messages.size(), 1u);
    const auto& message = s.services.messages.messages[0];
    QVERIFY(!message.title.isEmpty());
    QVERIFY2(message.text.contains(missing), qPrintable(message.text));
    QCOMPARE(message.icon, platform::MessageIcon::Warning);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestMenus::backColourThenClearPicture() {
    Session s;
    Form1& f = *s.form;
    f.mnuBackColor->trigger();
    QCOMPARE(s.random.drawCount(), 3u);
    f.mnuClearPicture->trigger();
    QVERIFY(f.Picture1->surface().Picture().isNull());

    const QImage plain = f.Picture1->surface().Image();
    const QRgb ground = plain.pixel(0, 0);
    QCOMPARE(ground, f.Picture1->surface().BackColor().toQRgb());
    QVERIFY(qRed(ground) <= 230 && qGreen(ground) <= 230 && qBlue(ground) <= 230);
    QImage expected(plain.size(), QImage::Format_RGB32);
    expected.fill(ground);
    QCOMPARE(plain, expected);
}

void TestMenus::openingTheClearMenuWipesTheDrawing() {
    Session s;
    s.showLarge();
    Form1& f = *s.form;
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(1500, 500));
    const QImage drawn = f.Picture1->surface().Image();
    QVERIFY(drawn != pictureOn(drawn.size(), Qt::black));

    // Opening the menu is the command; choosing nothing from it changes nothing more.
    emit f.mnuClear->aboutToShow();
    QCOMPARE(f.Picture1->surface().BackColor(), RGB(255, 255, 255));
    QCOMPARE(f.Picture1->surface().Picture(), app::mainSamplePicture());
    QCOMPARE(f.Picture1->surface().Image(), pictureOn(drawn.size(), Qt::white));
}

void TestMenus::openingPictures() {
    Session s;
    Form1& f = *s.form;
    QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(300, 300));
    const QImage drawing = f.Picture1->surface().Image();

    s.services.dialogs.openAnswers.push_back(std::nullopt);
    f.mnuOpen->trigger();
    QCOMPARE(f.Picture1->surface().Image(), drawing);

    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("坏图.png"));
    QVERIFY(writeAll(garbage, QByteArray("\x89PNG\r\n\x1a\n not really", 20)));
    s.services.dialogs.openAnswers.push_back(garbage);
    f.mnuOpen->trigger();
    QCOMPARE(s.services.messages.messages.size(), 1u);
    QVERIFY2(s.services.messages.messages[0].text.contains(garbage),
             qPrintable(s.services.messages.messages[0].text));
    QCOMPARE(f.Picture1->surface().Image(), drawing);
    QCOMPARE(f.Picture1->surface().Picture(), app::mainSamplePicture());

    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(QColor(12, 240, 99));
    photo.setPixel(39, 29, qRgb(250, 1, 2));
    const QString real = dir.filePath(QStringLiteral("photo.png"));
    QVERIFY(photo.save(real, "PNG"));
    s.services.dialogs.openAnswers.push_back(real);
    f.mnuOpen->trigger();
    QCOMPARE(s.services.messages.messages.size(), 1u);
    QCOMPARE(f.Picture1->surface().Picture(), photo);
    const QImage shown = f.Picture1->surface().Image();
    QCOMPARE(shown.copy(0, 0, 40, 30), photo);
    QCOMPARE(shown.pixel(100, 100), qRgb(0, 0, 0));  // the drawing went with the old picture
    QVERIFY(s.services.dialogs.allAnswered());
}

void TestMenus::helpPanel() {
    Session s;
    s.showLarge();
    Form1& f = *s.form;
    f.mnuHelpContents->trigger();
    f.mnuHelpContents->trigger();
    QVERIFY(f.Label18->isVisible() && f.Command7->isVisible());

    // Thirteen lines, the numbers 8 and 9 twice each, and all of it inside the box.
    QStringList numbers;
    for (const QString& line : f.Label18->text().split('\n')) numbers << line.section("：", 0, 0);
    QCOMPARE(numbers, QStringList({"帮助内容", "1", "2", "3", "4", "5", "6", "7", "8", "8", "9",
                                   "9", "10"}));
    QCOMPARE(f.Label18->size(), QSize(521, 175));
    QVERIFY2(f.Label18->heightForWidth(f.Label18->width()) <= f.Label18->height(),
             qPrintable(QString::number(f.Label18->heightForWidth(f.Label18->width()))));

    QTest::mouseClick(f.Command7, Qt::LeftButton);
    QVERIFY(f.Label18->isHidden() && f.Command7->isHidden());
}

void TestMenus::aboutPage() {
    QCOMPARE(app::aboutAddress(" https://example.org/chromadeck ", "/opt/chromadeck"),
             QUrl("https://example.org/chromadeck"));
    QCOMPARE(app::aboutAddress("", "/opt/画图"), QUrl::fromLocalFile("/opt/画图/about.html"));
    // Installed, moved anywhere: the page in the data folder beside the program's folder.
    QTemporaryDir moved;
    QVERIFY(QDir(moved.path()).mkpath("bin") && QDir(moved.path()).mkpath("share/chromadeck"));
    const QString installedPage = moved.filePath("share/chromadeck/about.html");
    QVERIFY(QFile(installedPage).open(QIODevice::WriteOnly));
    QCOMPARE(app::aboutAddress("", moved.filePath("bin")), QUrl::fromLocalFile(installedPage));

    Session s;
    s.services.desktop.answer = false;  // no browser: nothing to tell the user
    s.form->mnuAbout->trigger();
    QCOMPARE(s.services.desktop.urls, std::vector<QUrl>{app::configuredAboutAddress()});
    QVERIFY(s.services.messages.messages.empty());

    // The page the program opens by default lies beside it and needs nothing else.
    QFile page(QStringLiteral(CHROMADECK_PROGRAM_DIR "/about.html"));
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
    const QByteArray bytes = page.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString html = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(html.contains("Chromadeck 2.0") && html.contains("charset=\"utf-8\""));
    // No address to fetch anything from; the licence's is only there to be read.
    QVERIFY(html.contains("License GPLv3+: GNU GPL version 3 or later"));
    const QString others = QString(html).remove("https://gnu.org/licenses/gpl.html");
    QVERIFY(!others.contains("http:") && !others.contains("https:") && !html.contains("src="));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
