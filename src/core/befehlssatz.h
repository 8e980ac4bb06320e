#pragma once
// The instruction sets the vector kernels are compiled for, chosen at run
// time, and the pragmas that compile a stretch of code for one of them. Each
// set gives the same bits as the plain code of x86-64 (Sse2): fused
// multiply-add stays off in all of them.

#include <vector>

namespace gm {

enum class Befehlssatz { Sse2, Avx2, Avx512 };

// The sets this processor runs, narrowest first; Avx512 stands for AVX-512 F
// and DQ.
std::vector<Befehlssatz> Befehlssaetze();
// The widest of them.
Befehlssatz BesterBefehlssatz();

}  // namespace gm

// Compiles the code between GM_ZIEL_BEGINN and GM_ZIEL_ENDE for instruction
// set z; GCC and clang each have their own pragma for it.
#define GM_TEXT(x) #x
#if defined(__clang__)
#define GM_ZIEL_BEGINN(z) \
    _Pragma(GM_TEXT(clang attribute push(__attribute__((target(z))), apply_to = function)))
#define GM_ZIEL_ENDE _Pragma("clang attribute pop")
#else
#define GM_ZIEL_BEGINN(z) _Pragma("GCC push_options") _Pragma(GM_TEXT(GCC target(z)))
#define GM_ZIEL_ENDE _Pragma("GCC pop_options")
#endif
#define GM_INLINE inline __attribute__((always_inline))
