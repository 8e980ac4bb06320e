#include <string>

#include "editing/strich_zeile.h"
#include "editing/werkzeug.h"

namespace gm {

Status PunkteAnwenden(Dokument& dok, const WerkzeugEinstellungen& e, int werkzeug, bool rechts,
                      std::span<const Punkt> punkte) {
    const WerkzeugInfo* w = WerkzeugMitNummer(werkzeug);
    if (w == nullptr) return Status::fehler("unknown tool " + std::to_string(werkzeug));
    const bool paarweise = w->regel != WerkzeugRegel::Pipette && e.Platzierung <= 2;
    if (paarweise && punkte.size() % 2 != 0) {
        return Status::fehler("placement " + std::to_string(e.Platzierung) +
                              " takes the points in pairs (press, release), got " +
                              std::to_string(punkte.size()));
    }
    dok.Werkzeug = werkzeug;
    Strich s{werkzeug, rechts, {}, e.Form, e.Berg};
    for (std::size_t i = 0; i < punkte.size(); i += paarweise ? 2 : 1) {
        if (paarweise) {
            s.Box = ZugBox(e.Platzierung, punkte[i], punkte[i + 1]);
        } else if (w->regel == WerkzeugRegel::Pipette) {
            s.Box = ZugBox(1, punkte[i], punkte[i]);
        } else {
            s.Box = KlickBox(dok, e, punkte[i]);
        }
        WerkzeugAnwenden(dok, s);
    }
    return {};
}

}  // namespace gm
