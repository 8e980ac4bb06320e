#include "formats/netz_kreis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gm {

using std::int32_t;

Kreis kreisNaeherung(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q) {
    const double bx = double(b.x - a.x), by = double(b.y - a.y);
    const double cx = double(c.x - a.x), cy = double(c.y - a.y);
    const double cr = bx * cy - by * cx;  // exact, never 0
    const double b2 = bx * bx + q * (by * by), c2 = cx * cx + q * (cy * cy);
    const double ux = (cy * b2 - by * c2) / (2.0 * cr);
    const double uy = (bx * c2 - cx * b2) / (2.0 * cr * q);
    const double r = std::sqrt(ux * ux + q * (uy * uy));
    const double wq = std::sqrt(q);
    // Far more than the rounding of every term, including the final sums.
    const double fehler =
        1e-13 * ((std::fabs(cy) * b2 + std::fabs(by) * c2) / std::fabs(cr) + std::fabs(ux) +
                 wq * ((std::fabs(bx) * c2 + std::fabs(cx) * b2) / (q * std::fabs(cr)) +
                       std::fabs(uy) + std::fabs(a.y)) +
                 r + std::fabs(a.x) + 1.0);
    return {a.x + ux, a.y + uy, r, fehler};
}

int32_t kreisBisX(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q) {
    const Kreis k = kreisNaeherung(a, b, c, q);
    const double bis = k.mx + k.r + k.fehler;
    return bis < 1e9 ? int32_t(std::floor(bis)) : std::numeric_limits<int32_t>::max();
}

Spanne kreisSpalte(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q, int32_t x) {
    // With every error at its bound against us: the widest the circle can be
    // on the column is sqrt(d / q) either side of the centre.
    const Kreis k = kreisNaeherung(a, b, c, q);
    const double dx = std::max(std::fabs(x - k.mx) - k.fehler, 0.0);
    const double r = k.r + k.fehler;
    const double d = r * r - dx * dx + 1e-15 * (r * r + dx * dx);
    if (d < 0.0) return {1, 0};
    const double w =
        std::sqrt(d / q) * (1.0 + 1e-15) + k.fehler / std::sqrt(q) + 1e-15 * std::fabs(k.my);
    const double unten = std::floor(k.my - w) - 1.0, oben = std::ceil(k.my + w) + 1.0;
    return {unten > -1e9 ? int32_t(unten) : std::numeric_limits<int32_t>::min(),
            oben < 1e9 ? int32_t(oben) : std::numeric_limits<int32_t>::max()};
}

namespace {

// Whole y bounds held to +-10^9, each side as its rule needs: a larger bound
// that says "at most" or a smaller one that says "at least" would be wrong.
int32_t hoechstens(double y) {
    if (y < -1e9) return std::numeric_limits<int32_t>::min();
    return int32_t(std::floor(std::min(y, 1e9)));
}
int32_t mindestens(double y) {
    if (y > 1e9) return std::numeric_limits<int32_t>::max();
    return int32_t(std::ceil(std::max(y, -1e9)));
}

}  // namespace

Buendel kreisBuendel(GitterPunkt a, GitterPunkt b, double q, int32_t x) {
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    if (a.x >= x || b.x >= x) return {Min, Max, Min};
    // A vertical ab: every circle's centre has y (a.y + b.y) / 2, so
    // y' = a.y + b.y - y0, at least y1 when y1 is at most half that sum.
    if (a.x == b.x) return {hoechstens(std::floor((double(a.y) + b.y) / 2)), Max, Min};
    // Otherwise (y0 - m)(y' - m) = s^2, the power of (x, m) divided by q; the
    // rules hold for y1 <= m - s, and for y0 > m with y1 <= m + s.
    const double dxa = double(x) - a.x, dxb = double(x) - b.x, dy = double(b.y) - a.y;
    const double ma = dy * (dxa / (double(b.x) - a.x)), mb = ma - dy;
    const double m = a.y + ma;
    const double kreuz = dxa * dxb / q;
    const double s2 = kreuz + ma * mb;
    // Far more than the rounding of m and of s^2.
    const double fm = 1e-12 * (std::fabs(a.y) + std::fabs(ma) + 1.0);
    const double fs = 1e-12 * (kreuz + std::fabs(ma) * (std::fabs(ma) + std::fabs(dy)) + 1.0);
    const double sKlein = std::sqrt(std::max(s2 - fs, 0.0)), sGross = std::sqrt(s2 + fs);
    return {hoechstens(m - fm - sGross * (1 + 1e-12)), mindestens(std::nextafter(m + fm, 2e9)),
            hoechstens(m - fm + sKlein * (1 - 1e-12))};
}

}  // namespace gm
