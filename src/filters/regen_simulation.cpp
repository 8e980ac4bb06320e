// The cycles of rain erosion on a compact column-major height grid.
//
// Pass 1 sweeps the interior in visiting order and updates the water in
// place, so read literally it is sequential. It splits into parts that are
// not: the new height of a cell reads only the heights of the previous cycle
// and its own water plus this cycle's rain; the water a cell holds after the
// cycle is assigned by the last cell in visiting order that drains into it,
// and whether that value includes the cell's own rain depends only on where
// that source lies. So every column can be computed on its own from the
// lowest-neighbour directions of itself and its two neighbours, which lets a
// thread run both parts over its columns in one sweep.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "filters/regen_erosion.h"

namespace gm {

namespace {

// The kernels are also built for AVX2 and chosen at load time; wider vectors
// run the same IEEE operations per lane, so the results stay identical.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__)
#define GM_KERN __attribute__((target_clones("avx2", "default")))
#else
#define GM_KERN
#endif

// Direction of a cell without a lowest neighbour (the border, never visited).
// Directions are held as doubles so the kernels compare and select in one width.
constexpr double KeineRichtung = 8.0;

struct Gitter {
    int nx, ny;
    std::size_t zellen() const { return std::size_t(nx) * std::size_t(ny); }
    std::size_t at(int x, int y) const { return std::size_t(x) * std::size_t(ny) + std::size_t(y); }
};

struct Kennwerte {
    double regen, abtrag, glatt;
};

// New heights and lowest-neighbour directions of one interior column.
GM_KERN void hoehenSpalte(const double* __restrict zl, const double* __restrict zc,
                          const double* __restrict zr, const double* __restrict w,
                          double* __restrict hn, double* __restrict richtung, int ny, Kennwerte p) {
    for (int y = 1; y < ny - 1; ++y) {
        const double n0 = zl[y - 1], n1 = zl[y], n2 = zl[y + 1], n3 = zc[y - 1];
        const double n4 = zc[y + 1], n5 = zr[y - 1], n6 = zr[y], n7 = zr[y + 1];
        // Scan in neighbour order, replacing only on strictly lower values.
        double m = n0;
        m = n1 < m ? n1 : m;
        m = n2 < m ? n2 : m;
        m = n3 < m ? n3 : m;
        m = n4 < m ? n4 : m;
        m = n5 < m ? n5 : m;
        m = n6 < m ? n6 : m;
        m = n7 < m ? n7 : m;
        // That scan picks the first neighbour holding the minimum.
        double k = 0.0;
        k = n7 == m ? 7.0 : k;
        k = n6 == m ? 6.0 : k;
        k = n5 == m ? 5.0 : k;
        k = n4 == m ? 4.0 : k;
        k = n3 == m ? 3.0 : k;
        k = n2 == m ? 2.0 : k;
        k = n1 == m ? 1.0 : k;
        k = n0 == m ? 0.0 : k;
        const double h = zc[y];
        const double d = h - m;
        double e = p.abtrag * (w[y] + p.regen);
        e = e > p.glatt ? p.glatt : e;
        double v = d > 0.0 ? h - e * d : m;
        const double summe = n0 + n1 + n2 + n3 + n4 + n5 + n6 + n7;
        v = v + p.glatt * (summe / 8.0 - h);
        v = v < 0.0 ? 0.0 : v;
        hn[y] = v > 1.0 ? 1.0 : v;
        richtung[y] = k;
    }
}

// Water after the cycle for one interior column. Neighbour j of a cell, in
// neighbour order, is also the j-th in visiting order, and drains into the
// cell when its direction is 7 - j; the last such neighbour wins. Sources
// j >= 4 come after the cell, which then already holds this cycle's rain.
GM_KERN void wasserSpalte(const double* __restrict rl, const double* __restrict rc,
                          const double* __restrict rr, const double* __restrict wl,
                          const double* __restrict wc, const double* __restrict wr,
                          double* __restrict wn, int ny, double regen) {
    for (int y = 1; y < ny - 1; ++y) {
        // Every load is unconditional so the selects below need no branches.
        const double w0 = wl[y - 1], w1 = wl[y], w2 = wl[y + 1], w3 = wc[y - 1];
        const double w4 = wc[y + 1], w5 = wr[y - 1], w6 = wr[y], w7 = wr[y + 1];
        // art: 0 no source, 1 the last source comes before the cell, 2 after it.
        double quelle = 0.0, art = 0.0;
        quelle = rl[y - 1] == 7.0 ? w0 : quelle, art = rl[y - 1] == 7.0 ? 1.0 : art;
        quelle = rl[y] == 6.0 ? w1 : quelle, art = rl[y] == 6.0 ? 1.0 : art;
        quelle = rl[y + 1] == 5.0 ? w2 : quelle, art = rl[y + 1] == 5.0 ? 1.0 : art;
        quelle = rc[y - 1] == 4.0 ? w3 : quelle, art = rc[y - 1] == 4.0 ? 1.0 : art;
        quelle = rc[y + 1] == 3.0 ? w4 : quelle, art = rc[y + 1] == 3.0 ? 2.0 : art;
        quelle = rr[y - 1] == 2.0 ? w5 : quelle, art = rr[y - 1] == 2.0 ? 2.0 : art;
        quelle = rr[y] == 1.0 ? w6 : quelle, art = rr[y] == 1.0 ? 2.0 : art;
        quelle = rr[y + 1] == 0.0 ? w7 : quelle, art = rr[y + 1] == 0.0 ? 2.0 : art;
        const double eigen = art == 2.0 ? wc[y] + regen : wc[y];
        wn[y] = art != 0.0 ? eigen + (quelle + regen) : 0.0;
    }
}

struct Zustand {
    Gitter g;
    Kennwerte p;
    const double* z;      // heights of the previous cycle
    double* hn;           // heights of this cycle
    const double* w;      // water at the start of the cycle
    double* wn;           // water after the cycle
    const double* keine;  // a column of KeineRichtung
};

// Per thread: directions of three consecutive columns and a scratch column.
struct Streifen {
    std::vector<double> richtung[3];
    std::vector<double> verworfen;
    explicit Streifen(int ny)
        : richtung{std::vector<double>(std::size_t(ny), KeineRichtung),
                   std::vector<double>(std::size_t(ny), KeineRichtung),
                   std::vector<double>(std::size_t(ny), KeineRichtung)},
          verworfen(std::size_t(ny)) {}
};

// Runs pass 1 for the interior columns x0..x1-1. A column's water needs the
// directions of its neighbours, so the columns just outside the range get
// their directions computed here too (their heights are discarded).
void spaltenRechnen(const Zustand& s, Streifen& st, int x0, int x1) {
    const Gitter& g = s.g;
    auto richtungVon = [&](int x) -> double* { return st.richtung[std::size_t(x % 3)].data(); };
    auto rechne = [&](int x, bool behalten) {
        hoehenSpalte(s.z + g.at(x - 1, 0), s.z + g.at(x, 0), s.z + g.at(x + 1, 0), s.w + g.at(x, 0),
                     behalten ? s.hn + g.at(x, 0) : st.verworfen.data(), richtungVon(x), g.ny, s.p);
    };
    auto richtung = [&](int x) -> const double* {
        return (x < 1 || x > g.nx - 2) ? s.keine : richtungVon(x);
    };
    if (x0 - 1 >= 1) rechne(x0 - 1, false);
    rechne(x0, true);
    for (int x = x0; x < x1; ++x) {
        if (x + 1 < x1) {
            rechne(x + 1, true);
        } else if (x + 1 <= g.nx - 2) {
            rechne(x + 1, false);
        }
        wasserSpalte(richtung(x - 1), richtung(x), richtung(x + 1), s.w + g.at(x - 1, 0),
                     s.w + g.at(x, 0), s.w + g.at(x + 1, 0), s.wn + g.at(x, 0), g.ny, s.p.regen);
    }
}

// Pass 2 for the heights: the border lines repeat their inner neighbours.
void randKopieren(double* z, const Gitter& g) {
    for (int x = 1; x < g.nx - 1; ++x) {
        double* s = z + g.at(x, 0);
        s[0] = s[1];
        s[g.ny - 1] = s[g.ny - 2];
    }
    const std::size_t n = std::size_t(g.ny) * sizeof(double);
    std::memcpy(z + g.at(0, 0), z + g.at(1, 0), n);
    std::memcpy(z + g.at(g.nx - 1, 0), z + g.at(g.nx - 2, 0), n);
}

}  // namespace

void RegenSimulieren(double* hoehen, int nx, int ny, const RegenRec& rec, int kerne,
                     const RegenFortschritt& fortschritt) {
    if (nx < 3 || ny < 3) return;
    const Gitter g{nx, ny};
    kerne = std::clamp(kerne, 1, 2);
    if (nx - 2 < 2 * kerne) kerne = 1;
    // All work storage is allocated here, once per run.
    std::vector<double> zweiteHoehen(g.zellen(), 0.0), wasser(g.zellen(), 0.0),
        wasserNeu(g.zellen(), 0.0), keine(std::size_t(ny), KeineRichtung);
    std::vector<Streifen> streifen(static_cast<std::size_t>(kerne), Streifen(ny));
    double* z = hoehen;
    double* hn = zweiteHoehen.data();
    // The interior columns 1..nx-2 in one or two halves; the halves' threads
    // are started once for the whole run.
    const int grenzen[3] = {1, kerne == 1 ? nx - 1 : 1 + (nx - 2) / 2, nx - 1};
    Faeden faeden(kerne);
    for (int i = 1; i <= rec.Zyklen; ++i) {
        if (fortschritt) fortschritt(i, rec.Zyklen);
        const Zustand s{g,
                        {rec.Regenmenge, rec.Abtrag, rec.Glaettung},
                        z,
                        hn,
                        wasser.data(),
                        wasserNeu.data(),
                        keine.data()};
        faeden.ausfuehren([&](int teil) {
            spaltenRechnen(s, streifen[std::size_t(teil)], grenzen[teil], grenzen[teil + 1]);
        });
        randKopieren(hn, g);
        // The new heights and water become the current ones. The old buffers
        // are overwritten in full next cycle (heights border included); water
        // on the border is never read for an interior cell.
        std::swap(z, hn);
        std::swap(wasser, wasserNeu);
    }
    if (z != hoehen) std::memcpy(hoehen, z, g.zellen() * sizeof(double));
}

}  // namespace gm
