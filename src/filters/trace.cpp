#include "filters/trace.h"

#include <algorithm>

#include "core/puffer.h"
#include "core/script_liste.h"

namespace gm {

const Parameter TraceParameter[4] = {
    Param<&TraceRec::TraceToleranz>("TraceToleranz", 0.1, 0.01, 1.0, Skala::Linear, 0.01,
                                    "Toleranz"),
    Param<&TraceRec::TraceDichte>("TraceDichte", 1, 1, 999, Skala::Logarithmisch, 1, "Dichte"),
    Param<&TraceRec::TraceWert>("TraceWert", 0, 0, 3, Skala::Linear, 1, "Gitter"),
    Param<&TraceRec::TraceReserve>("TraceReserve", 0, 0, 1, Skala::Linear, 1, "Reserve"),
};

const ScriptArgument TraceArgumente[4] = {
    Arg<&TraceRec::TraceToleranz>(0.1, 100.0, 0.01),
    Arg<&TraceRec::TraceDichte>(1, 999, 1),
    Arg<&TraceRec::TraceWert>(0, 3, 0),
    Arg<&TraceRec::TraceReserve>(0, 1, 0),
};

double TraceHoehe(const Dokument& dok, int traceWert) {
    switch (traceWert) {
        case 1:
            return dok.MarkeUnten.Wert;
        case 2:
            return dok.MarkeOben.Wert;
        case 3:
            return 1.0;
        default:
            return 0.0;
    }
}

namespace {

// One run's reference height and the examination of a neighbour.
struct Spur {
    const TFeld& h;
    TFeld& z;
    double t;
    double wert;
    double referenz = 0.0;
    bool gesetzt = false;

    void pruefen(int cx, int cy, int mx, int my) {
        const double hc = h(cx, cy), hm = h(mx, my);
        if (!(hm - t > hc || hm + t < hc)) return;
        if (!gesetzt) {
            referenz = hm;
            gesetzt = true;
            z(cx, cy) = wert;
        } else if (hc == referenz) {
            z(mx, my) = wert;
        } else {
            z(cx, cy) = wert;
        }
    }
};

}  // namespace

void TraceAnwenden(Dokument& dok, const TraceRec& rec) {
    ZweitbildKopieren(dok);
    Spur spur{dok.Hoehenfeld, dok.Zweitbild, rec.TraceToleranz / 30.0,
              TraceHoehe(dok, rec.TraceWert)};
    const int maxX = dok.MaxX, maxY = dok.MaxY;
    // Hoehenfeld never changes and every write stores the same height, so an
    // iteration repeats the writes of the one before it once the reference
    // is set; the reference is found, if at all, within the first two.
    const int n = std::min(rec.TraceDichte, 2);
    for (int i = 1; i <= n; ++i) {
        for (int y = 0; y <= maxY - 1; ++y) {
            for (int x = 0; x <= maxX - 2; ++x) {
                spur.pruefen(x, y, x + 1, y);
                spur.pruefen(x, y, x, y + 1);
            }
        }
        if (i < 2) continue;
        for (int y = maxY - 1; y >= 1; --y) {
            for (int x = maxX - 1; x >= 2; --x) {
                spur.pruefen(x, y, x - 1, y);
                spur.pruefen(x, y, x, y - 1);
            }
        }
    }
    ZweitbildUebernehmen(dok);
}

Status TraceAusfuehren(Dokument& dok, const Werte& werte) {
    const TraceRec rec = recordAus<TraceRec>(TraceParameter, werte);
    UndoSichern(dok);
    TraceAnwenden(dok, rec);
    ScriptAnhaengen(dok, ScriptZeileAus("trace", TraceArgumente, rec));
    return {};
}

void TraceNachspielen(Dokument& dok, ScriptArgumente& args) {
    TraceAnwenden(dok, ausArgumenten<TraceRec>(args, TraceArgumente, dok));
}

}  // namespace gm
