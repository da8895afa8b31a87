// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules on arbitrary text, read as UTF-8 and as UTF-16 (the number boxes hold
// whatever the user types or pastes), and the rounding on arbitrary doubles. Besides not
// crashing, the conversions must agree with each other and with the printed form of what
// they return, since the program prints numbers back into the boxes they came from.
#include "canvas/numeric.h"
#include "fuzz_expect.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

using namespace chromadeck;

namespace {

template <typename T>
bool FitsIn(double whole) {
    return whole >= double(std::numeric_limits<T>::min()) &&
           whole <= double(std::numeric_limits<T>::max());
}

void CheckRounding(double v) {
    const std::optional<Integer> integer = toInteger(v);
    const std::optional<Long> whole = toLong(v);
    if (!std::isfinite(v)) {
        FuzzExpect(!integer && !whole, "infinity and NaN convert to no integer");
        return;
    }
    const double r = roundHalfEven(v);
    FuzzExpect(r == std::floor(r), "roundHalfEven gives a whole number");
    FuzzExpect(std::fabs(r - v) <= 0.5, "roundHalfEven moves by at most a half");
    FuzzExpect(std::fabs(r - v) < 0.5 || std::fmod(r, 2.0) == 0.0, "a tie goes to the even");

    FuzzExpect(FitsIn<Integer>(r) ? integer && *integer == r : !integer,
               "toInteger is the rounded value exactly when it fits 16 bits");
    FuzzExpect(FitsIn<Long>(r) ? whole && *whole == r : !whole,
               "toLong is the rounded value exactly when it fits 32 bits");
}

bool PlainDecimalCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' ||
           c == u'E';
}

void CheckText(const QString& text) {
    const std::optional<double> number = parseNumber(text);
    FuzzExpect(textToDouble(text) == number, "textToDouble is parseNumber");
    FuzzExpect(textToInteger(text) == (number ? toInteger(*number) : std::nullopt),
               "textToInteger rounds parseNumber");
    FuzzExpect(textToLong(text) == (number ? toLong(*number) : std::nullopt),
               "textToLong rounds parseNumber");
    const std::optional<float> single = textToSingle(text);
    if (!number) {
        FuzzExpect(!single, "text that is no number is no Single");
        return;
    }

    FuzzExpect(std::isfinite(*number), "a number is finite");
    for (QChar c : text.trimmed())
        FuzzExpect(PlainDecimalCharacter(c), "a number is written in plain decimal");
    FuzzExpect(parseNumber(numberText(*number)) == number, "a Double reads back from its text");
    CheckRounding(*number);

    if (const std::optional<Long> whole = textToLong(text))
        FuzzExpect(textToLong(numberText(double(*whole))) == whole,
                   "a Long reads back from its text");

    // A Single is the number rounded to float, as long as that is finite.
    const float rounded = static_cast<float>(*number);
    FuzzExpect(std::isfinite(rounded) ? single == rounded : !single,
               "textToSingle is the number rounded to float when that is finite");
    if (single)
        FuzzExpect(textToSingle(numberText(*single)) == single,
                   "a Single reads back from its text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    CheckText(QString::fromUtf8(bytes, qsizetype(size)));

    // Copied for the alignment of a QChar.
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) std::memcpy(units.data(), bytes, units.size() * 2);
    CheckText(QString::fromUtf16(units.data(), qsizetype(units.size())));

    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double v;
        std::memcpy(&v, bytes + at, sizeof v);
        CheckRounding(v);
    }
    return 0;
}
