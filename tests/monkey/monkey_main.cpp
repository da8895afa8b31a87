// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey: starts a program on the current X display and drives it with
// seeded random input until the time is up or it finds a fault. See README.md.
#include "monkey_options.h"
#include "monkey_session.h"

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = monkey::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return 2;
    // Stop cleanly, taking the program down too, when the caller gives up.
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGHUP, RequestStop);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    monkey::MonkeySession session(*options);
    return session.run(stopRequested);
}
