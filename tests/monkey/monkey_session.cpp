// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_session.h"

#include <cstdio>
#include <thread>

namespace monkey {

namespace {

using Clock = std::chrono::steady_clock;

void Sleep(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// "10 s", "2.5 s".
std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

constexpr std::size_t kActionsKept = 40;
constexpr int kLogLinesShown = 160;
constexpr double kWindowlessSeconds = 30;
// Time for a report to be written out after its first line, or for a stack
// to be printed after SIGABRT.
constexpr double kReportSeconds = 30;

}  // namespace

MonkeySession::MonkeySession(Options options)
    : options_(std::move(options)),
      input_(session_.display()),
      random_(options_.seed),
      hands_(session_, input_, random_, options_.spots),
      program_(options_.command, options_.log),
      log_(options_.log) {}

double MonkeySession::elapsed() const {
    return std::chrono::duration<double>(Clock::now() - started_).count();
}

void MonkeySession::note(std::string action) {
    if (options_.verbose) std::printf("[%8.2f] %s\n", elapsed(), action.c_str());
    lastActions_.push_back(std::move(action));
    if (lastActions_.size() > kActionsKept) lastActions_.pop_front();
}

void MonkeySession::printSummary(const char* verdict) const {
    std::printf(
        "monkey: %s: %ld actions (%ld input events), %d restarts, %ld answers checked, "
        "%.0f s, seed %llu\n",
        verdict, actions_, input_.eventsSent(), restarts_, pings_, elapsed(),
        static_cast<unsigned long long>(options_.seed));
    std::fflush(stdout);
}

MonkeySession::Step MonkeySession::fault(const std::string& what, const std::string& detail) {
    program_.stop();
    std::printf("\nMONKEY FAULT: %s\n", what.c_str());
    if (!detail.empty()) std::printf("  %s\n", detail.c_str());
    std::printf("  seed %llu, after %.1f s, %ld actions, %d restarts\n",
                static_cast<unsigned long long>(options_.seed), elapsed(), actions_, restarts_);
    std::printf("---- the last %zu actions ----\n", lastActions_.size());
    for (const auto& action : lastActions_) std::printf("  %s\n", action.c_str());
    std::printf("---- program output (last %d lines of %s) ----\n%s", kLogLinesShown,
                options_.log.c_str(), log_.tail(kLogLinesShown).c_str());
    printSummary("FAILED");
    return Step::Faulted;
}

bool MonkeySession::startProgram() {
    hands_.newRun();
    shownWindow_ = false;
    windowlessSince_ = {};
    note("start the program");
    if (program_.start()) return true;
    std::fprintf(stderr, "monkey: the program could not be started\n");
    return false;
}

MonkeySession::Step MonkeySession::waitForFirstWindow() {
    const auto deadline = Clock::now() + std::chrono::duration<double>(options_.startSeconds);
    while (Clock::now() < deadline) {
        if (program_.ended()) return Step::Going;  // the main loop reports how it ended
        for (const auto& window : session_.windows(program_.pid())) {
            if (!window.popup && window.pingable) {
                shownWindow_ = true;
                return Step::Going;
            }
        }
        Sleep(0.1);
    }
    return fault("no window",
                 "the program showed no window within " + Seconds(options_.startSeconds));
}

MonkeySession::Step MonkeySession::checkProgram() {
    const auto status = program_.poll();
    if (!status) return Step::Going;
    const auto report = FindSanitizerReport(log_.readNew(true));
    if (IsFailure(*status))
        return fault("the program ended abnormally: " + DescribeStatus(*status),
                     report.value_or(""));
    if (report) return fault("sanitizer report", *report);
    if (!shownWindow_) return fault("the program ended before showing a window", "");
    ++restarts_;
    note("the program ended cleanly; start it again");
    if (!startProgram()) return Step::Broken;
    return waitForFirstWindow();
}

MonkeySession::Step MonkeySession::checkLog() {
    const auto report = FindSanitizerReport(log_.readNew());
    if (!report) return Step::Going;
    const auto status = program_.waitFor(kReportSeconds);
    const std::string ending = status ? "; the program then ended with " + DescribeStatus(*status)
                                      : "; the program went on running";
    return fault("sanitizer report", *report + ending);
}

MonkeySession::Step MonkeySession::checkAnswers() {
    std::vector<ProgramWindow> askable;
    for (const auto& window : session_.windows(program_.pid()))
        if (window.pingable) askable.push_back(window);
    if (askable.empty()) return Step::Going;
    const ProgramWindow& window = askable[random_.below(askable.size())];
    session_.drain();
    ++pings_;
    const auto answer =
        session_.ping(window.id, options_.answerSeconds, [this] { return !program_.ended(); });
    if (answer != PingAnswer::Silent) return Step::Going;

    // With handle_abort=1 in ASAN_OPTIONS the sanitizer prints where the main
    // thread is stuck before the program ends.
    program_.signalMainThread(SIGABRT);
    const auto status = program_.waitFor(kReportSeconds);
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", window.id);
    return fault("the program does not answer",
                 std::string("window ") + id + " '" + window.title +
                     "' did not answer _NET_WM_PING within " + Seconds(options_.answerSeconds) +
                     (status ? "; SIGABRT then ended it with " + DescribeStatus(*status)
                             : "; it did not even end on SIGABRT"));
}

int MonkeySession::run(const volatile std::sig_atomic_t& stop) {
    started_ = Clock::now();
    if (!session_.connected()) {
        std::fprintf(stderr, "monkey: cannot open the X display\n");
        return 2;
    }
    std::printf("monkey: seed %llu, %.0f s, program output in %s\n",
                static_cast<unsigned long long>(options_.seed), options_.seconds,
                options_.log.c_str());
    std::fflush(stdout);
    if (!startProgram()) return 2;

    const auto code = [](Step step) { return step == Step::Faulted ? 1 : 2; };
    Step step = waitForFirstWindow();
    while (step == Step::Going && !stop && elapsed() < options_.seconds) {
        if ((step = checkProgram()) != Step::Going) break;
        if ((step = checkLog()) != Step::Going) break;
        if (program_.ended()) continue;

        const auto windows = session_.windows(program_.pid());
        if (windows.empty()) {
            if (windowlessSince_ == Clock::time_point{}) windowlessSince_ = Clock::now();
            if (Clock::now() - windowlessSince_ > std::chrono::duration<double>(kWindowlessSeconds))
                step = fault("still running without a window",
                             "no window for " + Seconds(kWindowlessSeconds));
            Sleep(0.1);
            continue;
        }
        windowlessSince_ = {};
        note(hands_.act(windows));
        ++actions_;
        if (actions_ % options_.pingEvery == 0 && (step = checkAnswers()) != Step::Going) break;
        Sleep(0.005 + 0.001 * static_cast<double>(random_.below(35)));
    }
    if (step != Step::Going) return code(step);

    // One last question and look before the program is stopped.
    if (!program_.ended() && (step = checkAnswers()) != Step::Going) return code(step);
    if ((step = checkProgram()) != Step::Going) return code(step);
    if ((step = checkLog()) != Step::Going) return code(step);
    program_.stop();
    printSummary(stop ? "stopped" : "passed");
    return 0;
}

}  // namespace monkey
