// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The program's number rules: Integer is 16-bit, Long 32-bit, Single and Double IEEE floats.
// Every conversion to an integer rounds to nearest with ties to even (2.5 -> 2, 3.5 -> 4);
// a value that does not fit, or text that is not a number, has no conversion.
namespace chromadeck {

using Integer = std::int16_t;
using Long = std::int32_t;

double roundHalfEven(double v);

std::optional<Integer> toInteger(double v);
std::optional<Long> toLong(double v);

// Parses a plain decimal number ("12", " -3.5 ", "1e3"); empty or other text gives nothing.
std::optional<double> parseNumber(const QString& text);

std::optional<Integer> textToInteger(const QString& text);
std::optional<Long> textToLong(const QString& text);
std::optional<float> textToSingle(const QString& text);
std::optional<double> textToDouble(const QString& text);

// Shortest decimal text that reads back to the same value: 240, 0.5, 120.5.
QString numberText(double v);
QString numberText(float v);

}  // namespace chromadeck
