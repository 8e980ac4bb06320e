#include "generators/krater.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = KraterParamRec;

const Parameter kraterParameter[] = {
    Param<&R::Anzahl>("Anzahl", 800, 1, 8000, Skala::Logarithmisch, 1, "Anzahl"),
    Param<&R::Skalierung>("Skalierung", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Skalierung"),
    Param<&R::Grenze>("Grenze", 0.63, 0.01, 0.99, Skala::Linear, 0.01, "Grenze"),
    Param<&R::Dicke>("Dicke", 50.0, 0.0, 100.0, Skala::Linear, 0.01, "Dicke"),
};

// The bowl angle of 35.25 degrees.
constexpr double kWinkel = 0.6152285613280012;

// One pass over Zweitbild that keeps a bit per active cell telling whether it
// still holds KeinWert, and their count, so the centre search reads a small
// map and knows when no untouched cell is left.
class Kraterfeld {
  public:
    explicit Kraterfeld(Dokument& dok)
        : dok_(dok), hoehe_(dok.MaxY + 1), bits_(std::size_t((dok.MaxX + 1) * hoehe_ + 63) / 64) {
        std::size_t i = 0;
        for (int x = 0; x <= dok.MaxX; ++x) {
            const double* z = dok.Zweitbild.spalte(x);
            for (int y = 0; y <= dok.MaxY; ++y, ++i)
                bits_[i / 64] |= std::uint64_t(z[y] == KeinWert) << (i % 64);
        }
        for (std::uint64_t w : bits_)
            frei_ += std::popcount(w);
    }

    std::int64_t frei() const { return frei_; }
    bool unberuehrt(int x, int y) const {
        const std::size_t i = std::size_t(x) * hoehe_ + std::size_t(y);
        return (bits_[i / 64] >> (i % 64)) & 1u;
    }

    // KraterSetzen: blends v into the cell with weight w for its old value.
    void setzen(int cx, int cy, int dx, int dy, double w, double v) {
        const int x = cx + dx, y = cy + dy;
        if (x < 0 || x > dok_.MaxX || y < 0 || y > dok_.MaxY) return;
        double& z = dok_.Zweitbild(x, y);
        if (z == KeinWert) z = 0.0;
        z = z * w + v;
        // A blend can land exactly on the marker; the search then sees the
        // cell as untouched again, and so do the map and the count.
        markieren(x, y, z == KeinWert);
    }

  private:
    void markieren(int x, int y, bool frei) {
        const std::size_t i = std::size_t(x) * hoehe_ + std::size_t(y);
        const std::uint64_t bit = std::uint64_t(1) << (i % 64);
        const bool war = bits_[i / 64] & bit;
        if (war == frei) return;
        bits_[i / 64] ^= bit;
        frei_ += frei ? 1 : -1;
    }

    Dokument& dok_;
    std::int64_t hoehe_;
    std::int64_t frei_ = 0;
    std::vector<std::uint64_t> bits_;
};

// Round(Random * n) for a draw that left the generator at `seed`: the product
// seed * 2^-32 * n is exact in a double for n below 2^21, so its nearest whole
// number (an exact half to the even one) follows from the 64-bit product.
int gerundeterZug(std::uint32_t seed, int n) {
    const std::uint64_t q = std::uint64_t(seed) * std::uint64_t(n);
    std::uint64_t ganz = q >> 32;
    const std::uint64_t rest = q & 0xffffffffu;
    // Up when the rest is above a half, or a half with an odd whole part:
    // written without a branch, since the rest is as random as the draw.
    ganz += std::uint64_t(rest + (ganz & 1u) > 0x80000000u);
    return int(ganz);
}

// The centre search: pairs of draws until one lands on an untouched cell.
// Both draws of a pair are computed from the seed before them, so the
// dependent chain per pair is one step.
void mittelpunktSuchen(Dokument& dok, const Kraterfeld& feld, int& cx, int& cy) {
    constexpr std::uint32_t a = 134775813u, a2 = a * a, c2 = a + 1u;
    std::uint32_t seed = dok.RandSeed;
    for (;;) {
        const std::uint32_t s1 = seed * a + 1u;
        seed = seed * a2 + c2;
        cx = gerundeterZug(s1, dok.MaxX);
        cy = gerundeterZug(seed, dok.MaxY);
        if (feld.unberuehrt(cx, cy)) break;
    }
    dok.RandSeed = seed;
}

}  // namespace

