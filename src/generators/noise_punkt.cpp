#include <cmath>

#include "generators/noise_intern.h"

namespace gm {

namespace noise_intern {

Methode methodeVon(int methode) {
    static constexpr Familie familien[] = {Familie::FBm1, Familie::FBm2, Familie::MultiFractal,
                                           Familie::HeteroTerrain, Familie::Hybrid};
    if (methode < 0 || methode > 10) return {Familie::Keine, 1};
    if (methode == 10) return {Familie::Ridged, 1};
    return {familien[methode / 2], 1 + methode % 2};
}

Aufrufe aufrufeVon(const NoiseParamRec& p) {
    Aufrufe a;
    const Familie f = methodeVon(p.Methode).familie;
    if (f == Familie::Keine) return a;
    a.basis = f == Familie::HeteroTerrain || f == Familie::Hybrid || f == Familie::Ridged;
    if (a.basis) a.level[a.anzahl++] = 0;
    for (int k = 1; k <= NoiseLevelMax; ++k) {
        if (p.Level[k - 1]) a.level[a.anzahl++] = k;
    }
    return a;
}

void koordinaten(const NoiseParamRec& p, const NoiseGewichtTabellen& w, const Aufrufe& a,
                 double wert, double* aus) {
    const Familie f = methodeVon(p.Methode).familie;
    const double L = p.Anstieg1;
    if (f == Familie::FBm1) {
        for (int c = 0; c < a.anzahl; ++c)
            aus[c] = wert * w.Frequenz[a.level[c]];
        return;
    }
    // The other methods scale the coordinate by L once per enabled level;
    // those with a base sample take it at the point itself and scale first.
    double q = wert;
    for (int c = 0; c < a.anzahl; ++c) {
        if (a.basis) {
            if (c > 0) q = q * L;
            aus[c] = q;
        } else {
            aus[c] = q;
            q = q * L;
        }
    }
}

}  // namespace noise_intern

namespace {

using noise_intern::Familie;

double summe(const NoiseParamRec& p, const NoiseTabellen& t, const NoiseGewichtTabellen& w,
             double x, double y) {
    const auto m = noise_intern::methodeVon(p.Methode);
    const bool abs = m.modus == 2;
    const double* F = w.Frequenz;
    const double* A = w.Amplitude;
    const double L = p.Anstieg1;
    const double O = p.Offset;
    auto N = [&](double a, double b) { return Noise2D(t, a, b); };
    double px = x, py = y;
    switch (m.familie) {
        case Familie::FBm1: {
            double S = 0.0;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                const double n = N(x * F[k], y * F[k]);
                S = abs ? S + std::fabs(n * A[k]) : S + n * A[k];
            }
            return S;
        }
        case Familie::FBm2: {
            double S = 0.0;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                const double n = N(px, py) * F[k];
                px = px * L;
                py = py * L;
                S = abs ? S + std::fabs(n * A[k]) : S + n * A[k];
            }
            return S;
        }
        case Familie::MultiFractal: {
            double V = 1.0;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                const double s = N(px, py) + O;
                px = px * L;
                py = py * L;
                V = abs ? V * std::fabs(s * A[k]) : V * s * A[k];
            }
            return V;
        }
        case Familie::HeteroTerrain: {
            double V = N(x, y) + O;
            px = x * L;
            py = y * L;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                const double s = (N(px, py) + O) * F[k];
                px = px * L;
                py = py * L;
                V = abs ? V + V * std::fabs(s * A[k]) : V + V * s * A[k];
            }
            return V;
        }
        case Familie::Hybrid: {
            double R = (N(x, y) + O) * F[0];
            double W = R;
            px = x * L;
            py = y * L;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                const double s = (N(px, py) + O) * F[k];
                px = px * L;
                py = py * L;
                if (W > 1.0) W = 1.0;
                R = abs ? R + W * std::fabs(s * A[k]) : R + W * s * A[k];
                W = W * s;
            }
            return R;
        }
        case Familie::Ridged: {
            const double g = p.Anstieg2;
            double d = O - std::fabs(N(x, y));
            double s = d * d;
            double R = s;
            for (int k = 1; k <= NoiseLevelMax; ++k) {
                if (!p.Level[k - 1]) continue;
                px = px * L;
                py = py * L;
                double W = s * g;
                if (W > 1.0) W = 1.0;
                if (W < 0.0) W = 0.0;
                d = O - std::fabs(N(px, py));
                s = d * d * W;
                R = R + s * F[k];
            }
            return R;
        }
        case Familie::Keine:
            break;
    }
    return 0.0;
}

}  // namespace

double NoisePunkt(const NoiseParamRec& p, const NoiseTabellen& t, const NoiseGewichtTabellen& w,
                  double x, double y) {
    const double xs = x + 0.005;
    const double ys = y + 0.005;
    const double n = summe(p, t, w, xs, ys);
    const double fx = noise_intern::achse(p.TypX, p.VerschiebungX, xs, n, p.IterationenX);
    const double fy = noise_intern::achse(p.TypY, p.VerschiebungY, ys, n, p.IterationenY);
    return AchsenVerknuepfen(p.Verknuepfung, fx, fy);
}

std::array<double, ProfilBreite> NoiseProfil(const NoiseParamRec& p, const NoiseTabellen& t) {
    const NoiseGewichtTabellen w = NoiseGewichte(p);
    std::array<double, ProfilBreite> v;
    for (int i = 0; i < ProfilBreite; ++i) {
        const double d = double(i) / 511.0;
        v[i] = NoisePunkt(p, t, w, d, d);
    }
    return v;
}

}  // namespace gm
