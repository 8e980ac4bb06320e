#include "formats/netz_auswahl.h"

#include <cmath>

#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

bool istEcke(int i, int j, int nx, int ny) {
    return (i == 0 || i == nx - 1) && (j == 0 || j == ny - 1);
}

// h lies strictly within t of the mean of each of the four neighbour pairs.
bool vorhersagbar(const Stichproben& s, int i, int j, double t) {
    const double h = s(i, j);
    const double paare[4][2] = {{s(i - 1, j), s(i + 1, j)},
                                {s(i, j - 1), s(i, j + 1)},
                                {s(i - 1, j - 1), s(i + 1, j + 1)},
                                {s(i - 1, j + 1), s(i + 1, j - 1)}};
    for (const auto& p : paare) {
        const double m = (p[0] + p[1]) / 2.0;
        if (!(h > m - t && h < m + t)) return false;
    }
    return true;
}

// Visits the samples in selection order and calls behalten(i, j, fest) for
// each kept one; fest tells a corner or unpredictable sample.
template <class F>
void auswahlLauf(Dokument& dok, const Stichproben& s, const NetzRec& rec, const Abweichung& a,
                 F&& behalten) {
    const int nx = s.nx(), ny = s.ny();
    const bool optimiert = a.nutzbar();
    const double zufall2 = rec.NetzZufall * rec.NetzZufall;
    const double logVerhaeltnis = optimiert ? std::log10(a.Dmin / a.Dmax) : 0.0;
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < ny; ++j) {
            if (istEcke(i, j, nx, ny)) {
                behalten(i, j, true);
            } else if (!optimiert) {
                if (Random(dok) < zufall2) behalten(i, j, false);
            } else {
                const double r = Random(dok);
                const double t =
                    a.Dmax *
                    std::pow(10.0, (r * rec.NetzStreuung + rec.NetzAbweichung) * logVerhaeltnis);
                if (!vorhersagbar(s, i, j, t)) {
                    behalten(i, j, true);
                } else if (Random(dok) < zufall2) {
                    behalten(i, j, false);
                }
            }
        }
    }
}

}  // namespace

Netzpunkt NetzpunktAn(const Stichproben& s, int i, int j, const NetzRec& rec, const NetzMasse& m) {
    const Normale n = FlaechenNormale(s, i, j, m);
    return {i * m.dx - rec.Laenge / 2,
            j * m.dy - rec.Breite / 2,
            s(i, j) * rec.Hoehe,
            n.nx,
            n.ny,
            n.nz};
}

NetzAuswahl PunkteAuswaehlen(Dokument& dok, const Stichproben& s, const NetzRec& rec,
                             const Abweichung& a, const NetzMarkierung& markierung) {
    NetzAuswahl aus;
    const NetzMasse m = netzMasse(rec);
    auswahlLauf(dok, s, rec, a, [&](int i, int j, bool) {
        aus.punkte.push_back(NetzpunktAn(s, i, j, rec, m));
        aus.gitter.push_back({i, j});
        if (markierung) markierung(i, j);
    });
    return aus;
}

NetzZaehlung PunkteZaehlen(Dokument& dok, const NetzRec& rec) {
    NetzZaehlung z;
    const Stichproben s = StichprobenBilden(dok, rec);
    z.abweichung = AbweichungBerechnen(s);
    z.maximal = long(rec.NetzPunkteX) * rec.NetzPunkteY;
    auswahlLauf(dok, s, rec, z.abweichung, [&](int, int, bool fest) {
        if (fest) ++z.fest;
        ++z.zufall;
    });
    return z;
}

Pixel markierPixel(int i, int j, const Dokument& dok, const NetzRec& rec, double zoom) {
    // Where the sample was taken: the mesh runs from the first to the last sample.
    return {roundToInt(i * (double(dok.MaxX) / (rec.NetzPunkteX - 1)) * zoom),
            roundToInt(j * (double(dok.MaxY) / (rec.NetzPunkteY - 1)) * zoom)};
}

}  // namespace gm
