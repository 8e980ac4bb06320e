#include "filters/invertieren.h"

#include <cstddef>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "filters/zellen.h"

namespace gm {

const Parameter SkalierenParameter[2] = {
    Param<&SkalierenRec::Minimum>("Minimum", 0.0, 0.0, 1.0),
    Param<&SkalierenRec::Maximum>("Maximum", 1.0, 0.0, 1.0),
};

const ScriptArgument SkalierenArgumente[2] = {
    Arg<&SkalierenRec::Minimum>(0.0, 1.0, 0.0),
    Arg<&SkalierenRec::Maximum>(1.0, 1.0, 0.0),
};

void InvertierenAnwenden(Dokument& dok) {
    freieZellenAbbilden(dok, [](double v) {
        const double r = 1.0 - v;
        return r < 0.0 ? 0.0 : r;
    });
}

void Invertieren(Dokument& dok) {
    UndoSichern(dok);
    InvertierenAnwenden(dok);
    ScriptAnhaengen(dok, "invert");
}

void InvertierenNachspielen(Dokument& dok, ScriptArgumente&) {
    InvertierenAnwenden(dok);
}

void Strecken(Dokument& dok, double a, double b) {
    UndoSichern(dok);
    BereichSkalieren(dok, a, b);
    ScriptAnhaengen(dok, ScriptZeileAus("scale", SkalierenArgumente, SkalierenRec{a, b}));
}

void StreckenNullEins(Dokument& dok) {
    Strecken(dok, 0.0, 1.0);
}

void StreckenMarken(Dokument& dok) {
    Strecken(dok, dok.MarkeUnten.Wert, dok.MarkeOben.Wert);
}

void SkalierenNachspielen(Dokument& dok, ScriptArgumente& args) {
    const auto rec = ausArgumenten<SkalierenRec>(args, SkalierenArgumente, dok);
    BereichSkalieren(dok, rec.Minimum, rec.Maximum);
}

void ModifizierenNachspielen(Dokument& dok, ScriptArgumente&) {
    ModifizierenAnwenden(dok);
}

Status InvertierenAusfuehren(Dokument& dok, const Werte&) {
    Invertieren(dok);
    return {};
}

Status SkalierenAusfuehren(Dokument& dok, const Werte& werte) {
    const SkalierenRec rec = recordAus<SkalierenRec>(SkalierenParameter, werte);
    Strecken(dok, rec.Minimum, rec.Maximum);
    return {};
}

Status ModifizierenAusfuehren(Dokument& dok, const Werte&) {
    Modifizieren(dok);
    return {};
}

}  // namespace gm
