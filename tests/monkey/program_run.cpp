// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

namespace monkey {

ProgramRun::ProgramRun(std::vector<std::string> command, std::string logPath)
    : command_(std::move(command)), logPath_(std::move(logPath)) {}

ProgramRun::~ProgramRun() {
    stop();
}

bool ProgramRun::start() {
    const int log = ::open(logPath_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0) {
        std::fprintf(stderr, "monkey: cannot open %s: %s\n", logPath_.c_str(), strerror(errno));
        return false;
    }
    std::vector<char*> argv;
    for (auto& word : command_) argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) {
        std::fprintf(stderr, "monkey: fork: %s\n", strerror(errno));
        ::close(log);
        return false;
    }
    if (child == 0) {
        // A group of its own, so stopping it also stops whatever it started.
        ::setpgid(0, 0);
        const int nothing = ::open("/dev/null", O_RDONLY);
        ::dup2(nothing, 0);
        ::dup2(log, 1);
        ::dup2(log, 2);
        ::execvp(argv[0], argv.data());
        std::fprintf(stderr, "monkey: cannot run %s: %s\n", argv[0], strerror(errno));
        ::_exit(127);
    }
    ::setpgid(child, child);  // also here, so a signal sent at once reaches the group
    ::close(log);
    pid_ = child;
    return true;
}

bool ProgramRun::ended() const {
    if (pid_ <= 0) return true;
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return true;
    return info.si_pid != 0;
}

std::optional<int> ProgramRun::poll() {
    if (pid_ <= 0) return std::nullopt;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
    pid_ = -1;
    return status;
}

std::optional<int> ProgramRun::waitFor(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (auto status = poll()) return status;
        if (pid_ <= 0 || std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void ProgramRun::signal(int number) const {
    if (pid_ > 0) ::kill(-pid_, number);
}

void ProgramRun::signalMainThread(int number) const {
    // The main thread's id is the process id.
    if (pid_ > 0) ::syscall(SYS_tgkill, pid_, pid_, number);
}

void ProgramRun::stop() {
    if (pid_ <= 0) return;
    signal(SIGTERM);
    if (waitFor(5)) return;
    signal(SIGKILL);
    waitFor(10);
}

std::string DescribeStatus(int status) {
    if (WIFSIGNALED(status)) {
        const int number = WTERMSIG(status);
        return "killed by signal " + std::to_string(number) + " (" + strsignal(number) + ")";
    }
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    return "wait status " + std::to_string(status);
}

bool IsFailure(int status) {
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}

}  // namespace monkey
