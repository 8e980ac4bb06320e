#include "formats/netz_praedikate.h"

#include <cmath>

namespace gm {

namespace {

using i128 = __int128;

void zweiSumme(double a, double b, double& s, double& f) {
    s = a + b;
    const double bv = s - a;
    const double av = s - bv;
    f = (a - av) + (b - bv);
}

void teilen(double a, double& hi, double& lo) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    hi = c - (c - a);
    lo = a - hi;
}

void zweiProdukt(double a, double b, double& p, double& f) {
    p = a * b;
    double ah, al, bh, bl;
    teilen(a, ah, al);
    teilen(b, bh, bl);
    f = al * bl - (((p - ah * bh) - al * bh) - ah * bl);
}

// A sum of non-overlapping doubles, smallest first.
struct Summe {
    double teil[16];
    int n = 0;
    void plus(double b) {
        double q = b;
        int m = 0;
        for (int i = 0; i < n; ++i) {
            double s, f;
            zweiSumme(q, teil[i], s, f);
            if (f != 0.0) teil[m++] = f;
            q = s;
        }
        if (q != 0.0) teil[m++] = q;
        n = m;
    }
    int vorzeichen() const { return n == 0 ? 0 : (teil[n - 1] > 0.0 ? 1 : -1); }
};

// v as hi + lo, both exact doubles (|v| < 2^106).
void aufteilen(i128 v, double& hi, double& lo) {
    hi = double(v);
    lo = double(v - i128(hi));
}

}  // namespace

int vorzeichenSumme(i128 a, i128 b, double q) {
    double a1, a0, b1, b0, p1, e1, p0, e0;
    aufteilen(a, a1, a0);
    aufteilen(b, b1, b0);
    zweiProdukt(q, b1, p1, e1);
    zweiProdukt(q, b0, p0, e0);
    Summe s;
    for (double t : {a0, e0, p0, e1, a1, p1})
        s.plus(t);
    return s.vorzeichen();
}

int inKreis(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d, double q) {
    const std::int64_t adx = a.x - d.x, ady = a.y - d.y;
    const std::int64_t bdx = b.x - d.x, bdy = b.y - d.y;
    const std::int64_t cdx = c.x - d.x, cdy = c.y - d.y;
    const std::int64_t bc = bdx * cdy - bdy * cdx;
    const std::int64_t ca = cdx * ady - cdy * adx;
    const std::int64_t ab = adx * bdy - ady * bdx;
    // Every cross product and square is exact; only the lifted sum rounds.
    const double la = double(adx * adx) + q * double(ady * ady);
    const double lb = double(bdx * bdx) + q * double(bdy * bdy);
    const double lc = double(cdx * cdx) + q * double(cdy * cdy);
    const double ta = la * double(bc), tb = lb * double(ca), tc = lc * double(ab);
    const double det = ta + tb + tc;
    const double grenze = 1e-14 * (std::fabs(ta) + std::fabs(tb) + std::fabs(tc));
    if (det > grenze) return 1;
    if (det < -grenze) return -1;
    const i128 A = i128(adx * adx) * bc + i128(bdx * bdx) * ca + i128(cdx * cdx) * ab;
    const i128 B = i128(ady * ady) * bc + i128(bdy * bdy) * ca + i128(cdy * cdy) * ab;
    return vorzeichenSumme(A, B, q);
}

namespace {

// Polynomials in M of degree <= 4.
struct Poly {
    i128 c[5] = {};
};

Poly mal(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; i + j < 5; ++j)
            r.c[i + j] += a.c[i] * b.c[j];
    return r;
}

Poly minus(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        r.c[i] = a.c[i] - b.c[i];
    return r;
}

Poly plus(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        r.c[i] = a.c[i] + b.c[i];
    return r;
}

Poly linear(std::int64_t c0, std::int64_t c1) {
    Poly p;
    p.c[0] = c0;
    p.c[1] = c1;
    return p;
}

}  // namespace

int orientierungFern(const FernPunkt& a, const FernPunkt& b, GitterPunkt c) {
    // (b - a) x (c - a) with b - a = (bx0 + M bx1, ...), c - a = (cx0 + M cx1, ...).
    const i128 bx0 = b.x0 - a.x0, bx1 = b.ux - a.ux, by0 = b.y0 - a.y0, by1 = b.uy - a.uy;
    const i128 cx0 = c.x - a.x0, cx1 = -a.ux, cy0 = c.y - a.y0, cy1 = -a.uy;
    const i128 k[3] = {bx1 * cy1 - by1 * cx1, bx1 * cy0 + bx0 * cy1 - by1 * cx0 - by0 * cx1,
                       bx0 * cy0 - by0 * cx0};
    for (const i128 v : k) {
        if (v != 0) return v > 0 ? 1 : -1;
    }
    return 0;
}

void inKreisFernPolynome(const FernPunkt t[3], GitterPunkt d, i128 A[5], i128 B[5]) {
    Poly dx[3], dy[3];
    for (int k = 0; k < 3; ++k) {
        dx[k] = linear(t[k].x0 - d.x, t[k].ux);
        dy[k] = linear(t[k].y0 - d.y, t[k].uy);
    }
    Poly a, b;
    for (int k = 0; k < 3; ++k) {
        const int m = (k + 1) % 3, n = (k + 2) % 3;
        const Poly kreuz = minus(mal(dx[m], dy[n]), mal(dy[m], dx[n]));
        a = plus(a, mal(mal(dx[k], dx[k]), kreuz));
        b = plus(b, mal(mal(dy[k], dy[k]), kreuz));
    }
    for (int k = 0; k < 5; ++k) {
        A[k] = a.c[k];
        B[k] = b.c[k];
    }
}

int inKreisFern(const FernPunkt t[3], GitterPunkt d, double q) {
    i128 A[5], B[5];
    inKreisFernPolynome(t, d, A, B);
    for (int k = 4; k >= 0; --k) {
        if (int v = vorzeichenSumme(A[k], B[k], q)) return v;
    }
    return 0;
}

}  // namespace gm
