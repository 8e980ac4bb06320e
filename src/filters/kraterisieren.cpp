#include "filters/kraterisieren.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <thread>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "filters/zellen.h"

namespace gm {

const Parameter KraterisierenParameter[4] = {
    Param<&KraterisierenRec::Schnittlevel>("Schnittlevel", 0.66, 0.01, 1.0, Skala::Linear, 0.01,
                                           "Schnittlevel"),
    Param<&KraterisierenRec::Randbreite>("Randbreite", 0.0, 0.0, 1.0, Skala::Linear, 0.01),
    Param<&KraterisierenRec::Tiefe>("Tiefe", 1.0, -10.0, 10.0, Skala::Linear, 0.01, "Tiefe"),
    Param<&KraterisierenRec::Zufall>("Zufall", 0.0, 0.0, 1.0, Skala::Linear, 0.01, "Zufall"),
};

const ScriptArgument KraterisierenArgumente[4] = {
    Arg<&KraterisierenRec::Schnittlevel>(0.66, 1.0, 0.01),
    Arg<&KraterisierenRec::Randbreite>(0.0, 1.0, 0.0),
    Arg<&KraterisierenRec::Tiefe>(1.0, 10.0, -10.0),
    Arg<&KraterisierenRec::Zufall>(0.0, 1.0, 0.0),
};

namespace {

template <class Zufall>
inline double krater(const KraterisierenRec& rec, double x, Zufall& zufall) {
    const double z = rec.Zufall;
    const double halb = rec.Randbreite / 2.0;
    const double p = rec.Schnittlevel + (zufall() - 0.5) * z * 0.1;
    const double lo = p - halb;
    const double hi = p + halb;
    if (x < lo) return clamp01(x);
    if (x < hi) return clamp01(lo + zufall() * (halb - std::fabs(x - p)) * z);
    return clamp01(lo - (x - hi) * rec.Tiefe);
}

}  // namespace

double KraterWert(Dokument& dok, const KraterisierenRec& rec, double x) {
    auto zufall = [&dok] { return Random(dok); };
    return krater(rec, x, zufall);
}

namespace {

// The band's centre moves by at most 0.05 z, so a value clearly below or
// above every possible band takes exactly one draw, and its outcome needs no
// second; only values near the band take krater()'s full path.
struct Sicher {
    double unten, oben;
    explicit Sicher(const KraterisierenRec& r) {
        const double spiel = 0.05 * std::fabs(r.Zufall) + std::fabs(r.Randbreite) / 2.0 + 1e-9;
        unten = r.Schnittlevel - spiel;
        oben = r.Schnittlevel + spiel;
    }
    bool zutreffend(double x) const { return x < unten || x >= oben; }
};

// The free cells of columns [anfang, ende), x outer and y inner.
template <class F>
void freieZellen(Dokument& dok, int anfang, int ende, F&& f) {
    for (int x = anfang; x < ende; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 0) h[y] = f(h[y]);
        }
    }
}

// The seed after the draws craterize makes in columns [0, ende) from
// `seed`, without changing them: the sure cells only count (one draw each)
// and the seed jumps over them; the cells near the band draw as krater().
// `gelesen` tells after each column how many columns are read.
std::uint32_t seedNach(Dokument& dok, const KraterisierenRec& r, std::uint32_t seed, int ende,
                       std::atomic<int>& gelesen) {
    const Sicher sicher(r);
    std::uint64_t offen = 0;
    for (int x = 0; x < ende; ++x) {
        const double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] != 0) continue;
            if (sicher.zutreffend(h[y])) {
                ++offen;
                continue;
            }
            Zufallsfolge zufall(ZufallVoraus(seed, offen));
            krater(r, h[y], zufall);
            seed = zufall.seed();
            offen = 0;
        }
        gelesen.store(x + 1, std::memory_order_release);
    }
    return ZufallVoraus(seed, offen);
}

// Craterizes columns [anfang, ende) drawing from `seed`; returns the seed
// after. Each column waits until `gelesen` says it was read.
std::uint32_t spaltenKraterisieren(Dokument& dok, const KraterisierenRec& r, std::uint32_t seed,
                                   int anfang, int ende, const std::atomic<int>& gelesen) {
    const Sicher sicher(r);
    const double halb = r.Randbreite / 2.0;
    Zufallsfolge zufall(seed);
    for (int x = anfang; x < ende; ++x) {
        while (gelesen.load(std::memory_order_acquire) <= x)
            std::this_thread::yield();
        freieZellen(dok, x, x + 1, [&](double v) {
            if (v < sicher.unten) {
                zufall();
                return clamp01(v);
            }
            if (v >= sicher.oben) {
                const double p = r.Schnittlevel + (zufall() - 0.5) * r.Zufall * 0.1;
                return clamp01((p - halb) - (v - (p + halb)) * r.Tiefe);
            }
            return krater(r, v, zufall);
        });
    }
    return zufall.seed();
}

}  // namespace

void KraterisierenAnwenden(Dokument& dok, const KraterisierenRec& rec) {
    // The draws depend on the mask and the data. The first half of the
    // columns starts from the document's seed; the second half's start is
    // found by walking the first half without changing it, which costs far
    // less than craterizing it. Part 0 walks, then craterizes the second
    // half; part 1 craterizes the first half a column behind the walk (or
    // after it, when both parts run on one thread).
    const KraterisierenRec r = rec;
    const std::uint32_t start = dok.RandSeed;
    const int n = dok.MaxX + 1, mitte = n / 2;
    std::atomic<int> gelesen{0};
    const std::atomic<int> alles{n};
    std::uint32_t ende = start;
    ZweiFaeden([&](int t) {
        if (t == 0) {
            const std::uint32_t halbzeit = seedNach(dok, r, start, mitte, gelesen);
            ende = spaltenKraterisieren(dok, r, halbzeit, mitte, n, alles);
        } else {
            spaltenKraterisieren(dok, r, start, 0, mitte, gelesen);
        }
    });
    dok.RandSeed = ende;
}

}  // namespace gm
