#include "formats/netz_export.h"

#include "core/zufall.h"
#include "formats/netz_delaunay.h"

namespace gm {

std::optional<std::string> RegulaerGrenzeMeldung(const NetzRec& rec) {
    const long zellen = long(rec.NetzPunkteX - 1) * (rec.NetzPunkteY - 1);
    if (zellen <= NetzMaxZellen) return std::nullopt;
    return "Zuviel Punkte (" + std::to_string(zellen) + " - max. 550000)";
}

// Each cell's two triangles run (i, j), (i, j + 1), (i + 1, j) and
// (i + 1, j), (i, j + 1), (i + 1, j + 1): counter-clockwise seen from above in
// the exported frames, so their faces point up as the network's do.
Netz RegulaeresNetz(const Stichproben& s, const NetzRec& rec) {
    const int nx = s.nx(), ny = s.ny();
    const NetzMasse m = netzMasse(rec);
    Netz n;
    const std::size_t zellen = std::size_t(nx - 1) * (ny - 1);
    n.punkte.reserve(6 * zellen);
    n.dreiecke.reserve(2 * zellen);
    auto dreieck = [&](std::initializer_list<GitterPunkt> ecken) {
        for (const GitterPunkt& g : ecken)
            n.punkte.push_back(NetzpunktAn(s, g.x, g.y, rec, m));
        const auto t = std::int32_t(n.dreiecke.size() + 1);
        n.dreiecke.push_back({3 * t - 2, 3 * t - 1, 3 * t});
    };
    for (int i = 0; i < nx - 1; ++i) {
        for (int j = 0; j < ny - 1; ++j) {
            dreieck({{i, j}, {i, j + 1}, {i + 1, j}});
            dreieck({{i + 1, j}, {i, j + 1}, {i + 1, j + 1}});
        }
    }
    return n;
}

Status NetzBilden(Dokument& dok, const NetzRec& rec, const NetzOptionen& optionen, Netz& netz) {
    netz = {};
    if (!rec.Optimierung) {
        if (auto m = RegulaerGrenzeMeldung(rec)) return Status::fehler(*m);
    }
    auto fortschritt = [&](double f) {
        if (optionen.fortschritt) optionen.fortschritt(f);
    };
    fortschritt(0.0);
    const Stichproben s = StichprobenBilden(dok, rec);
    if (!rec.Optimierung) {
        netz = RegulaeresNetz(s, rec);
        fortschritt(1.0);
        return {};
    }
    if (optionen.seed) {
        setzeSeed(dok, *optionen.seed);
    } else {
        Randomize(dok);
    }
    NetzAuswahl aus = PunkteAuswaehlen(dok, s, rec, AbweichungBerechnen(s), optionen.markierung);
    fortschritt(0.3);
    const double dx = rec.Laenge / (rec.NetzPunkteX - 1), dy = rec.Breite / (rec.NetzPunkteY - 1);
    netz.dreiecke = Triangulieren(aus.gitter, (dy / dx) * (dy / dx), optionen.meldung);
    netz.punkte = std::move(aus.punkte);
    fortschritt(1.0);
    return {};
}

Status ExportiereNetz(Dokument& dok, const NetzRec& rec, NetzFormat format, const std::string& pfad,
                      const NetzOptionen& optionen) {
    Netz netz;
    if (Status s = NetzBilden(dok, rec, optionen, netz); !s) return s;
    return NetzSchreiben(format, netz, pfad);
}

}  // namespace gm
