// SPDX-License-Identifier: GPL-3.0-or-later
#include "sanitizer_log.h"

#include <array>
#include <deque>
#include <fstream>
#include <sstream>

namespace monkey {

std::optional<std::string> FindSanitizerReport(std::string_view text) {
    static constexpr std::array<std::string_view, 4> kMarks = {
        "AddressSanitizer", "LeakSanitizer", "UndefinedBehaviorSanitizer", "runtime error:"};
    std::size_t first = std::string_view::npos;
    for (auto mark : kMarks) first = std::min(first, text.find(mark));
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t begin = text.rfind('\n', first);
    const std::size_t start = begin == std::string_view::npos ? 0 : begin + 1;
    const std::size_t end = text.find('\n', first);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string LogFollower::readNew(bool all) {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return {};
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > offset_) {
        std::string fresh(size - offset_, '\0');
        in.seekg(static_cast<std::streamoff>(offset_));
        in.read(fresh.data(), static_cast<std::streamsize>(fresh.size()));
        fresh.resize(static_cast<std::size_t>(in.gcount()));
        offset_ += fresh.size();
        pending_ += fresh;
    }
    // rfind's npos + 1 wraps to 0: no whole line yet.
    const std::size_t cut = all ? pending_.size() : pending_.rfind('\n') + 1;
    if (cut == 0) return {};
    std::string lines = pending_.substr(0, cut);
    pending_.erase(0, cut);
    return lines;
}

std::string LogFollower::tail(int lines) const {
    std::ifstream in(path_, std::ios::binary);
    std::deque<std::string> last;
    for (std::string line; std::getline(in, line);) {
        last.push_back(std::move(line));
        if (static_cast<int>(last.size()) > lines) last.pop_front();
    }
    std::ostringstream out;
    for (const auto& line : last) out << line << '\n';
    return out.str();
}

}  // namespace monkey
