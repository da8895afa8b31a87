// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seeded_random.h"

#include <string>

namespace monkey {

// What the monkey types: text in many writing systems, because every text box,
// number box and file name field must take whatever a user's keyboard sends.
enum class Writing {
    Latin,
    GreekCyrillic,
    Cjk,
    Arabic,
    Hebrew,
    Devanagari,
    Thai,
    Emoji,
    Astral,     // beyond the Basic Multilingual Plane: mathematical letters, CJK extension B...
    Combining,  // base letters carrying stacks of combining marks
    Bidi,       // direction marks and embeddings around mixed-direction words
    Numbers,    // edges of the number fields: ranges, exponents, words that are not numbers
    Mixed,
};
inline constexpr int kWritingCount = static_cast<int>(Writing::Mixed) + 1;

// A piece of text of the given writing, `length` characters long (code points;
// number words are taken whole and may differ). Never holds a control
// character, a surrogate or '/' and '~': a typed file name must not leave the
// folder the file dialog shows.
std::u32string TextIn(Writing writing, std::size_t length, SeededRandom& random);

// A random writing and length: mostly a few characters, sometimes a line,
// now and then hundreds of characters.
std::u32string RandomText(SeededRandom& random);

// UTF-8 for the action log.
std::string Utf8(const std::u32string& text);

}  // namespace monkey
