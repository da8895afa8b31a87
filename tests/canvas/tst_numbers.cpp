// SPDX-License-Identifier: GPL-3.0-or-later
// Number rules and the random colours: everything later arithmetic stands on.
#include "canvas/numeric.h"
#include "canvas/random_source.h"

#include <QtTest>
#include <limits>

using namespace chromadeck;

class NumbersTest : public QObject {
    Q_OBJECT
  private slots:
    void roundingIsToNearestWithTiesToEven() {
        QCOMPARE(*toInteger(2.5), Integer(2));
        QCOMPARE(*toInteger(3.5), Integer(4));
        QCOMPARE(*toInteger(-2.5), Integer(-2));
        QCOMPARE(*toInteger(-3.5), Integer(-4));
        QCOMPARE(*toInteger(2.4999), Integer(2));
        QCOMPARE(*toLong(0.5 * 230), Long(115));
        QCOMPARE(*toLong(1.5), Long(2));
    }

    void conversionsRefuseWhatDoesNotFit() {
        QCOMPARE(*toInteger(32767.4), Integer(32767));
        QVERIFY(!toInteger(32767.5));                     // rounds to 32768
        QCOMPARE(*toInteger(-32768.5), Integer(-32768));  // tie goes to the even -32768
        QVERIFY(!toInteger(-32769));
        QVERIFY(toLong(2147483647.0));
        QVERIFY(!toLong(2147483648.0));
        QVERIFY(!toLong(std::nan("")));
    }

    void textToNumber() {
        QCOMPARE(*textToInteger("50"), Integer(50));
        QCOMPARE(*textToInteger(" 2.5 "), Integer(2));
        QCOMPARE(*textToInteger("-7"), Integer(-7));
        QCOMPARE(*textToInteger("1e2"), Integer(100));
        QCOMPARE(*textToSingle("0.25"), 0.25f);
        // The largest Single prints as a number just above it, which reads back; only
        // what rounds beyond it is too large.
        const float largest = std::numeric_limits<float>::max();
        QCOMPARE(textToSingle(numberText(largest)), largest);
        QCOMPARE(textToSingle("-" + numberText(largest)), -largest);
        QVERIFY(!textToSingle("3.4028236e38"));
        for (const char* bad : {"", " ", "abc", "12abc", "0x10", "inf", "nan", "1,5", "--1"})
            QVERIFY2(!textToDouble(bad), bad);
        QVERIFY(!textToInteger("40000"));
        QVERIFY(textToLong("40000"));
    }

    void numbersAsShortestText() {
        QCOMPARE(numberText(240.0), QString("240"));
        QCOMPARE(numberText(0.5), QString("0.5"));
        QCOMPARE(numberText(120.5f), QString("120.5"));
        QCOMPARE(numberText(0.1f), QString("0.1"));  // not 0.100000001
        QCOMPARE(numberText(-3.0), QString("-3"));
        QCOMPARE(numberText(0.0), QString("0"));
    }

    void randomSourceRepeatsFromItsStartState() {
        RandomSource a, b;
        for (int i = 0; i < 1000; ++i) {
            const float v = a.Next();
            QCOMPARE(v, b.Next());
            QVERIFY(v >= 0.0f && v < 1.0f);
        }
        QCOMPARE(a.drawCount(), std::uint64_t(1000));
    }

    void reseedingChangesTheSequence() {
        RandomSource fresh, reseeded;
        reseeded.ReseedFromClock();
        int same = 0;
        for (int i = 0; i < 50; ++i) same += fresh.Next() == reseeded.Next();
        QVERIFY(same < 5);
    }

    void randomColourTakesThreeDrawsRedGreenBlue() {
        RandomSource colours, draws;
        for (int i = 0; i < 3000; ++i) {
            const RgbColor c = RandomColor(colours);
            QVERIFY(c.red() <= 230 && c.green() <= 230 && c.blue() <= 230);
            const int r = *toInteger(draws.Next() * 230.0f);
            const int g = *toInteger(draws.Next() * 230.0f);
            const int b = *toInteger(draws.Next() * 230.0f);
            QCOMPARE(c.value, RGB(r, g, b).value);
        }
        QCOMPARE(colours.drawCount(), std::uint64_t(9000));
    }

    // The channel rounding without branches against the rounding rule itself, for every
    // value a draw can take: k / 2^24 for each 24-bit k.
    void randomChannelRoundsEveryDrawHalfToEven() {
        int mismatches = 0;
        for (std::uint32_t k = 0; k < (1u << 24); ++k) {
            const float draw = static_cast<float>(k) * (1.0f / 16777216.0f);
            mismatches += RandomChannel(draw) != *toInteger(draw * 230.0f);
        }
        QCOMPARE(mismatches, 0);
    }

    void colourPacking() {
        const RgbColor c = RGB(1, 2, 3);
        QCOMPARE(c.value, 1 + 256 * 2 + 65536 * 3);
        QCOMPARE(RgbColor::fromQRgb(c.toQRgb()).value, c.value);
        QCOMPARE(RgbColor::fromQColor(QColor(255, 0, 255)).value, RGB(255, 0, 255).value);
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
