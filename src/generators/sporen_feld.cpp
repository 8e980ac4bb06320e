// The spores pattern column by column. Three things make it fast while every
// value stays the one SporenWert gives:
// - The noise in the plane z = 0 is linear in the row offset fy before its
//   x-blend is shifted: mischen(u, v, sx) = A + fy * B, with A and B fixed by
//   the column and the lattice row. A column tabulates A and B for its six
//   noise calls (three octaves of each turbulence), so a sample needs two
//   multiply-adds and one blend per call.
// - The 27 feature points around a search cell are gathered once per cell,
//   already moved by the table wrap; consecutive samples mostly share it.
// - The nearest and second nearest distances are the two smallest of the
//   27 distances and the two starting values, whatever the order they are
//   visited in, so the search runs as branch-free minima over padded lanes.
// The value sqrt((F2 - F1) / 2048), limited to 1 and cut, depends on F2 - F1
// alone and is looked up for 0..2048 (above 2048 it is 1).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/faeden.h"
#include "generators/sporen_intern.h"
#include "generators/sporen_suche.h"

namespace gm::sporen_intern {

namespace {

// Noise calls per sample: T1's octaves 0..2, then T2's.
constexpr int Aufrufe = 6;
constexpr int Faktor[Aufrufe] = {30, 60, 120, 27, 54, 108};

// A and B of one noise call for every lattice row of a column.
struct Spalte {
    std::int64_t a[Aufrufe][256];
    std::int64_t b[Aufrufe][256];
};

void spalteBilden(const SporenTabellen& t, int x, Spalte& s) {
    const auto& P = t.Permutation;
    const auto& G = t.Gradienten;
    for (int r = 0; r < Aufrufe; ++r) {
        const Gitter gx = gitter(Faktor[r] * x);
        const int i = P[gx.b0], j = P[gx.b1];
        const std::int64_t links = 1024 - gx.s, rechts = gx.s;
        for (int e = 0; e < 256; ++e) {
            const auto& gu = G[P[i + e]];
            const auto& gv = G[P[j + e]];
            s.a[r][e] = std::int64_t(gu[0]) * gx.f0 * links + std::int64_t(gv[0]) * gx.f1 * rechts;
            s.b[r][e] = gu[1] * links + gv[1] * rechts;
        }
    }
}

inline int rauschen(const std::int64_t* a, const std::int64_t* b, const Gitter& gy) {
    const std::int64_t u = (a[gy.b0] + gy.f0 * b[gy.b0]) >> 20;
    const std::int64_t v = (a[gy.b1] + gy.f1 * b[gy.b1]) >> 20;
    return int(mischen(u, v, gy.s) >> 10);
}

inline int turbulenz(const Spalte& s, const Gitter* gy, int erster) {
    const int summe = rauschen(s.a[erster], s.b[erster], gy[erster]) +
                      rauschen(s.a[erster + 1], s.b[erster + 1], gy[erster + 1]) / 2 +
                      rauschen(s.a[erster + 2], s.b[erster + 2], gy[erster + 2]) / 4;
    return std::abs(summe);
}

// The cell's 27 feature points moved by the wrap, padded with points too far
// to count; see wertBei in sporen.cpp for the visiting order it replaces.
void nachbarnSammeln(const SporenTabellen& t, int cx, int cy, Nachbarn& n) {
    n.cx = cx;
    n.cy = cy;
    int k = 0;
    for (int i = cx - 1; i <= cx + 1; ++i) {
        const int ti = ((i % SporenZellen) + SporenZellen) % SporenZellen;
        for (int j = cy - 1; j <= cy + 1; ++j) {
            const int tj = ((j % SporenZellen) + SporenZellen) % SporenZellen;
            const int basis = (tj * SporenZellen + ti) * SporenLagen;
            for (int l = 0; l < 3; ++l, ++k) {
                const SporenPunkt& f = t.Merkmalspunkte[std::size_t(basis + l)];
                n.x[k] = f.x + (i - ti) * 2048;
                n.y[k] = f.y + (j - tj) * 2048;
                n.z[k] = (2048 - f.z) * (2048 - f.z);
            }
        }
    }
    for (; k < NachbarPlaetze; ++k) {
        n.x[k] = cx * 2048;
        n.y[k] = cy * 2048;
        n.z[k] = 1 << 30;  // its distance is at least 2^20, above the start values
    }
}

std::array<double, 2049> werteTafel(const SporenParamRec& p) {
    std::array<double, 2049> w;
    for (int d = 0; d <= 2048; ++d)
        w[std::size_t(d)] = abschneiden(p, std::min(1.0, std::sqrt(double(d) / 2048.0)));
    return w;
}

}  // namespace

void FeldFuellen(const SporenTabellen& t, const SporenParamRec& p, int zellenX, int zellenY, int nx,
                 int ny, const std::function<double*(int)>& spalte) {
    const double w = p.SporenZoom;
    std::vector<std::array<Gitter, Aufrufe>> zeilen(static_cast<std::size_t>(ny));
    std::vector<double> basisY(static_cast<std::size_t>(ny));
    for (int y = 0; y < ny; ++y) {
        for (int r = 0; r < Aufrufe; ++r)
            zeilen[std::size_t(y)][std::size_t(r)] = gitter(Faktor[r] * y);
        basisY[std::size_t(y)] = positionsBasis(y, zellenY, w);
    }
    const std::array<double, 2049> werte = werteTafel(p);
    const SucheFn suche = SucheFuer(SucheKern::Auto);
    ZweiFaeden([&](int teil) {
        auto s = std::make_unique<Spalte>();
        Nachbarn n;
        for (int x = teil; x < nx; x += 2) {
            spalteBilden(t, x, *s);
            const double basisX = positionsBasis(x, zellenX, w);
            double* z = spalte(x);
            for (int y = 0; y < ny; ++y) {
                const Gitter* gy = zeilen[std::size_t(y)].data();
                const int px = position(basisX, w, turbulenz(*s, gy, 0));
                const int py = position(basisY[std::size_t(y)], w, turbulenz(*s, gy, 3));
                if (px / 2048 != n.cx || py / 2048 != n.cy)
                    nachbarnSammeln(t, px / 2048, py / 2048, n);
                z[y] = werte[std::size_t(std::min(suche(n, px, py), 2048))];
            }
        }
    });
}

}  // namespace gm::sporen_intern
