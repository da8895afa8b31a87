// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace monkey {

// A place worth clicking more often than chance would: a control at a fixed
// spot of the window whose title starts with `title` ("Chromadeck2.0:100,10").
struct Spot {
    std::string title;
    int x = 0;
    int y = 0;
};
std::optional<Spot> ParseSpot(const std::string& text);

struct Options {
    std::uint64_t seed = 0;
    double seconds = 60;
    std::string log;
    std::vector<Spot> spots;
    int pingEvery = 5;          // actions between two questions to the program
    double answerSeconds = 10;  // how long a window may take to answer one
    double startSeconds = 60;   // how long the first window may take to show
    bool verbose = false;
    std::vector<std::string> command;
};

inline constexpr const char* kUsage =
    "usage: chromadeck_monkey --seed N --log FILE [--seconds S] [--spot TITLE:X,Y]...\n"
    "         [--ping-every N] [--answer-seconds S] [--start-seconds S] [--verbose]\n"
    "         -- COMMAND [ARGS...]\n";

// The options, or nothing (with the reason on stderr) when they do not make sense.
std::optional<Options> ParseOptions(const std::vector<std::string>& args);

}  // namespace monkey
