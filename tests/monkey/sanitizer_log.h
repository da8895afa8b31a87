// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace monkey {

// The first line of a sanitizer report in the program's output: AddressSanitizer,
// LeakSanitizer and UndefinedBehaviorSanitizer all name themselves, and UBSan's
// checks print "runtime error:". Nothing when the text holds no report.
std::optional<std::string> FindSanitizerReport(std::string_view text);

// Follows a growing log file, handing out what was appended since the last look.
class LogFollower {
  public:
    explicit LogFollower(std::string path) : path_(std::move(path)) {}
    // Whole lines appended since the last call; with `all`, an unfinished last line too.
    std::string readNew(bool all = false);
    // The last `lines` lines of the whole log.
    std::string tail(int lines) const;

  private:
    std::string path_;
    std::size_t offset_ = 0;
    std::string pending_;  // a line not yet ended, kept until it is
};

}  // namespace monkey
