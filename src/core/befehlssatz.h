#pragma once
// The instruction sets the vector kernels are compiled for, chosen at run
// time (core/zielsatz.h compiles a stretch of code for one of them). Each set
// gives the same bits as the plain code of x86-64 (Sse2): fused multiply-add
// stays off in all of them.

#include <vector>

#include "core/zielsatz.h"

namespace gm {

enum class Befehlssatz { Sse2, Avx2, Avx512 };

// The sets this processor runs, narrowest first; Avx512 stands for AVX-512 F
// and DQ. The vector sets also count bits with POPCNT.
std::vector<Befehlssatz> Befehlssaetze();
// The widest of them.
Befehlssatz BesterBefehlssatz();

}  // namespace gm

// Functions the kernels of each set inline into themselves.
#define GM_INLINE inline __attribute__((always_inline))
