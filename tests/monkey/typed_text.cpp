// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_text.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace monkey {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

using Ranges = std::initializer_list<Range>;

char32_t From(Ranges ranges, SeededRandom& random) {
    const std::vector<Range> list(ranges);
    const Range& r = list[random.below(list.size())];
    return r.first + static_cast<char32_t>(random.below(r.last - r.first + 1));
}

// Printable ASCII less the path characters, so no typed name climbs out of the
// folder a file dialog starts in.
char32_t PlainAscii(SeededRandom& random) {
    for (;;) {
        const auto c = static_cast<char32_t>(random.between(0x20, 0x7E));
        if (c != U'/' && c != U'~') return c;
    }
}

const Ranges kLatin = {{0xC0, 0xFF}, {0x100, 0x17F}, {0x180, 0x24F}, {0x1E00, 0x1EFF}};
const Ranges kGreekCyrillic = {{0x391, 0x3A9}, {0x3B1, 0x3C9}, {0x410, 0x44F}, {0x450, 0x45F}};
const Ranges kCjk = {{0x4E00, 0x9FFF}, {0x3041, 0x3096}, {0x30A1, 0x30FA}, {0xAC00, 0xD7A3},
                     {0x3001, 0x3011}, {0xFF01, 0xFF0E}, {0xFF10, 0xFF5E}};
const Ranges kArabic = {{0x621, 0x64A}, {0x64B, 0x652}, {0x660, 0x669}, {0x6F0, 0x6F9}};
const Ranges kHebrew = {{0x5D0, 0x5EA}, {0x5B0, 0x5BC}, {0x5F0, 0x5F2}};
const Ranges kDevanagari = {{0x905, 0x939}, {0x93E, 0x94D}, {0x966, 0x96F}, {0x901, 0x903}};
const Ranges kThai = {{0xE01, 0xE2E}, {0xE31, 0xE3A}, {0xE40, 0xE4E}, {0xE50, 0xE59}};
const Ranges kEmoji = {{0x1F600, 0x1F64F},
                       {0x1F300, 0x1F5FF},
                       {0x1F900, 0x1F9FF},
                       {0x1F680, 0x1F6FF},
                       {0x2600, 0x26FF}};
const Ranges kAstral = {{0x1D400, 0x1D7FF}, {0x10000, 0x1007F}, {0x20000, 0x2A6DF},
                        {0x10330, 0x1034A}, {0x12000, 0x123FF}, {0x1F100, 0x1F1FF}};
const Ranges kCombiningMarks = {{0x300, 0x36F}, {0x1AB0, 0x1ABE}, {0x20D0, 0x20F0}};
const Ranges kBaseLetters = {{0x61, 0x7A}, {0x41, 0x5A}, {0x3B1, 0x3C9}};

// Number boxes convert text with range checks; these sit on and beside the edges.
const std::array<const char32_t*, 34> kNumberWords = {
    U"0",
    U"1",
    U"-1",
    U"2",
    U"32767",
    U"32768",
    U"-32768",
    U"-32769",
    U"65535",
    U"65536",
    U"2147483647",
    U"2147483648",
    U"-2147483649",
    U"1e3",
    U"1e308",
    U"1e309",
    U"-1e309",
    U"1e-320",
    U"0.5",
    U"2.5",
    U"-0",
    U" 12 ",
    U"0x10",
    U"inf",
    U"nan",
    U"3,5",
    U"١٢٣",
    U"１２",
    U"९९",
    U"",
    U"99999999999999999999",
    U".",
    U"-",
    U"1e",
};

void AppendEmoji(std::u32string& text, SeededRandom& random) {
    text += From(kEmoji, random);
    switch (random.below(5)) {
        case 0:  // skin tone
            text += From({{0x1F3FB, 0x1F3FF}}, random);
            break;
        case 1:  // joined sequence
            text += U'\u200D';
            text += From(kEmoji, random);
            break;
        case 2:  // flag from two regional indicators
            text += From({{0x1F1E6, 0x1F1FF}}, random);
            text += From({{0x1F1E6, 0x1F1FF}}, random);
            break;
        case 3:  // emoji presentation selector
            text += U'\uFE0F';
            break;
        default:
            break;
    }
}

void AppendCombining(std::u32string& text, SeededRandom& random) {
    text += From(kBaseLetters, random);
    const long marks = random.between(1, 8);
    for (long i = 0; i < marks; ++i) text += From(kCombiningMarks, random);
}

void AppendBidi(std::u32string& text, SeededRandom& random) {
    static const std::array<char32_t, 11> kMarks = {0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D,
                                                    0x202E, 0x2066, 0x2067, 0x2068, 0x2069};
    text += kMarks[random.below(kMarks.size())];
    const Ranges& words = random.percent(50) ? kArabic : kHebrew;
    for (long i = random.between(1, 4); i > 0; --i) text += From(words, random);
    text += PlainAscii(random);
}

void AppendOne(std::u32string& text, Writing writing, SeededRandom& random) {
    switch (writing) {
        case Writing::Latin:
            text += random.percent(60) ? PlainAscii(random) : From(kLatin, random);
            break;
        case Writing::GreekCyrillic:
            text += From(kGreekCyrillic, random);
            break;
        case Writing::Cjk:
            text += From(kCjk, random);
            break;
        case Writing::Arabic:
            text += From(kArabic, random);
            break;
        case Writing::Hebrew:
            text += From(kHebrew, random);
            break;
        case Writing::Devanagari:
            text += From(kDevanagari, random);
            break;
        case Writing::Thai:
            text += From(kThai, random);
            break;
        case Writing::Emoji:
            AppendEmoji(text, random);
            break;
        case Writing::Astral:
            text += From(kAstral, random);
            break;
        case Writing::Combining:
            AppendCombining(text, random);
            break;
        case Writing::Bidi:
            AppendBidi(text, random);
            break;
        case Writing::Numbers:
            text += kNumberWords[random.below(kNumberWords.size())];
            break;
        case Writing::Mixed:
            AppendOne(text, static_cast<Writing>(random.below(kWritingCount - 1)), random);
            break;
    }
}

}  // namespace

std::u32string TextIn(Writing writing, std::size_t length, SeededRandom& random) {
    std::u32string text;
    if (writing == Writing::Numbers) {
        AppendOne(text, writing, random);
        return text;
    }
    while (text.size() < length) AppendOne(text, writing, random);
    text.resize(length);
    return text;
}

std::u32string RandomText(SeededRandom& random) {
    const auto writing = static_cast<Writing>(random.below(kWritingCount));
    const int band = static_cast<int>(random.below(10));
    const std::size_t length = band < 7   ? random.between(1, 12)
                               : band < 9 ? random.between(13, 60)
                                          : random.between(100, 600);
    return TextIn(writing, length, random);
}

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace monkey
