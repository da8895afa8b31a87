// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monkey_hands.h"
#include "monkey_options.h"
#include "program_run.h"
#include "sanitizer_log.h"
#include "seeded_random.h"
#include "x_input.h"
#include "x_session.h"

#include <chrono>
#include <csignal>
#include <deque>
#include <string>

namespace monkey {

// The whole monkey run: starts the program, keeps acting on it until the time
// is up, asks it every few actions whether it still answers, starts it again
// when it ends cleanly, and stops at the first fault with a report.
class MonkeySession {
  public:
    explicit MonkeySession(Options options);
    // 0 when the time ran out (or `stop` was set) without a fault, 1 on a
    // fault, 2 when the monkey itself could not work (no display, the program
    // would not start).
    int run(const volatile std::sig_atomic_t& stop);

  private:
    enum class Step { Going, Faulted, Broken };

    bool startProgram();
    Step waitForFirstWindow();
    Step checkProgram();
    Step checkAnswers();
    Step checkLog();
    Step fault(const std::string& what, const std::string& detail);
    void note(std::string action);
    double elapsed() const;
    void printSummary(const char* verdict) const;

    Options options_;
    XSession session_;
    XInput input_;
    SeededRandom random_;
    MonkeyHands hands_;
    ProgramRun program_;
    LogFollower log_;
    std::chrono::steady_clock::time_point started_;
    std::deque<std::string> lastActions_;
    long actions_ = 0;
    long pings_ = 0;
    int restarts_ = 0;
    bool shownWindow_ = false;  // in this run of the program
    std::chrono::steady_clock::time_point windowlessSince_{};
};

}  // namespace monkey
