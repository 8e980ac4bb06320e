#include "editing/werkzeug.h"

#include <algorithm>
#include <cmath>

#include "core/kombination.h"
#include "core/maske.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm {

namespace {

using enum Umrissart;
using R = WerkzeugRegel;

// clang-format off
constexpr WerkzeugInfo kWerkzeuge[] = {
    {1,  "mountain1",     Berg1,   Profil::Flach, R::Verknuepfen},
    {2,  "mountain2",     Berg2,   Profil::Flach, R::Verknuepfen},
    {31, "circle",        Ellipse, Profil::Flach, R::Verknuepfen},
    {32, "cone",          Ellipse, Profil::Spitz, R::Verknuepfen},
    {33, "sphere",        Ellipse, Profil::Rund,  R::Verknuepfen},
    {41, "polygon",       Polygon, Profil::Flach, R::Verknuepfen},
    {42, "polygon-sharp", Polygon, Profil::Spitz, R::Verknuepfen},
    {44, "polygon-round", Polygon, Profil::Rund,  R::Verknuepfen},
    {5,  "mask-circle",   Ellipse, Profil::Flach, R::Maske},
    {6,  "mask-polygon",  Polygon, Profil::Flach, R::Maske},
    {7,  "same-circle",   Ellipse, Profil::Flach, R::Angleichen},
    {8,  "same-polygon",  Polygon, Profil::Flach, R::Angleichen},
    {10, "soft-circle",   Ellipse, Profil::Flach, R::Weich},
    {11, "soft-polygon",  Polygon, Profil::Flach, R::Weich},
    {12, "hard-circle",   Ellipse, Profil::Flach, R::Hart},
    {13, "hard-polygon",  Polygon, Profil::Flach, R::Hart},
    {9,  "pipette",       Keiner,  Profil::Flach, R::Pipette},
};
// clang-format on

// Ellipse tools draw their outline with this many corners.
constexpr int EllipsenEcken = 24;

double klickGroesse(Dokument& dok, const ReglerWert& r) {
    return std::clamp(r.Wert + (Random(dok) - 0.5) * 2.0 * r.Streuung, MinKlickGroesse,
                      MaxKlickGroesse);
}

// Rasterises the shape into the emptied Zweitbild with amplitude 1.
Rechteck rastern(Dokument& dok, const WerkzeugInfo& w, const Strich& s, Zufallsfolge& zufall) {
    FormRec form = s.Box;
    FormWuerfeln(w.nummer, form, s.Form, zufall);
    const Umriss u = FormEckpunkte(form, zufall);
    switch (w.umriss) {
        case Ellipse:
            return EllipseRastern(dok, form, u, w.profil, 1.0);
        case Polygon:
            return PolygonRastern(dok, form, u, w.profil, 1.0);
        case Berg1:
        case Berg2: {
            Dreiecksliste liste;
            if (w.umriss == Berg1) {
                BergKanten(s.Berg, u, 1.0, zufall, liste);
            } else {
                BergSchwerpunkt(s.Berg, u, 1.0, zufall, liste);
            }
            return DreieckeZeichnen(dok, liste);
        }
        case Keiner:
            break;
    }
    return {};
}

bool hatWerte(const Dokument& dok, const Rechteck& r) {
    for (int x = r.x0; x <= r.x1; ++x) {
        const double* z = dok.Zweitbild.spalte(x);
        for (int y = r.y0; y <= r.y1; ++y) {
            if (z[y] != KeinWert) return true;
        }
    }
    return false;
}

}  // namespace

std::span<const WerkzeugInfo> Werkzeuge() {
    return kWerkzeuge;
}

const WerkzeugInfo* WerkzeugMitNummer(int nummer) {
    for (const WerkzeugInfo& w : kWerkzeuge) {
        if (w.nummer == nummer) return &w;
    }
    return nullptr;
}

const WerkzeugInfo* WerkzeugSuchen(std::string_view name) {
    for (const WerkzeugInfo& w : kWerkzeuge) {
        if (gleichOhneGross(w.name, name) || std::to_string(w.nummer) == name) return &w;
    }
    return nullptr;
}

FormRec KlickBox(Dokument& dok, const WerkzeugEinstellungen& e, Punkt punkt) {
    FormRec box;
    const double rx = klickGroesse(dok, e.InX);
    const double ry = e.Platzierung == 4 ? klickGroesse(dok, e.InY) : rx;
    BoxUm(box, punkt, rx, ry);
    return box;
}

FormRec ZugBox(int platzierung, Punkt start, Punkt ende) {
    FormRec box;
    box.x2 = ende.x;
    box.y2 = ende.y;
    if (platzierung == 2) {
        box.x1 = start.x - (ende.x - start.x);
        box.y1 = start.y - (ende.y - start.y);
    } else {
        box.x1 = start.x;
        box.y1 = start.y;
    }
    return box;
}

Rechteck FormAnwenden(Dokument& dok, const Strich& s) {
    const WerkzeugInfo* w = WerkzeugMitNummer(s.Werkzeug);
    if (w == nullptr) return {};
    if (w->regel == R::Pipette) {
        Pipette(dok, {s.Box.x1, s.Box.y1}, s.Rechts);
        return {};
    }
    // The rasters empty only the cells they examine; the mask and level rules
    // read the whole of Zweitbild.
    const bool ganz = w->regel == R::Maske || w->regel == R::Angleichen;
    if (ganz) ZweitbildLeeren(dok);
    Zufallsfolge zufall(dok.RandSeed);
    const Rechteck r = rastern(dok, *w, s, zufall);
    dok.RandSeed = zufall.seed();
    switch (w->regel) {
        case R::Verknuepfen:
            ZweitbildVerknuepfen(
                dok, s.Rechts ? dok.VerknuepfungsmodusRechts : dok.Verknuepfungsmodus, r);
            return r;
        case R::Maske:
            MaskeAusZweitbild(dok);
            return {0, 0, dok.MaxX, dok.MaxY};
        case R::Angleichen:
            if (r.leer() || !hatWerte(dok, r)) return {};
            Angleichen(dok);
            return r;
        case R::Weich:
        case R::Hart:
            Glaetten(dok, w->regel == R::Weich ? Kern::Weich : Kern::Hart, r);
            return r;
        case R::Pipette:
            break;
    }
    return {};
}

bool Pipette(Dokument& dok, Punkt punkt, bool rechts) {
    const auto zelle = [](double v, int maximum) {
        return roundToInt(std::clamp(v, -1.0, double(maximum) + 1.0));
    };
    const int x = zelle(punkt.x, dok.MaxX), y = zelle(punkt.y, dok.MaxY);
    if (x < 0 || y < 0 || x > dok.MaxX || y > dok.MaxY) return false;
    Marke& m = rechts ? dok.MarkeUnten : dok.MarkeOben;
    m.Wert = roundHalfEven(dok.Hoehenfeld(x, y) * 1000.0) / 1000.0;
    return true;
}

void FormWuerfeln(int werkzeug, FormRec& form, const FormRegler& regler, Zufallsfolge& zufall) {
    FormParameterWuerfeln(form, regler, zufall);
    const WerkzeugInfo* w = WerkzeugMitNummer(werkzeug);
    if (w != nullptr && w->umriss == Ellipse) form.Ecken = EllipsenEcken;
}

Umriss VorschauUmriss(int werkzeug, const FormRec& box, const FormRegler& regler,
                      Zufallsfolge& zufall) {
    FormRec form = box;
    FormWuerfeln(werkzeug, form, regler, zufall);
    return FormEckpunkte(form, zufall);
}

}  // namespace gm
