#include "generators/sporen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = SporenParamRec;

const Parameter sporenParameter[] = {
    Param<&R::SporenZellenX>("SporenZellenX", 16, 2, 999, Skala::Logarithmisch, 1,
                             "Anzahl Pixel X"),
    Param<&R::SporenZellenY>("SporenZellenY", 16, 2, 999, Skala::Logarithmisch, 1,
                             "Anzahl Pixel Y"),
    Param<&R::SporenUnten>("SporenUnten", 0.0, 0.0, 1.0, Skala::Linear, 0.01, "Anschnitt 0"),
    Param<&R::SporenOben>("SporenOben", 1.0, 0.0, 1.0, Skala::Linear, 0.01, "Anschnitt 1"),
    Param<&R::SporenZoom>("SporenZoom", 0.5, 0.0, 1.0, Skala::Linear, 0.01, "Zoom"),
    Param<&R::SporenGamma>("SporenGamma", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gamma"),
    Param<&R::SporenInvertieren>("SporenInvertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
    Param<&R::NeueBerechnung>("NeueBerechnung", 0, 0, 1, Skala::Linear, 1, "Neue Berechnung"),
};

// The lattice terms of one coordinate.
struct Gitter {
    int b0, b1, f0, f1, s;
};

Gitter gitter(int c) {
    const int t = c + (1 << 30);
    Gitter g;
    g.b0 = (t >> 10) & 255;
    g.b1 = (g.b0 + 1) & 255;
    g.f0 = t & 1023;
    g.f1 = g.f0 - 1024;
    g.s = ((3072 - 2 * g.f0) * g.f0 * g.f0) >> 20;
    return g;
}

inline std::int64_t mischen(std::int64_t u, std::int64_t v, int s) {
    return u * 1024 + (v - u) * s;
}

// N in the plane z = 0, the only one the pattern samples: there the far
// corners' weight sz is 0 and the near corners' z offset f0 is 0, so four
// corners and two components decide.
inline int noiseEbene(const SporenTabellen& t, const Gitter& gx, const Gitter& gy) {
    const auto& P = t.Permutation;
    const auto& G = t.Gradienten;
    const int i = P[gx.b0], j = P[gx.b1];
    auto ecke = [&](int b, int fx, int fy) {
        return std::int64_t(G[b][0]) * fx + std::int64_t(G[b][1]) * fy;
    };
    const std::int64_t a =
        mischen(ecke(P[i + gy.b0], gx.f0, gy.f0), ecke(P[j + gy.b0], gx.f1, gy.f0), gx.s) >> 20;
    const std::int64_t b =
        mischen(ecke(P[i + gy.b1], gx.f0, gy.f1), ecke(P[j + gy.b1], gx.f1, gy.f1), gx.s) >> 20;
    return int((mischen(a, b, gy.s) * 1024) >> 20);
}

// The turbulence's lattice terms of the coordinates k * 2^o, o = 0..2.
struct Oktaven {
    Gitter g[3];
};
Oktaven oktaven(int c) {
    return {{gitter(c), gitter(2 * c), gitter(4 * c)}};
}

inline int turbulenzEbene(const SporenTabellen& t, const Oktaven& x, const Oktaven& y) {
    const int summe = noiseEbene(t, x.g[0], y.g[0]) + noiseEbene(t, x.g[1], y.g[1]) / 2 +
                      noiseEbene(t, x.g[2], y.g[2]) / 4;
    return std::abs(summe);
}

// Sample position along one axis: whole number nearest to the blend, halved.
inline int position(int k, int zellen, double w, int turbulenz) {
    return roundToInt((1.0 - w) * (double(k) / double(zellen) + 3.0) * 2048.0 +
                      w * double(turbulenz)) /
           2;
}

// The feature points' depth terms (2048 - Fz)^2, beside the table.
struct Merkmale {
    const SporenTabellen& t;
    std::vector<int> tiefe;
    explicit Merkmale(const SporenTabellen& tab) : t(tab), tiefe(tab.Merkmalspunkte.size()) {
        for (std::size_t i = 0; i < tiefe.size(); ++i) {
            const int dz = 2048 - tab.Merkmalspunkte[i].z;
            tiefe[i] = dz * dz;
        }
    }
};

// V from the sample position. The cell index wraps modulo 64 and the point
// moves with it by whole table widths, so the pattern continues seamlessly
// past the table instead of reading outside it.
inline double wertBei(const Merkmale& m, int px, int py) {
    const int cx = px / 2048, cy = py / 2048;
    int f1 = 100000, f2 = 100000;
    for (int i = cx - 1; i <= cx + 1; ++i) {
        const int ti = ((i % SporenZellen) + SporenZellen) % SporenZellen;
        const int dxZelle = (i - ti) * 2048;
        for (int j = cy - 1; j <= cy + 1; ++j) {
            const int tj = ((j % SporenZellen) + SporenZellen) % SporenZellen;
            const int dyZelle = (j - tj) * 2048;
            const int basis = (tj * SporenZellen + ti) * SporenLagen;
            for (int l = 0; l < 3; ++l) {
                const SporenPunkt& f = m.t.Merkmalspunkte[std::size_t(basis + l)];
                const int dx = px - (f.x + dxZelle), dy = py - (f.y + dyZelle);
                const int d = (dx * dx + dy * dy + m.tiefe[std::size_t(basis + l)]) >> 10;
                if (d < f1) {
                    f2 = f1;
                    f1 = d;
                } else if (d < f2) {
                    f2 = d;
                }
            }
        }
    }
    return std::min(1.0, std::sqrt(double(f2 - f1) / 2048.0));
}

inline double abschneiden(const R& p, double v) {
    if (v < p.SporenUnten) v = p.SporenUnten;
    if (v > p.SporenOben) v = p.SporenOben;
    return v;
}

// Fills columns x = 0..nx - 1 (on two threads) through `spalte(x)`.
template <class Spalte>
void feld(const SporenTabellen& t, const R& p, int zellenX, int zellenY, int nx, int ny,
          Spalte&& spalte) {
    const Merkmale m(t);
    std::vector<Oktaven> y30(static_cast<std::size_t>(ny)), y27(static_cast<std::size_t>(ny));
    for (int y = 0; y < ny; ++y) {
        y30[std::size_t(y)] = oktaven(30 * y);
        y27[std::size_t(y)] = oktaven(27 * y);
    }
    const double w = p.SporenZoom;
    ZweiFaeden([&](int teil) {
        for (int x = teil; x < nx; x += 2) {
            const Oktaven x30 = oktaven(30 * x), x27 = oktaven(27 * x);
            double* z = spalte(x);
            for (int y = 0; y < ny; ++y) {
                const int t1 = turbulenzEbene(t, x30, y30[std::size_t(y)]);
                const int t2 = turbulenzEbene(t, x27, y27[std::size_t(y)]);
                const int px = position(x, zellenX, w, t1);
                const int py = position(y, zellenY, w, t2);
                z[y] = abschneiden(p, wertBei(m, px, py));
            }
        }
    });
}

}  // namespace

std::span<const Parameter> SporenParameter() {
    return sporenParameter;
}

void SporenTabellenBilden(Dokument& dok, SporenTabellen& t, void (*saeen)(Dokument&)) {
    if (saeen) saeen(dok);
    auto& P = t.Permutation;
    auto& G = t.Gradienten;
    for (int n = 0; n < 256; ++n) {
        P[n] = n;
        double g[3];
        for (double& k : g)
            k = (std::trunc(Random(dok) * 512.0) - 256.0) / 256.0;
        const double laenge = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
        for (int k = 0; k < 3; ++k) {
            if (laenge > 1e-5) g[k] /= laenge;
            G[n][k] = int(std::trunc(g[k] * 1024.0));
        }
    }
    for (int n = 0; n < 256; ++n)
        std::swap(P[n], P[std::size_t(std::trunc(Random(dok) * 256.0))]);
    for (int n = 0; n <= 257; ++n) {
        P[256 + n] = P[n];
        G[256 + n] = G[n];
    }
    if (saeen) saeen(dok);
    for (int i = 0; i < SporenZellen; ++i)
        for (int j = 0; j < SporenZellen; ++j)
            for (int l = 0; l < SporenLagen; ++l) {
                SporenPunkt& f = t.Merkmalspunkte[std::size_t((j * SporenZellen + i) * 4 + l)];
                f.x = roundToInt((Random(dok) + i) * 2048.0);
                f.y = roundToInt((Random(dok) + j) * 2048.0);
                f.z = roundToInt((Random(dok) + l) * 2048.0);
            }
}

int SporenNoise(const SporenTabellen& t, int x, int y, int z) {
    const Gitter gx = gitter(x), gy = gitter(y), gz = gitter(z);
    const auto& P = t.Permutation;
    const auto& G = t.Gradienten;
    const int i = P[gx.b0], j = P[gx.b1];
    const int b[2][2] = {{P[i + gy.b0], P[i + gy.b1]}, {P[j + gy.b0], P[j + gy.b1]}};
    auto ecke = [&](int ix, int iy, int bz, int fz) {
        const auto& g = G[b[ix][iy] + bz];
        return std::int64_t(g[0]) * (ix ? gx.f1 : gx.f0) +
               std::int64_t(g[1]) * (iy ? gy.f1 : gy.f0) + std::int64_t(g[2]) * fz;
    };
    std::int64_t ebene[2];
    for (int k = 0; k < 2; ++k) {
        const int bz = k ? gz.b1 : gz.b0, fz = k ? gz.f1 : gz.f0;
        const std::int64_t a = mischen(ecke(0, 0, bz, fz), ecke(1, 0, bz, fz), gx.s) >> 20;
        const std::int64_t c = mischen(ecke(0, 1, bz, fz), ecke(1, 1, bz, fz), gx.s) >> 20;
        ebene[k] = mischen(a, c, gy.s);
    }
    return int(mischen(ebene[0], ebene[1], gz.s) >> 20);
}

int SporenTurbulenz(const SporenTabellen& t, int x, int y, int z) {
    int summe = 0;
    for (int k = 0; k < 3; ++k)
        summe += SporenNoise(t, x << k, y << k, z << k) / (1 << k);
    return std::abs(summe);
}

double SporenWert(const SporenTabellen& t, const SporenParamRec& p, int zellenX, int zellenY, int x,
                  int y) {
    const Merkmale m(t);
    const int px = position(x, zellenX, p.SporenZoom, SporenTurbulenz(t, 30 * x, 30 * y, 0));
    const int py = position(y, zellenY, p.SporenZoom, SporenTurbulenz(t, 27 * x, 27 * y, 0));
    return abschneiden(p, wertBei(m, px, py));
}

void SporenBerechnen(Dokument& dok, const SporenParamRec& p, const SporenTabellen& t) {
    feld(t, p, p.SporenZellenX, p.SporenZellenY, dok.MaxX + 1, dok.MaxY + 1,
         [&](int x) { return dok.Zweitbild.spalte(x); });
}

Status SporenAusfuehren(Dokument& dok, std::unique_ptr<SporenTabellen>& t, const Werte& werte) {
    const R p = recordAus<R>(SporenParameter(), werte);
    if (!t || p.NeueBerechnung) {
        if (!t) t = std::make_unique<SporenTabellen>();
        SporenTabellenBilden(dok, *t);
    }
    SporenBerechnen(dok, p, *t);
    ZweitbildVerknuepfen(dok);
    return {};
}

int SporenVorschauZellen(int zellen, int max) {
    return std::max(1, roundToInt(double(zellen) * 255.0 / double(max)));
}

VorschauSpanne SporenVorschau(const SporenParamRec& p, const SporenTabellen& t, int maxX, int maxY,
                              Vorschaufeld& v) {
    feld(t, p, SporenVorschauZellen(p.SporenZellenX, maxX),
         SporenVorschauZellen(p.SporenZellenY, maxY), VorschauKante, VorschauKante,
         [&](int x) { return v.werte[x]; });
    VorschauSpanne s{v.werte[0][0], v.werte[0][0]};
    for (const auto& spalte : v.werte)
        for (const double w : spalte) {
            s.minimum = std::min(s.minimum, w);
            s.maximum = std::max(s.maximum, w);
        }
    if (p.SporenGamma == 1.0) return s;
    const double faktor = s.maximum > s.minimum ? 1.0 / (s.maximum - s.minimum) : 1.0;
    const double boden = s.maximum > s.minimum ? s.minimum : 0.0;
    for (auto& spalte : v.werte)
        for (double& w : spalte)
            w = std::pow(clamp01((w - boden) * faktor), p.SporenGamma);
    return {0.0, 1.0};
}

}  // namespace gm
