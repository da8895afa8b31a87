// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line starts, prints or refuses, and the exit it asks for.
#include "app/command_line.h"

#include <QtTest>

using chromadeck::app::CommandLine;
using chromadeck::app::ParseCommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(Action)

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void actions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("saying");

        QTest::newRow("nothing") << QStringList{} << Action::OpenWindow << 0 << "";
        QTest::newRow("toolkit options")
            << QStringList{"-platform", "xcb", "-reverse"} << Action::OpenWindow << 0 << "";
        QTest::newRow("capture") << QStringList{"--capture"} << Action::Capture << 0 << "";
        QTest::newRow("delay") << QStringList{"--capture", "--delay", "5"} << Action::Capture << 5
                               << "";
        QTest::newRow("longest delay")
            << QStringList{"--delay=60", "--capture"} << Action::Capture << 60 << "";
        QTest::newRow("help") << QStringList{"--help"} << Action::Print << 0 << "--capture";
        QTest::newRow("version") << QStringList{"-v"} << Action::Print << 0 << "Chromadeck 2.0";
        QTest::newRow("licence") << QStringList{"--version"} << Action::Print << 0
                                 << "License GPLv3+: GNU GPL version 3 or later";
        QTest::newRow("help names --lang") << QStringList{"-h"} << Action::Print << 0 << "--lang";

        QTest::newRow("delay too long")
            << QStringList{"--capture", "--delay", "61"} << Action::Refuse << 0 << "0 to 60";
        QTest::newRow("negative delay")
            << QStringList{"--capture", "--delay", "-1"} << Action::Refuse << 0 << "'-1'";
        QTest::newRow("delay not a number")
            << QStringList{"--capture", "--delay", "soon"} << Action::Refuse << 0 << "'soon'";
        QTest::newRow("fractional delay")
            << QStringList{"--capture", "--delay", "1.5"} << Action::Refuse << 0 << "'1.5'";
        QTest::newRow("delay without value")
            << QStringList{"--capture", "--delay"} << Action::Refuse << 0 << "delay";
        QTest::newRow("delay alone")
            << QStringList{"--delay", "3"} << Action::Refuse << 0 << "--delay needs --capture";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << Action::Refuse << 0 << "bogus";
        QTest::newRow("stray argument")
            << QStringList{"picture.png"} << Action::Refuse << 0 << "picture.png";
        QTest::newRow("other language")
            << QStringList{"--lang", "fr"} << Action::Refuse << 0 << "--lang takes en or zh";
        QTest::newRow("language without value")
            << QStringList{"--lang"} << Action::Refuse << 0 << "lang";
    }

    void actions() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(int, delay);
        QFETCH(QString, saying);
        const CommandLine line = ParseCommandLine(QStringList{"chromadeck"} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.delaySeconds, delay);
        QVERIFY2(line.text.contains(saying), qPrintable(line.text));
        // A refusal shows the usage too, so the right spelling is at hand.
        if (action == Action::Refuse) QVERIFY(line.text.contains("Usage:"));
    }

    void languageOverridesTheLocale() {
        using chromadeck::app::InterfaceLanguage;
        QVERIFY(!ParseCommandLine({"chromadeck"}).language);
        const CommandLine english = ParseCommandLine({"chromadeck", "--lang", "en"});
        QCOMPARE(english.action, Action::OpenWindow);
        QVERIFY(english.language == InterfaceLanguage::English);
        const CommandLine chinese = ParseCommandLine({"chromadeck", "--capture", "--lang=zh"});
        QCOMPARE(chinese.action, Action::Capture);
        QVERIFY(chinese.language == InterfaceLanguage::Chinese);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
