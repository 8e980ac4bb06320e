#include "generators/sporen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/kombination.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "generators/sporen_intern.h"

namespace gm {

namespace {

using namespace sporen_intern;
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

// V from the sample position. The cell index wraps modulo 64 and the point
// moves with it by whole table widths, so the pattern continues seamlessly
// past the table instead of reading outside it.
double wertBei(const SporenTabellen& t, int px, int py) {
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
                const SporenPunkt& f = t.Merkmalspunkte[std::size_t(basis + l)];
                const int dx = px - (f.x + dxZelle), dy = py - (f.y + dyZelle), dz = 2048 - f.z;
                const int d = (dx * dx + dy * dy + dz * dz) >> 10;
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
    const double w = p.SporenZoom;
    const int px =
        position(positionsBasis(x, zellenX, w), w, SporenTurbulenz(t, 30 * x, 30 * y, 0));
    const int py =
        position(positionsBasis(y, zellenY, w), w, SporenTurbulenz(t, 27 * x, 27 * y, 0));
    return abschneiden(p, wertBei(t, px, py));
}

void SporenBerechnen(Dokument& dok, const SporenParamRec& p, const SporenTabellen& t,
                     SporenKern kern) {
    FeldFuellen(
        t, p, p.SporenZellenX, p.SporenZellenY, dok.MaxX + 1, dok.MaxY + 1,
        [&](int x) { return dok.Zweitbild.spalte(x); }, kern);
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
    FeldFuellen(t, p, SporenVorschauZellen(p.SporenZellenX, maxX),
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
