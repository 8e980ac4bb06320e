#include "generators/krater_kern.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/mathe.h"
#include "core/spuren.h"

namespace gm {

KraterKarte::KraterKarte(const Dokument& dok)
    : proSpalte_(std::size_t(dok.MaxY + 8) / 8),
      bytes_(proSpalte_ * std::size_t(dok.MaxX + 1), std::uint8_t(0xff)),
      frei_(std::int64_t(dok.MaxX + 1) * (dok.MaxY + 1)) {
    // Rows past MaxY in a column's last byte are no cells.
    const int rest = (dok.MaxY + 1) % 8;
    if (rest == 0) return;
    for (int x = 0; x <= dok.MaxX; ++x)
        spalte(x)[proSpalte_ - 1] = std::uint8_t((1u << rest) - 1);
}

KraterForm KraterFormVon(const KraterParamRec& p) {
    // The bowl angle of 35.25 degrees.
    constexpr double winkel = 0.6152285613280012;
    return {Sin(winkel), Cos(winkel), p.Dicke, p.Grenze};
}

double KraterProfil(const KraterForm& f, double d) {
    const double r = std::sqrt(std::fabs(d));
    const double t = r - f.s;
    if (r > f.s) return -f.c * Exp(-f.dicke * (t * t));
    return -std::sqrt(1.0 - d);
}

double KraterGewicht(const KraterForm& f, double d) {
    const double a = std::sqrt(d) - f.grenze;
    const double q = a * a;
    if (d <= f.grenze * f.grenze) return 0.01 * Exp(-30.0 * q);
    return 1.0 - 0.99 * Exp(-25.0 * q);
}

namespace {

// KraterSetzen: blends v into the cell with weight w for its old value.
void setzen(Dokument& dok, KraterKarte& karte, int x, int y, double w, double v) {
    if (x < 0 || x > dok.MaxX || y < 0 || y > dok.MaxY) return;
    double& z = dok.Zweitbild(x, y);
    const bool vorher = karte.unberuehrt(x, y);
    if (vorher) z = 0.0;
    z = z * w + v;
    const bool nachher = z == KeinWert;
    if (vorher | nachher)
        karte.wechseln(x, y >> 3, unsigned(vorher) << (y & 7), unsigned(nachher) << (y & 7));
}

// Each offset of the octant 0 <= j <= i computed once and written to its up
// to eight mirror images.
void scheibeSkalar(Dokument& dok, KraterKarte& karte, const KraterForm& f, const Krater& k) {
    const double rr = double(k.r) * double(k.r);
    const int cx = k.cx, cy = k.cy;
    for (int i = k.r; i >= 1; --i) {
        for (int j = i; j >= 0; --j) {
            const double d = (double(i) * i + double(j) * j) / rr;
            if (d >= 1.0) continue;
            const double v = KraterProfil(f, d) * k.tiefe;
            const double w = KraterGewicht(f, d);
            setzen(dok, karte, cx + i, cy + j, w, v);
            setzen(dok, karte, cx - j, cy + i, w, v);
            setzen(dok, karte, cx - i, cy - j, w, v);
            setzen(dok, karte, cx + j, cy - i, w, v);
            if (j > 0 && j < i) {
                setzen(dok, karte, cx + j, cy + i, w, v);
                setzen(dok, karte, cx - i, cy + j, w, v);
                setzen(dok, karte, cx - j, cy - i, w, v);
                setzen(dok, karte, cx + i, cy - j, w, v);
            }
        }
    }
    setzen(dok, karte, cx, cy, KraterGewicht(f, 0.0), KraterProfil(f, 0.0) * k.tiefe);
}

#define GM_SPUREN_CODE "generators/krater_kern.inc"
#include "core/spuren_saetze.inc"
#undef GM_SPUREN_CODE

}  // namespace

void KraterResteLeeren(Dokument& dok, const KraterKarte& karte, Befehlssatz satz) {
    switch (satz) {
        case Befehlssatz::Avx512:
            return avx512::resteLeeren(dok, karte);
        case Befehlssatz::Avx2:
            return avx2::resteLeeren(dok, karte);
        case Befehlssatz::Sse2:
            for (int x = 0; x <= dok.MaxX; ++x)
                for (int y = 0; y <= dok.MaxY; ++y)
                    if (karte.unberuehrt(x, y)) dok.Zweitbild(x, y) = KeinWert;
    }
}

void KraterScheibe(Dokument& dok, KraterKarte& karte, const KraterForm& f, const Krater& k,
                   Befehlssatz satz, std::vector<double>& puffer) {
    switch (satz) {
        case Befehlssatz::Avx512:
            return avx512::scheibe(dok, karte, f, k, puffer);
        case Befehlssatz::Avx2:
            return avx2::scheibe(dok, karte, f, k, puffer);
        case Befehlssatz::Sse2:
            return scheibeSkalar(dok, karte, f, k);
    }
}

}  // namespace gm
