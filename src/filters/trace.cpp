#include "filters/trace.h"

#include <algorithm>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/script_liste.h"

namespace gm {

const Parameter TraceParameter[4] = {
    Param<&TraceRec::TraceToleranz>("TraceToleranz", 0.1, 0.01, 100.0, Skala::Linear, 0.01,
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

bool stufe(double hc, double hm, double t) {
    return (hm - t > hc) | (hm + t < hc);
}

// Where the first step of a sweep lies, in the sweep's own order.
struct Fund {
    bool gefunden = false;
    long long rang = 0;
    double referenz = 0.0;
};

// The forward sweep visits (x, y) for y = 0..MaxY-1 outer, x = 0..MaxX-2
// inner, the right neighbour before the lower one. Each column is scanned
// down to its first step only, and the column whose step comes first in the
// sweep's order gives the reference.
Fund ersteStufeVorwaerts(const TFeld& h, int maxX, int maxY, double t) {
    Fund f;
    for (int x = 0; x <= maxX - 2; ++x) {
        const double* s = h.spalte(x);
        const double* r = h.spalte(x + 1);
        for (int y = 0; y <= maxY - 1; ++y) {
            const long long rang = (long long)(y)*maxX + x;
            if (f.gefunden && rang > f.rang) break;
            double m;
            if (stufe(s[y], r[y], t)) {
                m = r[y];
            } else if (stufe(s[y], s[y + 1], t)) {
                m = s[y + 1];
            } else {
                continue;
            }
            f = {true, rang, m};
            break;
        }
    }
    return f;
}

// The backward sweep: y = MaxY-1 down to 1 outer, x = MaxX-1 down to 2
// inner, the left neighbour before the upper one.
Fund ersteStufeRueckwaerts(const TFeld& h, int maxX, int maxY, double t) {
    Fund f;
    for (int x = maxX - 1; x >= 2; --x) {
        const double* s = h.spalte(x);
        const double* l = h.spalte(x - 1);
        for (int y = maxY - 1; y >= 1; --y) {
            const long long rang = (long long)(maxY - 1 - y) * maxX + (maxX - 1 - x);
            if (f.gefunden && rang > f.rang) break;
            double m;
            if (stufe(s[y], l[y], t)) {
                m = l[y];
            } else if (stufe(s[y], s[y - 1], t)) {
                m = s[y - 1];
            } else {
                continue;
            }
            f = {true, rang, m};
            break;
        }
    }
    return f;
}

}  // namespace

// Hoehenfeld never changes and every write stores the same height. Once the
// reference r is set, a step between the current cell c and its neighbour m
// writes m when H(c) = r and c otherwise; the step that sets r writes c, which
// is what the rule gives for it too, since H(c) differs from r = H(m). So the
// result is the set of cells the rule picks over every examined pair, in any
// order, once r is known: r comes from the first step of the forward sweep,
// or, when the forward sweep has none and a second iteration runs, from the
// first step of the backward sweep. Iterations after the second examine no
// new pairs.
void TraceAnwenden(Dokument& dok, const TraceRec& rec) {
    ZweitbildKopieren(dok);
    const TFeld& h = dok.Hoehenfeld;
    TFeld& z = dok.Zweitbild;
    const double t = rec.TraceToleranz / 30.0;
    const double wert = TraceHoehe(dok, rec.TraceWert);
    const int maxX = dok.MaxX, maxY = dok.MaxY;
    const bool rueckwaerts = rec.TraceDichte >= 2;
    Fund f = ersteStufeVorwaerts(h, maxX, maxY, t);
    if (!f.gefunden && rueckwaerts) f = ersteStufeRueckwaerts(h, maxX, maxY, t);
    if (f.gefunden) {
        // Branch-free per pair: a step writes the neighbour when the current
        // cell lies at the reference height, else the current cell. The
        // steps of a rough field are unpredictable, so selects beat jumps.
        const double r = f.referenz;
        auto setzen = [wert](double& ziel, bool ja) { ziel = ja ? wert : ziel; };
        // The current cell of column x writes columns x and x + 1.
        auto vorwaerts = [&](int x) {
            const double* hc = h.spalte(x);
            const double* hr = h.spalte(x + 1);
            double* zc = z.spalte(x);
            double* zr = z.spalte(x + 1);
            for (int y = 0; y <= maxY - 1; ++y) {
                const double c = hc[y];
                const bool e = c == r;
                const bool rechts = stufe(c, hr[y], t), unten = stufe(c, hc[y + 1], t);
                setzen(zr[y], rechts & e);
                setzen(zc[y + 1], unten & e);
                setzen(zc[y], (rechts | unten) & !e);
            }
        };
        // The current cell of column x writes columns x - 1 and x.
        auto rueckwaerts_ = [&](int x) {
            const double* hc = h.spalte(x);
            const double* hl = h.spalte(x - 1);
            double* zc = z.spalte(x);
            double* zl = z.spalte(x - 1);
            for (int y = 1; y <= maxY - 1; ++y) {
                const double c = hc[y];
                const bool e = c == r;
                const bool links = stufe(c, hl[y], t), oben = stufe(c, hc[y - 1], t);
                setzen(zl[y], links & e);
                setzen(zc[y - 1], oben & e);
                setzen(zc[y], (links | oben) & !e);
            }
        };
        // Two halves of columns on two threads write disjoint columns; the
        // column between them, which would write into both, runs afterwards.
        const int mitte = maxX / 2;
        ZweiFaeden([&](int teil) {
            if (teil == 0) {
                for (int x = 0; x <= std::min(mitte - 2, maxX - 2); ++x)
                    vorwaerts(x);
            } else {
                for (int x = mitte; x <= maxX - 2; ++x)
                    vorwaerts(x);
            }
        });
        if (mitte - 1 >= 0 && mitte - 1 <= maxX - 2) vorwaerts(mitte - 1);
        if (rueckwaerts) {
            ZweiFaeden([&](int teil) {
                if (teil == 0) {
                    for (int x = 2; x <= std::min(mitte - 1, maxX - 1); ++x)
                        rueckwaerts_(x);
                } else {
                    for (int x = std::max(2, mitte + 1); x <= maxX - 1; ++x)
                        rueckwaerts_(x);
                }
            });
            if (mitte >= 2 && mitte <= maxX - 1) rueckwaerts_(mitte);
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
