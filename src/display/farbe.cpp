#include "display/farbe.h"

#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

int komponente(double c) {
    if (!(c > 0.0)) return 0;  // also NaN
    if (c >= 1.0) return 255;
    return roundToInt(c * 255.0);
}

// Passes at or above the upper edge of the band, fails at or below the lower
// edge, and in between passes with a probability rising across the zone.
bool bandUnten(Dokument& dok, double wert, double k, double w) {
    if (wert <= k - w) return false;
    if (wert >= k + w) return true;
    if (w == 0.0) return false;
    return (wert - (k - w)) / (2.0 * w) > Random(dok);
}

// The mirror image: low values pass.
bool bandOben(Dokument& dok, double wert, double k, double w) {
    if (wert >= k + w) return false;
    if (wert <= k - w) return true;
    if (w == 0.0) return false;
    return (wert - (k - w)) / (2.0 * w) < Random(dok);
}

struct Mischung {
    double x1;
    double x2;
    double gewicht;
    double schwelle;
};

Farbe3 mischen(Dokument& dok, const Farbe3& c1, const Farbe3& c2, double m, const Mischung& mi) {
    const double r = Random(dok);
    if (r <= mi.schwelle && mi.gewicht <= 0.0) return c1;
    const double t = r > mi.schwelle ? Random(dok) : 0.0;
    // A band of zero width on the Mischwert axis would divide zero by zero.
    const double spanne = mi.x1 - mi.x2;
    const double anteil = spanne != 0.0 ? mi.gewicht * (m - mi.x2) / spanne : 0.0;
    const double w = anteil + (1.0 - mi.gewicht) * t;
    auto f = [w](double a, double b) { return (1.0 - w) * a + w * b; };
    return {f(c1.rot, c2.rot), f(c1.gruen, c2.gruen), f(c1.blau, c2.blau)};
}

Farbe3 rgb(const RenderColour& c) {
    return {c.Rot, c.Gruen, c.Blau};
}

}  // namespace

Pixel FarbePacken(const Farbe3& farbe) {
    return PixelAusBytes(komponente(farbe.rot), komponente(farbe.gruen), komponente(farbe.blau));
}

Farbe3 PaletteFarbe(const ColourState& farben, int palette, double v) {
    return PaletteFarbe(farben.palette(palette), v);
}

std::uint32_t PaletteFarbeTColor(const ColourState& farben, int palette, double v) {
    const Farbe3 c = PaletteFarbe(farben, palette, v);
    return std::uint32_t(komponente(c.rot)) | (std::uint32_t(komponente(c.gruen)) << 8) |
           (std::uint32_t(komponente(c.blau)) << 16);
}

Farbe3 RenderFarbe(const ColourState& farben, Dokument& dok, double m, double h) {
    const RenderRec& r = farben.Render;
    if (r.Fels && bandUnten(dok, h, r.FelsHoehe, r.FelsHoeheBreite) &&
        bandUnten(dok, m, r.FelsMisch, r.FelsMischBreite)) {
        return mischen(dok, rgb(r.FelsFarbe1), rgb(r.FelsFarbe2), m,
                       {1.0, r.FelsMisch - r.FelsMischBreite, r.FelsGewicht, r.FelsSchwelle});
    }
    if (r.Schnee && bandUnten(dok, h, r.SchneeHoehe, r.SchneeHoeheBreite) &&
        bandOben(dok, m, r.SchneeMisch, r.SchneeMischBreite)) {
        return mischen(
            dok, rgb(r.SchneeFarbe1), rgb(r.SchneeFarbe2), m,
            {r.SchneeMisch + r.SchneeMischBreite, 0.0, r.SchneeGewicht, r.SchneeSchwelle});
    }
    double hoehe = h;
    if (r.HoehenZufall > 0.0) hoehe = clamp01(h + (Random(dok) - 0.5) * 2.0 * r.HoehenZufall);
    const Farbe3 c1 = PaletteFarbe(farben.Paletten[0], hoehe);
    const Farbe3 c2 = PaletteFarbe(farben.Paletten[1], hoehe);
    return mischen(dok, c1, c2, m, {1.0, 0.0, r.GelaendeGewicht, r.GelaendeSchwelle});
}

Pixel HoeheZuFarbe(const ColourState& farben, Dokument& dok, double m, double h) {
    switch (farben.Farbmodus) {
        case FarbmodusPalette1:
            return FarbePacken(PaletteFarbe(farben.Paletten[0], h));
        case FarbmodusPalette2:
            return FarbePacken(PaletteFarbe(farben.Paletten[1], h));
        case FarbmodusRender:
            return FarbePacken(RenderFarbe(farben, dok, m, h));
        default: {
            const double g = clamp01(h);
            return FarbePacken({g, g, g});
        }
    }
}

}  // namespace gm
