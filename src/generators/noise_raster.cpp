#include "generators/noise_raster.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "core/faeden.h"
#include "generators/noise_intern.h"
#include "generators/noise_kern.h"

namespace gm {

namespace {

using namespace noise_intern;

// Everything that is the same for every column of one run.
struct Plan {
    const NoiseParamRec& p;
    const NoiseTabellen& t;
    NoiseGewichtTabellen w;
    Methode methode;
    Aufrufe a;
    int ny = 0;
    std::vector<double> yStrich;
    // Lattice data of the rows, call c at [c * ny + y].
    std::vector<std::int32_t> by;
    std::vector<double> ry0, ry1, sy;
    std::vector<std::int64_t> abstand;
    std::vector<std::uint8_t> fenster;  // call c, block b at [c * bloecke + b]
    int bloecke = 0;
    // Per call, the lattice rows (0..256) some row of the column needs.
    std::vector<std::vector<std::int16_t>> benutzt;
    KernFn kern;
};

void fensterVorbereiten(Plan& plan) {
    const int C = plan.a.anzahl, ny = plan.ny;
    plan.bloecke = ny / Block;
    plan.abstand.resize(plan.by.size());
    plan.fenster.assign(std::size_t(C) * plan.bloecke, 0);
    for (int c = 0; c < C; ++c) {
        const std::int32_t* by = plan.by.data() + std::size_t(c) * ny;
        for (int b = 0; b < plan.bloecke; ++b) {
            bool passt = true;
            for (int y = b * Block; y < (b + 1) * Block; ++y) {
                const std::int64_t d = by[y] - by[b * Block];
                plan.abstand[std::size_t(c) * ny + y] = d;
                passt = passt && d >= 0 && d <= 14;
            }
            plan.fenster[std::size_t(c) * plan.bloecke + b] = passt;
        }
    }
}

void zeilenVorbereiten(Plan& plan, std::span<const double> ys) {
    const int C = plan.a.anzahl, ny = plan.ny;
    plan.yStrich.resize(ny);
    plan.by.resize(std::size_t(C) * ny);
    plan.ry0.resize(plan.by.size());
    plan.ry1.resize(plan.by.size());
    plan.sy.resize(plan.by.size());
    std::vector<std::vector<bool>> markiert(C, std::vector<bool>(257, false));
    double q[NoiseLevelMax + 1];
    for (int y = 0; y < ny; ++y) {
        plan.yStrich[y] = ys[y] + 0.005;
        koordinaten(plan.p, plan.w, plan.a, plan.yStrich[y], q);
        for (int c = 0; c < C; ++c) {
            const Gitter g = gitter(q[c]);
            const std::size_t i = std::size_t(c) * ny + y;
            plan.by[i] = g.b0;
            plan.ry0[i] = g.r0;
            plan.ry1[i] = g.r1;
            plan.sy[i] = g.s;
            markiert[c][g.b0] = true;
            markiert[c][g.b0 + 1] = true;
        }
    }
    fensterVorbereiten(plan);
    plan.benutzt.assign(C, {});
    for (int c = 0; c < C; ++c) {
        for (int e = 0; e <= 256; ++e) {
            if (markiert[c][e]) plan.benutzt[c].push_back(std::int16_t(e));
        }
    }
}

void tabelleFuellen(const Plan& plan, int c, double koordinate, SpaltenTabelle& s) {
    const Gitter g = gitter(koordinate);
    const auto& P = plan.t.Permutation;
    const auto& G = plan.t.Gradient;
    const std::uint32_t i = P[g.b0];
    const std::uint32_t j = P[(g.b0 + 1) & 255];
    s.sx = g.s;
    for (const int e : plan.benutzt[c]) {
        const int b = e & 255;
        const NoiseGradientRec gi = G[P[i + b]];
        const NoiseGradientRec gj = G[P[j + b]];
        s.ux[e] = g.r0 * gi.gx;
        s.gyi[e] = gi.gy;
        s.vx[e] = g.r1 * gj.gx;
        s.gyj[e] = gj.gy;
    }
}

// Working storage of one thread, sized once per run.
struct Arbeit {
    std::unique_ptr<SpaltenTabelle> tabelle = std::make_unique<SpaltenTabelle>();
    std::vector<double> n, summe, hilf;
    explicit Arbeit(int ny) : n(ny), summe(ny), hilf(ny) {}
};

// Folds the noise of call c into the method's running values: summe holds
// S, V or R, hilf holds W (Hybrid) or the previous s (Ridged).
void falten(const Plan& plan, int c, Arbeit& ar) {
    const int ny = plan.ny;
    const int k = plan.a.level[c];
    const double F = plan.w.Frequenz[k], A = plan.w.Amplitude[k];
    const double O = plan.p.Offset;
    const bool abs = plan.methode.modus == 2;
    const double* n = ar.n.data();
    double* S = ar.summe.data();
    double* H = ar.hilf.data();
    switch (plan.methode.familie) {
        case Familie::FBm1:
            if (abs) {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + std::fabs(n[y] * A);
            } else {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + n[y] * A;
            }
            break;
        case Familie::FBm2:
            if (abs) {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + std::fabs(n[y] * F * A);
            } else {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + n[y] * F * A;
            }
            break;
        case Familie::MultiFractal:
            if (abs) {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] * std::fabs((n[y] + O) * A);
            } else {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] * (n[y] + O) * A;
            }
            break;
        case Familie::HeteroTerrain:
            if (c == 0) {
                for (int y = 0; y < ny; ++y)
                    S[y] = n[y] + O;
            } else if (abs) {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + S[y] * std::fabs((n[y] + O) * F * A);
            } else {
                for (int y = 0; y < ny; ++y)
                    S[y] = S[y] + S[y] * ((n[y] + O) * F) * A;
            }
            break;
        case Familie::Hybrid:
            if (c == 0) {
                for (int y = 0; y < ny; ++y)
                    S[y] = H[y] = (n[y] + O) * F;
            } else {
                for (int y = 0; y < ny; ++y) {
                    const double s = (n[y] + O) * F;
                    const double W = H[y] > 1.0 ? 1.0 : H[y];
                    S[y] = abs ? S[y] + W * std::fabs(s * A) : S[y] + W * s * A;
                    H[y] = W * s;
                }
            }
            break;
        case Familie::Ridged:
            if (c == 0) {
                for (int y = 0; y < ny; ++y) {
                    const double d = O - std::fabs(n[y]);
                    S[y] = H[y] = d * d;
                }
            } else {
                const double g = plan.p.Anstieg2;
                for (int y = 0; y < ny; ++y) {
                    double W = H[y] * g;
                    W = W > 1.0 ? 1.0 : W;
                    W = W < 0.0 ? 0.0 : W;
                    const double d = O - std::fabs(n[y]);
                    H[y] = d * d * W;
                    S[y] = S[y] + H[y] * F;
                }
            }
            break;
        case Familie::Keine:
            break;
    }
}

