// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_options.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace monkey {

namespace {

std::optional<double> PositiveNumber(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value > 0)) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> WholeNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0) return std::nullopt;
    return value;
}

std::nullopt_t Refuse(const std::string& why) {
    std::fprintf(stderr, "chromadeck_monkey: %s\n%s", why.c_str(), kUsage);
    return std::nullopt;
}

}  // namespace

std::optional<Spot> ParseSpot(const std::string& text) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    Spot spot;
    spot.title = text.substr(0, colon);
    char rest = 0;
    if (std::sscanf(text.c_str() + colon + 1, "%d,%d%c", &spot.x, &spot.y, &rest) != 2)
        return std::nullopt;
    return spot;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    bool seeded = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i] != "--"; ++i) {
        const std::string& name = args[i];
        if (name == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (i + 1 >= args.size()) return Refuse(name + " needs a value");
        const std::string& value = args[++i];
        if (name == "--seed") {
            const auto seed = WholeNumber(value);
            if (!seed) return Refuse("--seed takes a whole number, not '" + value + "'");
            options.seed = *seed;
            seeded = true;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--spot") {
            const auto spot = ParseSpot(value);
            if (!spot) return Refuse("--spot takes TITLE:X,Y, not '" + value + "'");
            options.spots.push_back(*spot);
        } else if (name == "--seconds" || name == "--answer-seconds" || name == "--start-seconds" ||
                   name == "--ping-every") {
            const auto number = PositiveNumber(value);
            if (!number) return Refuse(name + " takes a positive number, not '" + value + "'");
            if (name == "--seconds") options.seconds = *number;
            if (name == "--answer-seconds") options.answerSeconds = *number;
            if (name == "--start-seconds") options.startSeconds = *number;
            if (name == "--ping-every") options.pingEvery = static_cast<int>(*number);
        } else {
            return Refuse("unknown option " + name);
        }
    }
    if (!seeded) return Refuse("--seed is required, so every run can be replayed");
    if (options.log.empty()) return Refuse("--log is required");
    if (options.pingEvery < 1) return Refuse("--ping-every must be at least 1");
    options.command.assign(args.begin() + static_cast<long>(std::min(i + 1, args.size())),
                           args.end());
    if (options.command.empty()) return Refuse("no command to run after --");
    return options;
}

}  // namespace monkey
