#include <cmath>
#include <utility>

#include "core/zahlen.h"
#include "generators/noise_intern.h"

namespace gm {

double NoiseHash(std::int32_t a, std::int32_t b, double s) {
    std::uint32_t n = std::uint32_t(b) * 57u + std::uint32_t(a);
    n ^= n << 13;
    // Only the low 32 bits of the products matter, so the seed is reduced
    // modulo 2^32 first; that keeps any double in range.
    const double gerundet = roundHalfEven(s);
    const std::int64_t sv =
        std::isfinite(gerundet) ? std::int64_t(std::fmod(gerundet, 4294967296.0)) : 0;
    const std::uint64_t nw = std::uint64_t(std::int64_t(std::int32_t(n)));
    const std::uint64_t t = nw * std::uint64_t(sv) + 789221u;
    const std::uint64_t u = nw * t + 1376312589u;
    const std::uint32_t r = std::uint32_t(u) & 0x7fffffffu;
    return (2.0 - double(r) / 1073741824.0) * 0.5;
}

void NoiseTabellenAufbau(NoiseTabellen& t, double seed) {
    double z = seed;
    for (int i = 0; i <= 2049; ++i) {
        t.Permutation[i] = std::uint32_t(i);
        double g[2];
        for (double& komponente : g) {
            const double h = NoiseHash(17 * i, 61 * i, z);
            komponente = (4098.0 * h - 2049.0) / 2049.0;
            z = h * 15731.0;
        }
        const double laenge = std::sqrt(g[0] * g[0] + g[1] * g[1]);
        // Both components exactly 0 has no direction: use the x axis.
        t.Gradient[i] = laenge == 0.0 ? NoiseGradientRec{1.0, 0.0}
                                      : NoiseGradientRec{g[0] / laenge, g[1] / laenge};
    }
    for (int i = 2049; i >= 0; --i) {
        const int j = roundToInt(NoiseHash(17 * i, 61 * i, seed) * 2049.0);
        std::swap(t.Permutation[i], t.Permutation[j]);
    }
    for (int i = 0; i <= 2051; ++i) {
        t.Permutation[i + 2049] = t.Permutation[i];
        t.Gradient[i + 2049] = t.Gradient[i];
    }
    t.Startwert = seed;
}

NoiseGewichtTabellen NoiseGewichte(const NoiseParamRec& p) {
    NoiseGewichtTabellen w;
    const double h = p.FraktalDimension;
    double f = 1.0;
    for (double& v : w.Frequenz) {
        v = std::pow(f, h);
        f *= p.Anstieg1;
    }
    f = 1.0;
    for (double& v : w.Amplitude) {
        v = std::pow(f, -h);
        f *= p.Anstieg2;
    }
    return w;
}

namespace noise_intern {

Gitter gitter(double koordinate) {
    const double t = koordinate + 4096.0;
    if (!std::isfinite(t)) return {0, 0.0, -1.0, 0.0};
    const double ganz = std::trunc(t);
    // Beyond the range of a 64-bit integer the cell is taken modulo 256, which
    // agrees with the integer part wherever that exists.
    const std::int64_t zelle =
        std::fabs(ganz) < 0x1p62 ? std::int64_t(ganz) : std::int64_t(std::fmod(ganz, 256.0));
    const double r0 = t - ganz;
    return {std::int32_t(zelle & 255), r0, r0 - 1.0, r0 * r0 * (3.0 - 2.0 * r0)};
}

}  // namespace noise_intern

double Noise2D(const NoiseTabellen& t, double x, double y) {
    const auto gx = noise_intern::gitter(x);
    const auto gy = noise_intern::gitter(y);
    const auto& P = t.Permutation;
    const auto& G = t.Gradient;
    const std::uint32_t i = P[gx.b0];
    const std::uint32_t j = P[(gx.b0 + 1) & 255];
    const int by1 = (gy.b0 + 1) & 255;
    const auto& g00 = G[P[i + gy.b0]];
    const auto& g10 = G[P[j + gy.b0]];
    const auto& g01 = G[P[i + by1]];
    const auto& g11 = G[P[j + by1]];
    double u = gx.r0 * g00.gx + gy.r0 * g00.gy;
    double v = gx.r1 * g10.gx + gy.r0 * g10.gy;
    const double a = u + gx.s * (v - u);
    u = gx.r0 * g01.gx + gy.r1 * g01.gy;
    v = gx.r1 * g11.gx + gy.r1 * g11.gy;
    const double b = u + gx.s * (v - u);
    return a + gy.s * (b - a);
}

}  // namespace gm