std::span<const Parameter> KraterParameter() {
    return kraterParameter;
}

KraterParamRec KraterStandard() {
    return recordVorgaben<KraterParamRec>(KraterParameter());
}

double KraterProfil(const KraterParamRec& p, double d) {
    const double s = std::sin(kWinkel), c = std::cos(kWinkel);
    const double r = std::sqrt(std::fabs(d));
    const double t = r - s;
    if (r > s) return -c * std::exp(-p.Dicke * (t * t));
    return -std::sqrt(1.0 - d);
}

double KraterGewicht(const KraterParamRec& p, double d) {
    const double a = std::sqrt(d) - p.Grenze;
    const double q = a * a;
    if (d <= p.Grenze * p.Grenze) return 0.01 * std::exp(-30.0 * q);
    return 1.0 - 0.99 * std::exp(-25.0 * q);
}

void KraterBerechnen(Dokument& dok, const KraterParamRec& p) {
    Kraterfeld feld(dok);
    const double maxX = dok.MaxX;
    for (int n = 0; n < p.Anzahl && feld.frei() > 0; ++n) {
        int cx, cy;
        mittelpunktSuchen(dok, feld, cx, cy);
        const double u = Random(dok) + 0.1;
        const int r = roundToInt(0.15 * (0.0001 / std::pow(u, 4.0)) * maxX) + 3;
        const double tiefe = std::pow(r / (0.15 * maxX + 3.0), 0.9) * p.Skalierung / 256.0 *
                             std::pow(maxX / 256.0, 0.1) / 0.15 * 80.0;
        const double rr = double(r) * double(r);
        for (int i = r; i >= 1; --i) {
            for (int j = i; j >= 0; --j) {
                const double d = (double(i) * i + double(j) * j) / rr;
                if (d >= 1.0) continue;
                const double v = KraterProfil(p, d) * tiefe;
                const double w = KraterGewicht(p, d);
                feld.setzen(cx, cy, i, j, w, v);
                feld.setzen(cx, cy, -j, i, w, v);
                feld.setzen(cx, cy, -i, -j, w, v);
                feld.setzen(cx, cy, j, -i, w, v);
                if (j > 0 && j < i) {
                    feld.setzen(cx, cy, j, i, w, v);
                    feld.setzen(cx, cy, -i, j, w, v);
                    feld.setzen(cx, cy, -j, -i, w, v);
                    feld.setzen(cx, cy, i, -j, w, v);
                }
            }
        }
        feld.setzen(cx, cy, 0, 0, KraterGewicht(p, 0.0), KraterProfil(p, 0.0) * tiefe);
    }
}

void KraterAnwenden(Dokument& dok, const KraterParamRec& p) {
    UndoSichern(dok);
    ZweitbildLeeren(dok);
    KraterBerechnen(dok, p);
    ZweitbildNormalisieren(dok, 1.0);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        const double* h = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            z[y] = (z[y] + 1.0) * h[y];
    }
    // Stretched again and written into the free cells only.
    ZweitbildUebernehmen(dok);
    ZweitbildEinrechnen(dok, dok.Verknuepfungsmodus);
}

Status KraterAusfuehren(Dokument& dok, const Werte& werte) {
    KraterAnwenden(dok, recordAus<KraterParamRec>(KraterParameter(), werte));
    return {};
}

std::vector<int> KraterProfilZeilen(const KraterParamRec& p, int breite, int hoehe) {
    // Values for columns 0..breite like the picture's source; the last lies
    // past the picture and is only part of the range.
    std::vector<double> v(std::size_t(breite) + 1);
    double minimum = 1000.0, maximum = -1000.0;
    for (int i = 0; i <= breite; ++i) {
        const double d = double(i + 1) / double(breite + 1);
        v[i] = 1.0 * KraterGewicht(p, d) + KraterProfil(p, d);
        if (v[i] < minimum) minimum = v[i];
        if (v[i] > maximum) maximum = v[i];
    }
    double skala = 1.0;
    if (maximum == minimum) {
        minimum = 0.0;
    } else {
        skala = 1.0 / (maximum - minimum);
    }
    std::vector<int> zeilen(static_cast<std::size_t>(breite));
    for (int i = 0; i < breite; ++i) {
        zeilen[i] = roundToInt(double(hoehe - 2) * clamp01((v[i] - minimum) * skala)) + 1;
    }
    return zeilen;
}

}  // namespace gm
