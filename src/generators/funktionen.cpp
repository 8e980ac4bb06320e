#include "generators/funktionen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/wellenprofil.h"
#include "core/zahlen.h"
#include "generators/achsen_verknuepfung.h"

namespace gm {

namespace {

using R = FunktionenParamRec;
using A = FunktionenAchse;

// Field names and captions of one axis, in parameter order.
struct AchsenTexte {
    const char* namen[11];
    const char* titel[11];
};

constexpr AchsenTexte texteX = {
    {"KurveX", "PeriodenX", "AnstiegFX", "StufenX", "GammaFX", "Linearitaet1X", "Linearitaet2X",
     "Verschiebung1X", "Verschiebung2X", "WelleX", "NegativX"},
    {"Funktion X", "Iterationen in X", "Anstieg X", "Digitalisieren X", "Gammakorrektur X",
     "Linearität X1", "Linearität X2", "Verschiebung in X1", "Verschiebung in X2", "Welle X",
     "Negativ X"}};
constexpr AchsenTexte texteY = {
    {"KurveY", "PeriodenY", "AnstiegFY", "StufenY", "GammaFY", "Linearitaet1Y", "Linearitaet2Y",
     "Verschiebung1Y", "Verschiebung2Y", "WelleY", "NegativY"},
    {"Funktion Y", "Iterationen in Y", "Anstieg Y", "Digitalisieren Y", "Gammakorrektur Y",
     "Linearität1 Y1", "Linearität Y2", "Verschiebung in Y1", "Verschiebung in Y2", "Welle Y",
     "Negativ Y"}};

template <int i>
constexpr std::array<Parameter, 11> achsenParameter(const AchsenTexte& t) {
    constexpr Skala lin = Skala::Linear, log = Skala::Logarithmisch;
    return {
        Param<&R::Achse, i, &A::Kurve>(t.namen[0], 3, 1, 8, lin, 1, t.titel[0]),
        Param<&R::Achse, i, &A::Perioden>(t.namen[1], 1.0, 0.1, 100.0, log, 0.1, t.titel[1]),
        Param<&R::Achse, i, &A::AnstiegF>(t.namen[2], 0.0, -1.0, 1.0, lin, 0.01, t.titel[2]),
        Param<&R::Achse, i, &A::Stufen>(t.namen[3], 0.0, 0.0, 32.0, lin, 1, t.titel[3]),
        Param<&R::Achse, i, &A::GammaF>(t.namen[4], 1.0, 0.01, 100.0, log, 0.01, t.titel[4]),
        Param<&R::Achse, i, &A::Linearitaet1>(t.namen[5], 1.0, 0.01, 100.0, log, 0.01, t.titel[5]),
        Param<&R::Achse, i, &A::Linearitaet2>(t.namen[6], 0.5, 0.0, 1.0, lin, 0.01, t.titel[6]),
        Param<&R::Achse, i, &A::Verschiebung1>(t.namen[7], 0.0, 0.0, 2.0, lin, 0.01, t.titel[7]),
        Param<&R::Achse, i, &A::Verschiebung2>(t.namen[8], 0.0, 0.0, 2.0, lin, 0.01, t.titel[8]),
        Param<&R::Achse, i, &A::Welle>(t.namen[9], 0, 0, 1, lin, 1, t.titel[9]),
        Param<&R::Achse, i, &A::Negativ>(t.namen[10], 0, 0, 1, lin, 1, t.titel[10]),
    };
}

const std::array<Parameter, 24> funktionenParameter = [] {
    std::array<Parameter, 24> t{
        Param<&R::Verknuepfung>("Verknuepfung", 0, 0, 3, Skala::Linear, 1, "Verknüpfung"),
        Param<&R::Invertieren>("Invertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
    };
    const auto x = achsenParameter<0>(texteX), y = achsenParameter<1>(texteY);
    std::copy(x.begin(), x.end(), t.begin() + 2);
    std::copy(y.begin(), y.end(), t.begin() + 13);
    return t;
}();

struct Spanne {
    double minimum = std::numeric_limits<double>::infinity();
    double maximum = -std::numeric_limits<double>::infinity();
    void nehmen(double v) {
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
    }
    bool leer() const { return minimum > maximum; }
};

// The operator 0..3, or 4 for any other value, which AchsenVerknuepfen makes 0.
int verknuepfungsArt(const R& r) {
    return r.Verknuepfung >= 0 && r.Verknuepfung <= 3 ? r.Verknuepfung : 4;
}

// Whether an operator rises with its x value and with its y value: the
// rounded product and sum of values in 0..1 rise with both, a difference
// rises with the first and falls with the second.
constexpr bool steigtMitX[5] = {true, true, true, false, true};
constexpr bool steigtMitY[5] = {true, true, false, true, true};

// The smallest and largest value of the field, before any cell is computed.
// Cell (x, y) joins the x curve's value at x, chosen by the band at y, with
// the y curve's value at y, chosen by the band at x. The columns of one band
// and the rows of one band thus make a group in which every x value meets
// every y value, and since each operator is monotone in each argument (also
// after rounding; WellenProfil stays within 0..1), the group's extremes are
// the operator on the extremes of its x and its y values.
Spanne feldSpanne(const R& r, const AchsenKurven& kx, const AchsenKurven& ky, int nx, int ny) {
    // [band of the column][band of the row]
    Spanne xWerte[2][2], yWerte[2][2];
    for (int x = 0; x < nx; ++x) {
        xWerte[ky.band[x]][0].nehmen(kx.v1[x]);
        xWerte[ky.band[x]][1].nehmen(kx.v2[x]);
    }
    for (int y = 0; y < ny; ++y) {
        yWerte[0][kx.band[y]].nehmen(ky.v1[y]);
        yWerte[1][kx.band[y]].nehmen(ky.v2[y]);
    }
    const int art = verknuepfungsArt(r);
    Spanne s;
    for (int bx = 0; bx < 2; ++bx) {
        for (int by = 0; by < 2; ++by) {
            const Spanne& a = xWerte[bx][by];
            const Spanne& b = yWerte[bx][by];
            if (a.leer() || b.leer()) continue;
            s.nehmen(AchsenVerknuepfen(art, steigtMitX[art] ? a.minimum : a.maximum,
                                       steigtMitY[art] ? b.minimum : b.maximum));
            s.nehmen(AchsenVerknuepfen(art, steigtMitX[art] ? a.maximum : a.minimum,
                                       steigtMitY[art] ? b.maximum : b.minimum));
        }
    }
    return s;
}

// Stretches to 0..1 and inverts as ZweitbildNormalisieren(1) and
// ZweitbildUmkehren do.
struct Strecke {
    double minimum, faktor;
    bool invertieren;
    double operator()(double w) const {
        const double v = clamp01((w - minimum) * faktor);
        return invertieren ? clamp01(1.0 - v) : v;
    }
};

// The rows 0..ny - 1 of a column with x values fx1 and fx2 and y values fy,
// stretched. zeilenBand[y] is kx.band[y] as a number, which lets the
// compiler take the rows in vector lanes.
template <int Art>
[[gnu::always_inline]] inline void zeilenFuellen(double fx1, double fx2, const double* fy,
                                                 const double* zeilenBand, const Strecke& strecke,
                                                 int ny, double* z) {
    for (int y = 0; y < ny; ++y)
        z[y] = strecke(AchsenVerknuepfen(Art, zeilenBand[y] != 0.0 ? fx2 : fx1, fy[y]));
}

// Column x of the field with operator `art` (verknuepfungsArt), compiled
// for the widest vectors the processor has.
__attribute__((target_clones("avx512f", "avx2", "default"))) void spalteFuellen(
    int art, const AchsenKurven& kx, const AchsenKurven& ky, const double* zeilenBand,
    const Strecke& strecke, int x, int ny, double* z) {
    // The x curve switches its phase in bands along y, the y curve in bands along x.
    const double fx1 = kx.v1[x], fx2 = kx.v2[x];
    const double* fy = ky.band[x] ? ky.v2.data() : ky.v1.data();
    switch (art) {
        case 0:
            return zeilenFuellen<0>(fx1, fx2, fy, zeilenBand, strecke, ny, z);
        case 1:
            return zeilenFuellen<1>(fx1, fx2, fy, zeilenBand, strecke, ny, z);
        case 2:
            return zeilenFuellen<2>(fx1, fx2, fy, zeilenBand, strecke, ny, z);
        case 3:
            return zeilenFuellen<3>(fx1, fx2, fy, zeilenBand, strecke, ny, z);
        default:
            return zeilenFuellen<4>(fx1, fx2, fy, zeilenBand, strecke, ny, z);
    }
}

// The whole field on two threads, by alternate columns, in one pass: the
// range is known from the curves.
template <class Spalte>
void feld(const R& r, int nx, int ny, Spalte&& spalte) {
    const int laenge = std::max(nx, ny);
    const AchsenKurven kx = FunktionenAchsenKurven(r.Achse[0], nx - 1, laenge);
    const AchsenKurven ky = FunktionenAchsenKurven(r.Achse[1], ny - 1, laenge);
    const Spanne s = feldSpanne(r, kx, ky, nx, ny);
    const bool flach = s.maximum == s.minimum;
    const Strecke strecke{flach ? 0.0 : s.minimum, flach ? 1.0 : 1.0 / (s.maximum - s.minimum),
                          r.Invertieren};
    const int art = verknuepfungsArt(r);
    const std::vector<double> zeilenBand(kx.band.begin(), kx.band.begin() + ny);
    ZweiFaeden([&](int t) {
        for (int x = t; x < nx; x += 2)
            spalteFuellen(art, kx, ky, zeilenBand.data(), strecke, x, ny, spalte(x));
    });
}

}  // namespace

std::span<const Parameter> FunktionenParameter() {
    return funktionenParameter;
}

double FunktionenKurve(const FunktionenAchse& a, int welche, double t) {
    return WellenProfil(a.Kurve, a.Welle, a.Negativ, a.AnstiegF, a.Stufen, a.Linearitaet2,
                        a.Linearitaet1, a.GammaF, a.Perioden,
                        welche == 1 ? a.Verschiebung1 : a.Verschiebung2, t);
}

AchsenKurven FunktionenAchsenKurven(const FunktionenAchse& a, int n, int laenge) {
    AchsenKurven k;
    k.v1.resize(n + 1);
    k.v2.resize(n + 1);
    k.band.resize(std::size_t(std::max(laenge, n + 1)));
    const double schritt = a.Perioden / (n + 1);
    for (int i = 0; i < int(k.band.size()); ++i) {
        const int pos = a.Negativ ? n - i : i;
        const double t = pos * schritt;
        k.band[i] = (long long)(std::trunc(t)) % 2 != 0;
        if (i > n) continue;
        k.v1[i] = FunktionenKurve(a, 1, t);
        k.v2[i] = FunktionenKurve(a, 2, t);
    }
    return k;
}

void FunktionenBerechnen(Dokument& dok, const FunktionenParamRec& rec) {
    // Every active cell is written, so the grid is not zeroed first.
    feld(rec, dok.MaxX + 1, dok.MaxY + 1, [&](int x) { return dok.Zweitbild.spalte(x); });
}

Status FunktionenAusfuehren(Dokument& dok, const Werte& werte) {
    FunktionenBerechnen(dok, recordAus<FunktionenParamRec>(FunktionenParameter(), werte));
    ZweitbildVerknuepfen(dok);
    return {};
}

void FunktionenVorschau(const FunktionenParamRec& rec, Vorschaufeld& v) {
    feld(rec, VorschauKante, VorschauKante, [&](int x) { return v.werte[x]; });
}

}  // namespace gm
