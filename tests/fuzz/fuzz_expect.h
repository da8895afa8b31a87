// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// A reader that breaks one of its promises stops the run like a crash would, so libFuzzer
// keeps the input and shows the stack.
inline void FuzzExpect(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}
