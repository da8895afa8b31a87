// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's own parts that need no X server: the text it types, its seeded
// choices, its reading of the program's output, its options and how it runs and
// judges a program.
#include "monkey_options.h"
#include "program_run.h"
#include "sanitizer_log.h"
#include "seeded_random.h"
#include "typed_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <set>

using namespace monkey;

class MonkeyPartsTest : public QObject {
    Q_OBJECT

  private slots:
    void typedTextIsWhatAKeyboardCanSend();
    void typedTextCoversEveryWritingAndLength();
    void seedDecidesEveryChoice();
    void sanitizerReportsAreFoundAmongOtherOutput();
    void logFollowerHandsOutWholeLinesOnce();
    void optionsNeedASeedALogAndACommand();
    void programEndingsAreJudged();
    void stoppingEndsTheWholeProgramGroup();
};

void MonkeyPartsTest::typedTextIsWhatAKeyboardCanSend() {
    SeededRandom random(42);
    for (int writing = 0; writing < kWritingCount; ++writing) {
        for (int sample = 0; sample < 200; ++sample) {
            const std::size_t length = 1 + random.below(40);
            const std::u32string text = TextIn(static_cast<Writing>(writing), length, random);
            if (static_cast<Writing>(writing) != Writing::Numbers) QCOMPARE(text.size(), length);
            for (char32_t c : text) {
                QVERIFY2(c >= 0x20 && !(c >= 0x7F && c < 0xA0), "a control character");
                QVERIFY2(c < 0xD800 || c > 0xDFFF, "a surrogate");
                QVERIFY(c <= 0x10FFFF);
                QVERIFY2(c != U'/' && c != U'~', "a path character");
            }
            // The UTF-8 the report shows is the text itself.
            const std::string utf8 = Utf8(text);
            QCOMPARE(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                     QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())));
        }
    }
}

void MonkeyPartsTest::typedTextCoversEveryWritingAndLength() {
    SeededRandom random(7);
    const auto anyIn = [](const std::u32string& text, char32_t first, char32_t last) {
        for (char32_t c : text)
            if (c >= first && c <= last) return true;
        return false;
    };
    QVERIFY(anyIn(TextIn(Writing::Cjk, 50, random), 0x3000, 0xD7A3));
    QVERIFY(anyIn(TextIn(Writing::Arabic, 20, random), 0x600, 0x6FF));
    QVERIFY(anyIn(TextIn(Writing::Hebrew, 20, random), 0x590, 0x5FF));
    QVERIFY(anyIn(TextIn(Writing::Devanagari, 20, random), 0x900, 0x97F));
    QVERIFY(anyIn(TextIn(Writing::Thai, 20, random), 0xE00, 0xE7F));
    QVERIFY(anyIn(TextIn(Writing::Emoji, 20, random), 0x1F000, 0x1FAFF));
    QVERIFY(anyIn(TextIn(Writing::Astral, 20, random), 0x10000, 0x10FFFF));
    QVERIFY(anyIn(TextIn(Writing::Combining, 20, random), 0x300, 0x36F));
    QVERIFY(anyIn(TextIn(Writing::Bidi, 20, random), 0x200E, 0x2069));

    std::set<std::size_t> lengths;
    for (int i = 0; i < 2000; ++i) lengths.insert(RandomText(random).size());
    QVERIFY(lengths.count(1));
    QVERIFY(*lengths.rbegin() >= 300);  // now and then hundreds of characters
}

void MonkeyPartsTest::seedDecidesEveryChoice() {
    SeededRandom a(123), b(123), c(124);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const auto x = a.next();
        QCOMPARE(x, b.next());
        differs = differs || x != c.next();
    }
    QVERIFY(differs);

    SeededRandom random(5);
    std::set<long> seen;
    std::vector<int> picks(4, 0);
    for (int i = 0; i < 4000; ++i) {
        const long value = random.between(-2, 2);
        QVERIFY(value >= -2 && value <= 2);
        seen.insert(value);
        ++picks[random.weighted({3, 0, 1, 0})];
    }
    QCOMPARE(seen.size(), 5u);  // both ends are reached
    QCOMPARE(picks[1], 0);      // a weight of 0 is never chosen
    QCOMPARE(picks[3], 0);
    QVERIFY(picks[0] > 2 * picks[2]);
    QCOMPARE(random.below(0), 0u);
}

void MonkeyPartsTest::sanitizerReportsAreFoundAmongOtherOutput() {
    QVERIFY(
        !FindSanitizerReport("qt.qpa.xcb: QXcbConnection: XCB error: 3 (BadWindow)\n"
                             "QFileDialog: no such folder\n"));
    QCOMPARE(FindSanitizerReport("qt.qpa: warning\n"
                                 "==412==ERROR: AddressSanitizer: heap-use-after-free on 0x6\n"
                                 "READ of size 8\n")
                 .value_or(""),
             std::string("==412==ERROR: AddressSanitizer: heap-use-after-free on 0x6"));
    QCOMPARE(FindSanitizerReport("src/canvas/x.cpp:12:5: runtime error: signed integer overflow")
                 .value_or(""),
             std::string("src/canvas/x.cpp:12:5: runtime error: signed integer overflow"));
    QVERIFY(FindSanitizerReport("\n==9==ERROR: LeakSanitizer: detected memory leaks\n"));
    QVERIFY(FindSanitizerReport("==9==UndefinedBehaviorSanitizer: SEGV\n"));
}

