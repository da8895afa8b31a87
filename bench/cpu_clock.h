// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The CPU time of one timed part of a case, measured by the case itself: Google Benchmark
// keeps its timings to itself, and a case that compares itself with another case of the
// same run needs its own number. Process CPU time, as Google Benchmark reports.
#include <algorithm>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace chromadeck::bench {

inline double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Seconds per iteration of earlier cases, by name, one entry per repetition.
class CaseTimes {
  public:
    void add(const std::string& name, double seconds) { times_[name].push_back(seconds); }
    // The median of the repetitions so far; 0 when the case has not run.
    double median(const std::string& name) const {
        const auto it = times_.find(name);
        if (it == times_.end() || it->second.empty()) return 0;
        std::vector<double> sorted = it->second;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }

  private:
    std::map<std::string, std::vector<double>> times_;
};

}  // namespace chromadeck::bench
