#include "filters/kraterisieren.h"

#include <cmath>
#include <cstdint>

#include "core/puffer.h"
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

// Whether the draws can be settled first (see KraterisierenVerteilt); a
// negative or non-finite parameter, which neither the dialog nor a script
// line sets, takes the cells one by one in order.
bool verteilbar(const KraterisierenRec& rec) {
    const bool endlich = std::isfinite(rec.Schnittlevel) && std::isfinite(rec.Randbreite) &&
                         std::isfinite(rec.Tiefe) && std::isfinite(rec.Zufall);
    return endlich && rec.Zufall >= 0.0;
}

void kraterisierenInFolge(Dokument& dok, const KraterisierenRec& rec) {
    Zufallsfolge zufall(dok.RandSeed);
    freieZellenAbbilden(dok, [&](double x) { return krater(rec, x, zufall); });
    dok.RandSeed = zufall.seed();
}

}  // namespace

double KraterWert(Dokument& dok, const KraterisierenRec& rec, double x) {
    auto zufall = [&dok] { return Random(dok); };
    return krater(rec, x, zufall);
}

void KraterisierenAnwenden(Dokument& dok, const KraterisierenRec& rec) {
    if (!verteilbar(rec)) return kraterisierenInFolge(dok, rec);
    KraterisierenVerteilt(dok, rec, KraterVektorVerfuegbar(), false);
}

void KraterisierenMitUndo(Dokument& dok, const KraterisierenRec& rec) {
    if (verteilbar(rec)) return KraterisierenVerteilt(dok, rec, KraterVektorVerfuegbar(), true);
    UndoSichern(dok);
    kraterisierenInFolge(dok, rec);
}

}  // namespace gm
