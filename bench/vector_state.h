#pragma once

// Qt's image fills use AVX where the processor has it and may leave the upper halves of
// the vector registers in use. Until something clears them, every plain SSE instruction
// after them waits on a merge, and the figures' divisions and square roots run at about
// half their speed. In the program a press arrives through the event loop, whose library
// calls have long cleared them; a benchmark that fills a fresh canvas just before timing
// would measure that penalty instead of the drawing. Clear them as a press finds them.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) inline void clearUpperHalves() {
    __builtin_ia32_vzeroupper();
}
#endif

inline void settleVectorRegisters() {
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx")) clearUpperHalves();
#endif
}
