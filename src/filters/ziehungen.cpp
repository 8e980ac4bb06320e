#include "filters/ziehungen.h"

#include <algorithm>

#include "core/zufall.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_KERN __attribute__((target_clones("avx2", "default")))
#else
#define GM_KERN
#endif

namespace gm {

namespace {
// Independent runs: draw i follows from draw i - kSpuren by one map.
constexpr int kSpuren = 32;
}  // namespace

Sprung SprungUeber(std::uint64_t n) {
    const std::uint32_t c = ZufallVoraus(0, n);
    return {ZufallVoraus(1, n) - c, c};
}

GM_KERN void ZiehungenFolge(std::uint32_t seed, int n, std::uint32_t* folge) {
    const Sprung sprung = SprungUeber(kSpuren);
    Zufallsfolge zufall(seed);
    const int anfang = std::min(n, kSpuren);
    for (int i = 0; i < anfang; ++i) {
        zufall();
        folge[i] = zufall.seed();
    }
    const std::uint32_t a = sprung.a, c = sprung.c;
    for (int i = kSpuren; i < n; ++i)
        folge[i] = folge[i - kSpuren] * a + c;
}

}  // namespace gm
