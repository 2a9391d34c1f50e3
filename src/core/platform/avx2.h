#pragma once
// The 256-bit instructions, for the few functions that use them. The program is built for
// every x86-64 processor: only functions marked PW_AVX2 use them, and only once
// ProcessorHasAvx2 has said the processor has them.

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

#define PW_HAVE_AVX2_TARGET 1
#define PW_AVX2 __attribute__((target("avx2,popcnt")))
// Helpers go into each caller, to be given the registers of the caller's instructions.
#define PW_AVX2_INLINE __attribute__((target("avx2,popcnt"), always_inline)) inline

namespace pw {

inline bool ProcessorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    return has;
}

} // namespace pw
#endif
