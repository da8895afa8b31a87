// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <optional>
#include <string>
#include <vector>

namespace monkey {

// One run of the program under test: its own process group, standard input
// from /dev/null, standard output and error appended to the log.
class ProgramRun {
  public:
    ProgramRun(std::vector<std::string> command, std::string logPath);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Starts the command; false (with the reason on stderr) when it cannot.
    bool start();
    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0; }

    // Whether the process has ended, without collecting its status.
    bool ended() const;
    // The wait status once the process has ended (reaped), else nothing.
    std::optional<int> poll();
    // Waits up to `seconds` for the end; the status, or nothing if still running.
    std::optional<int> waitFor(double seconds);
    void signal(int number) const;
    // To the main thread alone, so a report made in the signal handler shows
    // where that thread was.
    void signalMainThread(int number) const;
    // Ends the process group: SIGTERM, then SIGKILL after a grace period.
    void stop();

  private:
    std::vector<std::string> command_;
    std::string logPath_;
    pid_t pid_ = -1;
};

// "exit status 3", "killed by signal 6 (Aborted)".
std::string DescribeStatus(int status);
// Only a clean exit with status 0 is not a failure.
bool IsFailure(int status);

}  // namespace monkey