void spalte(const Plan& plan, double x, Arbeit& ar, double* ziel) {
    const int ny = plan.ny;
    const double xStrich = x + 0.005;
    const double start = plan.methode.familie == Familie::MultiFractal ? 1.0 : 0.0;
    std::fill(ar.summe.begin(), ar.summe.end(), start);
    double px[NoiseLevelMax + 1];
    koordinaten(plan.p, plan.w, plan.a, xStrich, px);
    for (int c = 0; c < plan.a.anzahl; ++c) {
        tabelleFuellen(plan, c, px[c], *ar.tabelle);
        const std::size_t o = std::size_t(c) * ny;
        const ZeilenDaten z{
            plan.by.data() + o,      plan.ry0.data() + o,
            plan.ry1.data() + o,     plan.sy.data() + o,
            plan.abstand.data() + o, plan.fenster.data() + std::size_t(c) * plan.bloecke};
        plan.kern(*ar.tabelle, z, ar.n.data(), ny);
        falten(plan, c, ar);
    }
    const NoiseParamRec& p = plan.p;
    for (int y = 0; y < ny; ++y) {
        const double n = ar.summe[y];
        const double fx = achse(p.TypX, p.VerschiebungX, xStrich, n, p.IterationenX);
        const double fy = achse(p.TypY, p.VerschiebungY, plan.yStrich[y], n, p.IterationenY);
        ziel[y] = AchsenVerknuepfen(p.Verknuepfung, fx, fy);
    }
}

int threadAnzahl(int gewuenscht, int spalten) {
    int n = gewuenscht > 0 ? gewuenscht : int(std::thread::hardware_concurrency());
    n = std::clamp(n, 1, 16);
    return std::max(1, std::min(n, spalten / 8));
}

}  // namespace

void NoiseRaster(const NoiseParamRec& p, const NoiseTabellen& t, std::span<const double> xs,
                 std::span<const double> ys, double* ziel, std::size_t spaltenAbstand,
                 NoiseKern kern, int threads) {
    Plan plan{.p = p,
              .t = t,
              .w = NoiseGewichte(p),
              .methode = methodeVon(p.Methode),
              .a = aufrufeVon(p),
              .ny = int(ys.size()),
              .yStrich = {},
              .by = {},
              .ry0 = {},
              .ry1 = {},
              .sy = {},
              .abstand = {},
              .fenster = {},
              .bloecke = 0,
              .benutzt = {},
              .kern = kernFuer(kern)};
    zeilenVorbereiten(plan, ys);

    const int nx = int(xs.size());
    constexpr int Spalten = 4;
    std::atomic<int> naechste{0};
    auto arbeiten = [&] {
        Arbeit ar(plan.ny);
        for (;;) {
            const int von = naechste.fetch_add(Spalten);
            if (von >= nx) break;
            for (int i = von; i < std::min(nx, von + Spalten); ++i) {
                spalte(plan, xs[i], ar, ziel + std::size_t(i) * spaltenAbstand);
            }
        }
    };
    // Every part takes columns from the shared counter until none are left,
    // so a part whose thread could not start simply finds no work.
    Faeden faeden(threadAnzahl(threads, nx));
    faeden.ausfuehren([&](int) { arbeiten(); });
}

}  // namespace gm
