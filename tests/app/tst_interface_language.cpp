// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's language: chosen from the locale, English shown everywhere in the
// English interface and fitting the same panels, the Chinese source texts left exactly as
// they are in the Chinese one, with Qt's own dialogs in the same language.
#include "app/form1.h"
#include "app/interface_language.h"
#include "canvas/caption_checks.h"
#include "canvas/random_source.h"
#include "capture/capture_form.h"
#include "cutout/form11.h"
#include "platform/scripted_services.h"

#include <QAction>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

using namespace chromadeck;
using app::InterfaceLanguage;
using app::InterfaceTranslation;
using app::LanguageForLocale;

Q_DECLARE_METATYPE(InterfaceLanguage)

namespace {

// Both windows the user reads on the main screen: the main window and, from its "抠图"
// button, the cut-out window; and the capture window's toolbar.
struct Windows {
    platform::ScriptedServices services;
    RandomSource random;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(services.services(), random);
    Form11* cutout = openCutout();
    CaptureForm capture{nullptr, services.services()};

    Form11* openCutout() {
        form->Command9->click();
        return form->findChild<Form11*>();
    }
};

// Every text a window shows, by the object that shows it: captions, titles, menu entries,
// tooltips, the text box's text.
QStringList shownTexts(const QWidget& window) {
    QStringList texts{window.objectName() + QStringLiteral(": ") + window.windowTitle()};
    const auto add = [&texts](const QObject* object, const QString& text) {
        if (!text.isEmpty()) texts << object->objectName() + QStringLiteral(": ") + text;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) add(w, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) add(w, button->text());
        if (const auto* frame = qobject_cast<const QGroupBox*>(w)) add(w, frame->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(w)) add(w, edit->text());
        if (const auto* menu = qobject_cast<const QMenu*>(w)) add(w, menu->title());
        add(w, w->toolTip());
        if (w->isWindow()) add(w, w->windowTitle());
    }
    for (const QAction* action : window.findChildren<QAction*>()) add(action, action->text());
    return texts;
}

QStringList shownTexts(const Windows& w) {
    return shownTexts(*w.form) + shownTexts(w.capture);
}

// The message the capture shows where the desktop keeps the screen to itself.
platform::RecordingMessageBox::Message refusedCaptureMessage(Windows& w) {
    w.services.screen.refuseGrab = true;
    w.form->mnuCapture->trigger();
    return w.services.messages.messages.empty() ? platform::RecordingMessageBox::Message{}
                                                : w.services.messages.messages.back();
}

// A shown text, not the object's name before it, written in Chinese.
const QRegularExpression kChinese(QStringLiteral(": .*\\p{Han}"));

}  // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void localeChoosesTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<InterfaceLanguage>("language");
        QTest::newRow("zh_CN") << "zh_CN" << InterfaceLanguage::Chinese;
        QTest::newRow("zh_TW") << "zh_TW" << InterfaceLanguage::Chinese;
        QTest::newRow("zh_HK") << "zh_HK" << InterfaceLanguage::Chinese;
        QTest::newRow("C") << "C" << InterfaceLanguage::Chinese;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << InterfaceLanguage::Chinese;
        QTest::newRow("POSIX") << "POSIX" << InterfaceLanguage::Chinese;
        QTest::newRow("en_US") << "en_US" << InterfaceLanguage::English;
        QTest::newRow("en_GB.UTF-8") << "en_GB.UTF-8" << InterfaceLanguage::English;
        QTest::newRow("de_DE") << "de_DE" << InterfaceLanguage::English;
        QTest::newRow("ja_JP") << "ja_JP" << InterfaceLanguage::English;
    }

    void localeChoosesTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(InterfaceLanguage, language);
        QCOMPARE(LanguageForLocale(QLocale(locale)), language);
    }

    void englishEverywhere() {
        const InterfaceTranslation english(LanguageForLocale(QLocale(QStringLiteral("en_US"))));
        QVERIFY(english.complete());
        Windows w;
        QVERIFY(w.cutout);
        const QStringList texts = shownTexts(w);
        QVERIFY2(texts.filter(kChinese).isEmpty(), qPrintable(texts.filter(kChinese).join(u'\n')));

        // Shown in English, still named by their Chinese captions.
        QCOMPARE(w.form->mnuFile->title(), QStringLiteral("File"));
        QCOMPARE(w.form->mnuFile->objectName(), QStringLiteral("文件"));
        QCOMPARE(w.form->findChild<QAction*>(QStringLiteral("截屏"))->text(),
                 QStringLiteral("Capture"));
        QCOMPARE(w.form->optStyle.at(0)->text(), QStringLiteral("Circle"));
        QCOMPARE(w.cutout->windowTitle(), QStringLiteral("Tessaly cut-out"));
        QCOMPARE(w.capture.Image2[0]->toolTip(), QStringLiteral("Undo"));
        QCOMPARE(w.capture.Image2[4]->toolTip(), QStringLiteral("Add arrow"));

        const auto message = refusedCaptureMessage(w);
        QCOMPARE(message.title, QStringLiteral("Capture"));
        QCOMPARE(message.text, QStringLiteral("Cannot capture the screen: This desktop does not "
                                              "let programs read the screen."));
        // Qt's own buttons stay in English.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));

        // The read-outs the panel writes as the pointer and the bars move.
        w.form->HScroll1->setValue(1200);
        QCOMPARE(w.form->Label6->text(), QStringLiteral("Size:1200"));
    }

    void englishCaptionsFitTheirPanels() {
        const InterfaceTranslation english(InterfaceLanguage::English);
        Windows w;
        QVERIFY(w.cutout);
        QCOMPARE(test::cutCaptions(*w.form->Frame1), QStringList());
        QCOMPARE(test::cutCaptions(*w.cutout->Frame1), QStringList());
    }

    void chineseIsTheSourceTexts_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("zh_CN") << "zh_CN";
    }

    void chineseIsTheSourceTexts() {
        QFETCH(QString, locale);
        QStringList written, sourceMessage;
        {
            Windows w;  // no translation at all: the texts as the sources write them
            written = shownTexts(w);
            const auto message = refusedCaptureMessage(w);
            sourceMessage = {message.title, message.text};
        }
        const InterfaceTranslation chinese(LanguageForLocale(QLocale(locale)));
        QVERIFY(chinese.complete());
        Windows w;
        QCOMPARE(shownTexts(w), written);
        QCOMPARE(w.form->mnuFile->title(), QStringLiteral("文件"));
        QCOMPARE(w.capture.Image2[0]->toolTip(), QStringLiteral("撤销"));
        const auto message = refusedCaptureMessage(w);
        QCOMPARE((QStringList{message.title, message.text}), sourceMessage);
        QCOMPARE(message.text, QStringLiteral("无法截取屏幕：这个桌面不允许程序读取屏幕内容。"));
        // Qt's own dialogs answer in Chinese too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "tst_interface_language.moc"
