#include "filters/nachbarschaft.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

namespace {

// Each filter is a functor over the nine neighbours, given column by column
// (l: x - 1, c: x, r: x + 1; index 0, 1, 2 for y - 1, y, y + 1). The sums run
// in the kernel's row order, so every path computes the same bits.
struct Scharf {
    double operator()(const double* l, const double* c, const double* r) const {
        double s = 0.0;
        s += 0.0 * l[0];
        s += -1.0 * l[1];
        s += 0.0 * l[2];
        s += -1.0 * c[0];
        s += 5.0 * c[1];
        s += -1.0 * c[2];
        s += 0.0 * r[0];
        s += -1.0 * r[1];
        s += 0.0 * r[2];
        return s < 0.0 ? 0.0 : (s > 1.0 ? 1.0 : s);
    }
};

struct Weich {
    double operator()(const double* l, const double* c, const double* r) const {
        double s = 0.0;
        s += 0.05 * l[0];
        s += 0.15 * l[1];
        s += 0.05 * l[2];
        s += 0.15 * c[0];
        s += 0.2 * c[1];
        s += 0.15 * c[2];
        s += 0.05 * r[0];
        s += 0.15 * r[1];
        s += 0.05 * r[2];
        return s < 0.0 ? 0.0 : (s > 1.0 ? 1.0 : s);
    }
};

inline double kleiner(double a, double b) {
    return b < a ? b : a;
}
inline double groesser(double a, double b) {
    return b > a ? b : a;
}

// The smallest (kleiner) or largest (groesser) of the nine neighbours, in a
// fixed order so every path gives the same value.
template <double (*Waehlen)(double, double)>
struct Auswahl {
    double operator()(const double* l, const double* c, const double* r) const {
        double m = l[0];
        for (int j = 1; j < 3; ++j)
            m = Waehlen(m, l[j]);
        for (int j = 0; j < 3; ++j)
            m = Waehlen(m, c[j]);
        for (int j = 0; j < 3; ++j)
            m = Waehlen(m, r[j]);
        return m;
    }
};

// One column of the result: the interior rows read their neighbours straight
// from the three columns (a loop the compiler vectorises); the first and last
// rows repeat the border value through small copies.
template <class F>
[[gnu::always_inline]] inline void spalteFiltern(const F& f, const double* l, const double* c,
                                                 const double* r, double* z, int maxY) {
    const auto rand = [&](int y) {
        const int o = std::max(y - 1, 0), u = std::min(y + 1, maxY);
        const double ll[3] = {l[o], l[y], l[u]};
        const double cc[3] = {c[o], c[y], c[u]};
        const double rr[3] = {r[o], r[y], r[u]};
        z[y] = f(ll, cc, rr);
    };
    rand(0);
    for (int y = 1; y < maxY; ++y)
        z[y] = f(l + y - 1, c + y - 1, r + y - 1);
    rand(maxY);
}

// The columns [anfang, ende) into Zweitbild, each measured for the stretch
// while it is still in the cache.
template <class F>
[[gnu::always_inline]] inline void spaltenFiltern(const F& f, Dokument& dok, int anfang, int ende,
                                                  Spaltenbereich* bereiche) {
    const int mx = dok.MaxX, my = dok.MaxY;
    for (int x = anfang; x < ende; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        spalteFiltern(f, dok.Hoehenfeld.spalte(std::max(x - 1, 0)), dok.Hoehenfeld.spalte(x),
                      dok.Hoehenfeld.spalte(std::min(x + 1, mx)), z, my);
        bereiche[x] = SpaltenbereichVon(z, my + 1);
    }
}

// Each filter's column loop, built for the wider vector units as well, with
// the same operations and so the same bits. Clang clones only functions that
// are no templates.
#if defined(__x86_64__)
#define GM_KLONE __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define GM_KLONE
#endif
using SpaltenFn = void (*)(Dokument&, int, int, Spaltenbereich*);
GM_KLONE void scharfSpalten(Dokument& dok, int anfang, int ende, Spaltenbereich* b) {
    spaltenFiltern(Scharf{}, dok, anfang, ende, b);
}
GM_KLONE void weichSpalten(Dokument& dok, int anfang, int ende, Spaltenbereich* b) {
    spaltenFiltern(Weich{}, dok, anfang, ende, b);
}
GM_KLONE void erodierenSpalten(Dokument& dok, int anfang, int ende, Spaltenbereich* b) {
    spaltenFiltern(Auswahl<&kleiner>{}, dok, anfang, ende, b);
}
GM_KLONE void dilatierenSpalten(Dokument& dok, int anfang, int ende, Spaltenbereich* b) {
    spaltenFiltern(Auswahl<&groesser>{}, dok, anfang, ende, b);
}
#undef GM_KLONE

// Every active cell of Zweitbild is written, so it needs no clearing first.
// The two halves of the columns run side by side; the stretch and take-over
// that follow are the shared ones.
void nachbarschaftAnwenden(Dokument& dok, SpaltenFn spalten) {
    std::vector<Spaltenbereich> bereiche(std::size_t(dok.MaxX) + 1);
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, dok.MaxX + 1);
        spalten(dok, s.anfang, s.ende, bereiche.data());
    });
    ZweitbildUebernehmen(dok, bereiche.data());
}

}  // namespace

void Schaerfen(Dokument& dok) {
    nachbarschaftAnwenden(dok, scharfSpalten);
}

void Weichzeichnen(Dokument& dok) {
    nachbarschaftAnwenden(dok, weichSpalten);
}

void Erodieren(Dokument& dok) {
    nachbarschaftAnwenden(dok, erodierenSpalten);
}

void Dilatieren(Dokument& dok) {
    nachbarschaftAnwenden(dok, dilatierenSpalten);
}

}  // namespace gm