void MonkeyPartsTest::logFollowerHandsOutWholeLinesOnce() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("log").toStdString();
    LogFollower log(path);
    QCOMPARE(log.readNew(), std::string());  // no file yet
    std::ofstream out(path);
    out << "first line\nsecond ha" << std::flush;
    QCOMPARE(log.readNew(), std::string("first line\n"));
    QCOMPARE(log.readNew(), std::string());
    out << "lf\nthird" << std::flush;
    // A report split across two looks is seen whole.
    QCOMPARE(log.readNew(), std::string("second half\n"));
    QCOMPARE(log.readNew(true), std::string("third"));
    QCOMPARE(log.tail(2), std::string("second half\nthird\n"));
}

void MonkeyPartsTest::optionsNeedASeedALogAndACommand() {
    const auto parsed = ParseOptions({"--seed", "18446744073709551615", "--log", "out.log",
                                      "--seconds", "1.5", "--spot", "Title: with colon:22,8",
                                      "--verbose", "--", "prog", "--seed", "x"});
    QVERIFY(parsed);
    QCOMPARE(parsed->seed, 18446744073709551615ULL);
    QCOMPARE(parsed->seconds, 1.5);
    QCOMPARE(parsed->spots.size(), 1u);
    QCOMPARE(parsed->spots[0].title, std::string("Title: with colon"));
    QCOMPARE(parsed->spots[0].x, 22);
    QCOMPARE(parsed->spots[0].y, 8);
    QVERIFY(parsed->verbose);
    // Everything after "--" belongs to the program.
    QCOMPARE(parsed->command, (std::vector<std::string>{"prog", "--seed", "x"}));

    const std::vector<std::vector<std::string>> refused = {
        {"--log", "l", "--", "prog"},                                   // no seed
        {"--seed", "1", "--", "prog"},                                  // no log
        {"--seed", "1", "--log", "l"},                                  // no command
        {"--seed", "-1", "--log", "l", "--", "prog"},                   // not a whole number
        {"--seed", "99999999999999999999", "--log", "l", "--", "p"},    // too large
        {"--seed", "1", "--log", "l", "--seconds", "0", "--", "prog"},  // no time
        {"--seed", "1", "--log", "l", "--spot", "22,8", "--", "prog"},  // no title
        {"--seed", "1", "--log", "l", "--spot", "t:1,2x", "--", "prog"},
        {"--seed", "1", "--log", "l", "--bogus", "--", "prog"},
        {"--seed"},
    };
    for (const auto& args : refused) QVERIFY(!ParseOptions(args));
}

void MonkeyPartsTest::programEndingsAreJudged() {
    QTemporaryDir dir;
    const std::string log = dir.filePath("out.log").toStdString();
    const auto runToEnd = [&](const std::string& script) {
        ProgramRun run({"sh", "-c", script}, log);
        if (!run.start()) return -1;
        return run.waitFor(20).value_or(-1);
    };
    const int clean = runToEnd("echo to stdout; echo to stderr >&2");
    QVERIFY(!IsFailure(clean));
    QCOMPARE(DescribeStatus(clean), std::string("exit status 0"));
    const int failed = runToEnd("exit 3");
    QVERIFY(IsFailure(failed));
    QCOMPARE(DescribeStatus(failed), std::string("exit status 3"));
    const int crashed = runToEnd("kill -SEGV $$");
    QVERIFY(IsFailure(crashed));
    QVERIFY(DescribeStatus(crashed).rfind("killed by signal 11", 0) == 0);
    // Both streams go to the log, appended run after run.
    QCOMPARE(LogFollower(log).tail(5), std::string("to stdout\nto stderr\n"));

    ProgramRun missing({"/nonexistent/program"}, log);
    QVERIFY(missing.start());
    QCOMPARE(DescribeStatus(missing.waitFor(20).value_or(-1)), std::string("exit status 127"));
}

void MonkeyPartsTest::stoppingEndsTheWholeProgramGroup() {
    QTemporaryDir dir;
    const QString childPid = dir.filePath("child.pid");
    ProgramRun run({"sh", "-c", "sleep 300 & echo $! > " + childPid.toStdString() + "; wait"},
                   dir.filePath("out.log").toStdString());
    QVERIFY(run.start());
    QTRY_VERIFY(QFile(childPid).size() > 0);
    QVERIFY(!run.ended());
    QVERIFY(!run.poll());
    QFile file(childPid);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const pid_t child = file.readAll().trimmed().toInt();
    QVERIFY(child > 0);
    run.stop();
    QVERIFY(!run.running());
    // What the program started goes too (gone, or dead and waiting to be reaped).
    const auto gone = [child] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!stat.open(QIODevice::ReadOnly)) return true;
        const QByteArray fields = stat.readAll();
        return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
    };
    QTRY_VERIFY(gone());
}

QTEST_APPLESS_MAIN(MonkeyPartsTest)
#include "tst_monkey_parts.moc"
