#include "filters/terrasse.h"

#include <cmath>

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

double TerrasseWert(const TerrasseRec& rec, double x) {
    const int n = rec.Stufen < 1 ? 1 : rec.Stufen;
    const double q = 1.0 / n;
    // Bounded as a double first, so a huge value never overflows the conversion.
    const double nx = n * x;
    const int k = !(nx >= 0.0) ? 0 : (nx >= n ? n - 1 : int(nx));
    double t = (x - k * q) * n;
    if (t <= rec.AnschnittUnten) t = 0.0;
    if (t >= rec.AnschnittOben) t = 1.0;
    double u = t * rec.Anstieg + rec.Verschiebung;
    const double m = rec.Mittelpunkt;
    if (rec.GammaUnten != 1.0 && rec.GammaUnten > 0.0 && u < m && m > 0.0 && u > 0.0) {
        u = m * std::pow(u / m, rec.GammaUnten);
    } else if (rec.GammaOben != 1.0 && rec.GammaOben > 0.0 && u > m && m > 0.0 && u > 0.0 &&
               m != 1.0) {
        u = m + (1.0 - m) * std::pow((u - m) / (1.0 - m), rec.GammaOben);
    }
    if (rec.BegrenzenUnten && u < 0.0) u = 0.0;
    if (rec.BegrenzenOben && u > 1.0) u = 1.0;
    return clamp01(u / n + k * q);
}

void TerrasseAnwenden(Dokument& dok, const TerrasseRec& rec) {
    freieZellenAbbilden(dok, [&rec](double v) { return TerrasseWert(rec, v); });
}

}  // namespace gm
