#include "filters/hell_kontr.h"

#include <cstddef>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter HellKontrParameter[2] = {
    Param<&HellKontrRec::Helligkeit>("Helligkeit", 0.0, -1.0, 1.0, Skala::Linear, 0.01,
                                     "Helligkeit"),
    Param<&HellKontrRec::Kontrast>("Kontrast", 1.0, 0.01, 2.0, Skala::Linear, 0.01, "Kontrast"),
};

double HellKontrKurve(const HellKontrRec& rec, double x) {
    double t = x - rec.Helligkeit;
    if (rec.Kontrast > 0.0) t = t / rec.Kontrast;
    return clamp01(t);
}

const ScriptArgument HellKontrArgumente[2] = {
    Arg<&HellKontrRec::Helligkeit>(0.0, 1.0, -1.0),
    Arg<&HellKontrRec::Kontrast>(1.0, 2.0, 0.01),
};

bool HellKontrUebersprungen(const HellKontrRec& rec) {
    return rec.Kontrast == 0.0 || (rec.Helligkeit == 0.0 && rec.Kontrast == 1.0);
}

void HelligkeitKontrastAnwenden(Dokument& dok, const HellKontrRec& rec) {
    if (HellKontrUebersprungen(rec)) return;
    freieZellenAbbilden(dok, [&](double v) { return HellKontrKurve(rec, v); });
}

void HelligkeitKontrast(Dokument& dok, const HellKontrRec& rec) {
    if (!HellKontrUebersprungen(rec)) {
        UndoSichern(dok);
        HelligkeitKontrastAnwenden(dok, rec);
    }
    ScriptAnhaengen(dok, ScriptZeileAus("lumcontr", HellKontrArgumente, rec));
}

void HelligkeitKontrastNachspielen(Dokument& dok, ScriptArgumente& args) {
    HelligkeitKontrastAnwenden(dok, ausArgumenten<HellKontrRec>(args, HellKontrArgumente, dok));
}

Histogramm HistogrammFuellen(const Dokument& dok) {
    Histogramm h;
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* s = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const double b = roundHalfEven(32.0 * s[y]);
            // Written so that a NaN falls into bin 0 instead of an undefined cast.
            const int bin =
                !(b > 0.0) ? 0 : (b >= HistogrammBins - 1 ? HistogrammBins - 1 : int(b));
            ++h.anzahl[std::size_t(bin)];
        }
    }
    for (int n : h.anzahl)
        h.groesste = n > h.groesste ? n : h.groesste;
    return h;
}

Status HelligkeitKontrastAusfuehren(Dokument& dok, const Werte& werte) {
    HelligkeitKontrast(dok, recordAus<HellKontrRec>(HellKontrParameter, werte));
    return {};
}

}  // namespace gm
