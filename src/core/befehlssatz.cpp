#include "core/befehlssatz.h"

namespace gm {

std::vector<Befehlssatz> Befehlssaetze() {
    std::vector<Befehlssatz> saetze{Befehlssatz::Sse2};
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("popcnt")) return saetze;
    if (__builtin_cpu_supports("avx2")) saetze.push_back(Befehlssatz::Avx2);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"))
        saetze.push_back(Befehlssatz::Avx512);
    return saetze;
}

Befehlssatz BesterBefehlssatz() {
    static const Befehlssatz bester = Befehlssaetze().back();
    return bester;
}

}  // namespace gm
