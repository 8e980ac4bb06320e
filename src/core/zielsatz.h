#pragma once
// Compiling a stretch of code for one instruction set, so a file can hold a
// kernel once per set and pick one at run time. Both GCC and clang
// understand these pragmas.

// Compiles the code between GM_ZIEL_BEGINN and GM_ZIEL_ENDE for instruction
// set z, for instance "avx2" or "avx512f".
#if defined(__clang__)
#define GM_ZIEL_BEGINN(z) \
    _Pragma(GM_TEXT(clang attribute push(__attribute__((target(z))), apply_to = function)))
#define GM_ZIEL_ENDE _Pragma("clang attribute pop")
#else
#define GM_ZIEL_BEGINN(z) _Pragma("GCC push_options") _Pragma(GM_TEXT(GCC target(z)))
#define GM_ZIEL_ENDE _Pragma("GCC pop_options")
#endif
#define GM_TEXT(x) #x
