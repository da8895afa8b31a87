// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace chromadeck {

namespace {

template <typename T>
std::optional<T> roundInto(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

template <typename F>
QString shortestText(F v) {
    if (v == 0) return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

}  // namespace

double roundHalfEven(double v) {
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<Integer> toInteger(double v) {
    return roundInto<Integer>(v);
}
std::optional<Long> toLong(double v) {
    return roundInto<Long>(v);
}

std::optional<double> parseNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (QChar c : t) {
        // Only plain decimal notation: no hex, no "inf" or "nan" spellings.
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E'))
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<Integer> textToInteger(const QString& text) {
    const auto v = parseNumber(text);
    return v ? toInteger(*v) : std::nullopt;
}

std::optional<Long> textToLong(const QString& text) {
    const auto v = parseNumber(text);
    return v ? toLong(*v) : std::nullopt;
}

std::optional<float> textToSingle(const QString& text) {
    const auto v = parseNumber(text);
    if (!v) return std::nullopt;
    // Rounding to float decides, not the largest float itself: the shortest text of the
    // largest Single, 3.4028235e+38, lies a little above it and must still read back.
    const float single = static_cast<float>(*v);
    if (!std::isfinite(single)) return std::nullopt;
    return single;
}

std::optional<double> textToDouble(const QString& text) {
    return parseNumber(text);
}

QString numberText(double v) {
    return shortestText(v);
}
QString numberText(float v) {
    return shortestText(v);
}

}  // namespace chromadeck
