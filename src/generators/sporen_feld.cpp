// The spores pattern column by column. Three things make it fast while every
// value stays the one SporenWert gives:
// - The noise in the plane z = 0 is linear in the row offset fy before its
//   x-blend is shifted: mischen(u, v, sx) = A + fy * B, with A and B fixed by
//   the column and the lattice row. A column tabulates A and B for its six
//   noise calls (three octaves of each turbulence), so a sample needs two
//   multiply-adds and one blend per call, all within 32 bits.
// - The 27 feature points around a search cell are gathered once per cell,
//   already moved by the table wrap; consecutive samples mostly share it.
// - The nearest and second nearest distances are the two smallest of the
//   27 distances and the two starting values, whatever the order they are
//   visited in, so the search runs as branch-free minima, over the points'
//   lanes or over eight samples of one cell at once.
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
#include "generators/sporen_kern.h"

namespace gm::sporen_intern {

namespace {

void spalteBilden(const SporenTabellen& t, int x, int ny, Spalte& sp) {
    const auto& P = t.Permutation;
    const auto& G = t.Gradienten;
    for (int r = 0; r < Aufrufe; ++r) {
        const Gitter gx = gitter(Faktor[r] * x);
        const int zeilen = std::min(SpaltenZeilen, ((Faktor[r] * (ny - 1)) >> 10) + 9);
        const int i = P[gx.b0], j = P[gx.b1];
        const std::int64_t links = 1024 - gx.s, rechts = gx.s;
        for (int e = 0; e < zeilen; ++e) {
            const auto& gu = G[P[i + (e & 255)]];
            const auto& gv = G[P[j + (e & 255)]];
            sp.a[r][e] = std::int32_t(gu[0] * gx.f0 * links + gv[0] * gx.f1 * rechts);
            sp.b[r][e] = std::int32_t(gu[1] * links + gv[1] * rechts);
        }
    }
}

// The rows' lattice terms, padded to whole groups of 8.
struct ZeilenSpeicher {
    std::vector<std::int32_t> werte;
    std::vector<double> basis;
    Zeilen z;
    ZeilenSpeicher(int ny, int zellenY, double w) {
        const std::size_t platz = std::size_t(ny + 7) / 8 * 8;
        werte.assign(4 * Aufrufe * platz, 0);
        basis.assign(platz, 0.0);
        z.anzahl = ny;
        z.basis = basis.data();
        for (int r = 0; r < Aufrufe; ++r) {
            std::int32_t* feld = werte.data() + 4 * std::size_t(r) * platz;
            z.b0[r] = feld;
            z.f0[r] = feld + platz;
            z.f1[r] = feld + 2 * platz;
            z.s[r] = feld + 3 * platz;
            for (int y = 0; y < ny; ++y) {
                const Gitter g = gitter(Faktor[r] * y);
                z.b0[r][y] = g.b0;
                z.f0[r][y] = g.f0;
                z.f1[r][y] = g.f1;
                z.s[r][y] = g.s;
            }
        }
        for (int y = 0; y < ny; ++y)
            basis[std::size_t(y)] = positionsBasis(y, zellenY, w);
    }
};

std::array<double, 2049> werteTafel(const SporenParamRec& p) {
    std::array<double, 2049> w;
    for (int d = 0; d <= 2048; ++d)
        w[std::size_t(d)] = abschneiden(p, std::min(1.0, std::sqrt(double(d) / 2048.0)));
    return w;
}

}  // namespace

void FeldFuellen(const SporenTabellen& t, const SporenParamRec& p, int zellenX, int zellenY, int nx,
                 int ny, const std::function<double*(int)>& spalte, SporenKern kern) {
    const double w = p.SporenZoom;
    const ZeilenSpeicher zeilen(ny, zellenY, w);
    const std::array<double, 2049> werte = werteTafel(p);
    const Kerne k = KerneFuer(kern);
    ZweiFaeden([&](int teil) {
        const auto sp = std::make_unique<Spalte>();
        std::vector<std::int32_t> px(static_cast<std::size_t>(ny)), py(px.size());
        Nachbarn n;
        for (int x = teil; x < nx; x += 2) {
            spalteBilden(t, x, ny, *sp);
            k.lagen(*sp, zeilen.z, positionsBasis(x, zellenX, w), w, px.data(), py.data());
            k.werte(t, px.data(), py.data(), ny, werte.data(), n, spalte(x));
        }
    });
}

}  // namespace gm::sporen_intern
