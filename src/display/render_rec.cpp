#include "display/render_rec.h"

#include <cstddef>

namespace gm {

namespace {

#define GM_REAL(feld, vorgabe, titel) \
    Param<&RenderRec::feld>(#feld, vorgabe, 0.0, 1.0, Skala::Linear, 0.01, titel)
#define GM_FARBE(farbfeld, teil, vorgabe) \
    Param<&RenderRec::farbfeld, &RenderColour::teil>(#farbfeld "." #teil, vorgabe, 0.0, 1.0)

const Parameter renderParameter[] = {
    Param<&RenderRec::Schnee>("Schnee", 0, 0, 1, Skala::Linear, 1, "Schnee"),
    Param<&RenderRec::Fels>("Fels", 0, 0, 1, Skala::Linear, 1, "Fels"),
    GM_REAL(SchneeHoehe, 0.8, "Grenze Schnee X"),
    GM_REAL(SchneeHoeheBreite, 0.1, "Grenze Schnee X"),
    GM_REAL(SchneeMisch, 0.8, "Grenze Schnee NX"),
    GM_REAL(SchneeMischBreite, 0.1, "Grenze Schnee NX"),
    GM_REAL(FelsHoehe, 0.3, "Grenze Fels X"),
    GM_REAL(FelsHoeheBreite, 0.1, "Grenze Fels X"),
    GM_REAL(FelsMisch, 0.8, "Grenze Fels NX"),
    GM_REAL(FelsMischBreite, 0.1, "Grenze Fels NX"),
    GM_FARBE(SchneeFarbe1, Nummer, 0.0),
    GM_FARBE(SchneeFarbe1, Rot, 1.0),
    GM_FARBE(SchneeFarbe1, Gruen, 1.0),
    GM_FARBE(SchneeFarbe1, Blau, 1.0),
    GM_FARBE(SchneeFarbe2, Nummer, 1.0),
    GM_FARBE(SchneeFarbe2, Rot, 0.8),
    GM_FARBE(SchneeFarbe2, Gruen, 0.8),
    GM_FARBE(SchneeFarbe2, Blau, 0.9),
    GM_FARBE(FelsFarbe1, Nummer, 0.0),
    GM_FARBE(FelsFarbe1, Rot, 0.7),
    GM_FARBE(FelsFarbe1, Gruen, 0.7),
    GM_FARBE(FelsFarbe1, Blau, 0.7),
    GM_FARBE(FelsFarbe2, Nummer, 1.0),
    GM_FARBE(FelsFarbe2, Rot, 0.5),
    GM_FARBE(FelsFarbe2, Gruen, 0.7),
    GM_FARBE(FelsFarbe2, Blau, 0.5),
    GM_REAL(HoehenZufall, 0.0, "Höhenverschiebung"),
    GM_REAL(SchneeGewicht, 0.5, "Abh. von Schnee"),
    GM_REAL(SchneeSchwelle, 0.0, "Zufall Schnee"),
    GM_REAL(FelsGewicht, 0.5, "Abh. von Fels"),
    GM_REAL(FelsSchwelle, 0.0, "Zufall Fels"),
    GM_REAL(GelaendeGewicht, 0.5, "Abhängigkeit von  NX"),
    GM_REAL(GelaendeSchwelle, 0.0, "Zufall"),
};

#undef GM_REAL
#undef GM_FARBE

}  // namespace

std::span<const Parameter> RenderParameter() {
    return renderParameter;
}

}  // namespace gm
