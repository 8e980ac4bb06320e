#include "filters/terrasse.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter TerrasseParameter[11] = {
    Param<&TerrasseRec::TerrasseReserve>("TerrasseReserve", 0.0, 0.0, 1.0),
    Param<&TerrasseRec::Stufen>("Stufen", 4, 1, 16, Skala::Linear, 1, "Stufen"),
    Param<&TerrasseRec::Verschiebung>("Verschiebung", -1.0, -1.0, 1.0, Skala::Linear, 0.01,
                                      "Verschiebung"),
    Param<&TerrasseRec::Anstieg>("Anstieg", 2.0, -3.0, 3.0, Skala::Linear, 0.01, "Anstieg"),
    Param<&TerrasseRec::Mittelpunkt>("Mittelpunkt", 0.5, 0.0, 1.0, Skala::Linear, 0.01,
                                     "Mittelpunkt"),
    Param<&TerrasseRec::GammaUnten>("GammaUnten", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                    "Gamma Unten"),
    Param<&TerrasseRec::GammaOben>("GammaOben", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                   "Gamma Oben"),
    Param<&TerrasseRec::AnschnittUnten>("AnschnittUnten", 0.0, 0.0, 1.0, Skala::Linear, 0.01,
                                        "Anschnitt Unten"),
    Param<&TerrasseRec::AnschnittOben>("AnschnittOben", 1.0, 0.0, 1.0, Skala::Linear, 0.01,
                                       "Anschnitt Oben"),
    Param<&TerrasseRec::BegrenzenUnten>("BegrenzenUnten", 1, 0, 1, Skala::Linear, 1,
                                        "Begrenzen Unten"),
    Param<&TerrasseRec::BegrenzenOben>("BegrenzenOben", 1, 0, 1, Skala::Linear, 1,
                                       "Begrenzen Oben"),
};

const ScriptArgument TerrasseArgumente[11] = {
    Arg<&TerrasseRec::TerrasseReserve>(0.0, 1.0, 0.0),
    Arg<&TerrasseRec::Stufen>(4, 16, 1),
    Arg<&TerrasseRec::Verschiebung>(-1.0, 1.0, -1.0),
    Arg<&TerrasseRec::Anstieg>(2.0, 3.0, -3.0),
    Arg<&TerrasseRec::Mittelpunkt>(0.5, 1.0, 0.0),
    Arg<&TerrasseRec::GammaUnten>(1.0, 100.0, 0.01),
    Arg<&TerrasseRec::GammaOben>(1.0, 100.0, 0.01),
    Arg<&TerrasseRec::AnschnittUnten>(0.0, 1.0, 0.0),
    Arg<&TerrasseRec::AnschnittOben>(1.0, 1.0, 0.0),
    // Only exactly 1 is inside the range 1..1; anything else gives the default 0.
    Arg<&TerrasseRec::BegrenzenUnten>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
    Arg<&TerrasseRec::BegrenzenOben>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
};

namespace {

// The record's values as the transfer function uses them, all as doubles so
// the loop over a column vectorises; each clamp flag becomes a limit that
// either tests like the flag or can never be crossed.
struct Terrasse {
    double n, q, nMinus1;
    double anschnittUnten, anschnittOben, anstieg, verschiebung;
    double m, gammaUnten, gammaOben;
    double grenzeUnten, grenzeOben;
    bool gammaUntenAktiv, gammaObenAktiv;

    explicit Terrasse(const TerrasseRec& r)
        : n(r.Stufen < 1 ? 1 : r.Stufen),
          q(1.0 / n),
          nMinus1(n - 1),
          anschnittUnten(r.AnschnittUnten),
          anschnittOben(r.AnschnittOben),
          anstieg(r.Anstieg),
          verschiebung(r.Verschiebung),
          m(r.Mittelpunkt),
          gammaUnten(r.GammaUnten),
          gammaOben(r.GammaOben),
          grenzeUnten(r.BegrenzenUnten ? 0.0 : -std::numeric_limits<double>::infinity()),
          grenzeOben(r.BegrenzenOben ? 1.0 : std::numeric_limits<double>::infinity()),
          gammaUntenAktiv(r.GammaUnten != 1.0 && r.GammaUnten > 0.0 && r.Mittelpunkt > 0.0),
          // Skipped at Mittelpunkt 1, where it would divide by zero.
          gammaObenAktiv(r.GammaOben != 1.0 && r.GammaOben > 0.0 && r.Mittelpunkt > 0.0 &&
                         r.Mittelpunkt != 1.0) {}

    // T(x) with every branch a select; `MitGamma` false leaves out the gamma
    // steps, for records where neither can apply.
    template <bool MitGamma>
    double operator()(double x) const {
        // Bounded as a double first, so a huge value never overflows the conversion.
        const double nx = n * x;
        const double grenze = !(nx >= 0.0) ? 0.0 : (nx > nMinus1 ? nMinus1 : nx);
        const double kq = int(grenze) * q;
        double t = (x - kq) * n;
        t = t <= anschnittUnten ? 0.0 : t;
        t = t >= anschnittOben ? 1.0 : t;
        double u = t * anstieg + verschiebung;
        if constexpr (MitGamma) {
            if (gammaUntenAktiv && u < m && u > 0.0) {
                u = m * std::pow(u / m, gammaUnten);
            } else if (gammaObenAktiv && u > m && u > 0.0) {
                u = m + (1.0 - m) * std::pow((u - m) / (1.0 - m), gammaOben);
            }
        }
        u = u < grenzeUnten ? 0.0 : u;
        u = u > grenzeOben ? 1.0 : u;
        return clamp01(u / n + kq);
    }
};

template <bool MitGamma>
void spaltenTerrassieren(Dokument& dok, const Terrasse& r, int anfang, int ende) {
    // A local copy: the compiler then knows the writes to the field leave it alone.
    const Terrasse f = r;
    for (int x = anfang; x < ende; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const double v = f.template operator()<MitGamma>(h[y]);
            h[y] = m[y] == 0 ? v : h[y];
        }
    }
}

}  // namespace

double TerrasseWert(const TerrasseRec& rec, double x) {
    return Terrasse(rec).operator()<true>(x);
}

void TerrasseAnwenden(Dokument& dok, const TerrasseRec& rec) {
    const Terrasse f(rec);
    const bool gamma = f.gammaUntenAktiv || f.gammaObenAktiv;
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, dok.MaxX + 1);
        if (gamma) {
            spaltenTerrassieren<true>(dok, f, s.anfang, s.ende);
        } else {
            spaltenTerrassieren<false>(dok, f, s.anfang, s.ende);
        }
    });
}

}  // namespace gm
