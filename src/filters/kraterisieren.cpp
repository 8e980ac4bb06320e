#include "filters/kraterisieren.h"

#include <cmath>
#include <cstdint>

#include "core/zahlen.h"
#include "core/zufall.h"
#include "filters/krater_band.h"
#include "filters/krater_spalte.h"
#include "filters/zellen.h"

namespace gm {

const Parameter KraterisierenParameter[4] = {
    Param<&KraterisierenRec::Schnittlevel>("Schnittlevel", 0.66, 0.01, 1.0, Skala::Linear, 0.01,
                                           "Schnittlevel"),
    Param<&KraterisierenRec::Randbreite>("Randbreite", 0.0, 0.0, 1.0, Skala::Linear, 0.01),
    Param<&KraterisierenRec::Tiefe>("Tiefe", 1.0, -10.0, 10.0, Skala::Linear, 0.01, "Tiefe"),
    Param<&KraterisierenRec::Zufall>("Zufall", 0.0, 0.0, 1.0, Skala::Linear, 0.01, "Zufall"),
};

const ScriptArgument KraterisierenArgumente[4] = {
    Arg<&KraterisierenRec::Schnittlevel>(0.66, 1.0, 0.01),
    Arg<&KraterisierenRec::Randbreite>(0.0, 1.0, 0.0),
    Arg<&KraterisierenRec::Tiefe>(1.0, 10.0, -10.0),
    Arg<&KraterisierenRec::Zufall>(0.0, 1.0, 0.0),
};

namespace {

template <class Zufall>
inline double krater(const KraterisierenRec& rec, double x, Zufall& zufall) {
    const double z = rec.Zufall;
    const double halb = rec.Randbreite / 2.0;
    const double p = rec.Schnittlevel + (zufall() - 0.5) * z * 0.1;
    const double lo = p - halb;
    const double hi = p + halb;
    if (x < lo) return clamp01(x);
    if (x < hi) return clamp01(lo + zufall() * (halb - std::fabs(x - p)) * z);
    return clamp01(lo - (x - hi) * rec.Tiefe);
}

}  // namespace

double KraterWert(Dokument& dok, const KraterisierenRec& rec, double x) {
    auto zufall = [&dok] { return Random(dok); };
    return krater(rec, x, zufall);
}

void KraterisierenAnwenden(Dokument& dok, const KraterisierenRec& rec) {
    const bool endlich = std::isfinite(rec.Schnittlevel) && std::isfinite(rec.Randbreite) &&
                         std::isfinite(rec.Tiefe) && std::isfinite(rec.Zufall);
    if (endlich && rec.Zufall >= 0.0)
        return KraterisierenVerteilt(dok, rec, KraterVektorVerfuegbar());
    // The draws depend on the mask and the data, so the cells go one after
    // the other, on a local copy of the seed. The band's centre moves by at
    // most 0.05 z, so a value clearly below or above every possible band
    // needs no second draw, and its outcome does not hold up the next cell's
    // draw; only values near the band take the full path. Each case computes
    // exactly what krater() computes for it.
    const KraterisierenRec r = rec;
    const double spiel = 0.05 * std::fabs(r.Zufall) + std::fabs(r.Randbreite) / 2.0 + 1e-9;
    const double sicherUnten = r.Schnittlevel - spiel;
    const double sicherOben = r.Schnittlevel + spiel;
    const double halb = r.Randbreite / 2.0;
    Zufallsfolge zufall(dok.RandSeed);
    freieZellenAbbilden(dok, [&](double x) {
        if (x < sicherUnten) {
            zufall();
            return clamp01(x);
        }
        if (x >= sicherOben) {
            const double p = r.Schnittlevel + (zufall() - 0.5) * r.Zufall * 0.1;
            return clamp01((p - halb) - (x - (p + halb)) * r.Tiefe);
        }
        return krater(r, x, zufall);
    });
    dok.RandSeed = zufall.seed();
}

}  // namespace gm
