#include "generators/zellen.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "generators/zellen_raster.h"

namespace gm {

namespace {

using R = ZellenParamRec;

const Parameter zellenParameter[] = {
    Param<&R::Anzahl>("Anzahl", 16, 1, ZellenPunkteMax, Skala::Logarithmisch, 1, "Anzahl"),
    Param<&R::Gamma>("Gamma", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gamma"),
    Param<&R::Invertieren>("Invertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
    Param<&R::Verknuepfung>("Verknuepfung", 0, 0, 4, Skala::Linear, 1, "Verknuepfung"),
    Param<&R::NeueBerechnung>("NeueBerechnung", 0, 0, 1, Skala::Linear, 1, "Neue Berechnung"),
};

// Limited to 0..1, bent by gamma, inverted: the shaping of field and preview.
double formen(double v, double gamma, bool invertieren) {
    v = clamp01(v);
    if (gamma != 1.0) v = std::pow(v, gamma);
    return invertieren ? 1.0 - v : v;
}

}  // namespace

const std::array<const char*, 5> ZellenVerknuepfungNamen = {"sqrt(x²+y²)", "x*y", "x+y", "x", "y"};

std::span<const Parameter> ZellenParameter() {
    return zellenParameter;
}

std::span<const Parameter> ZellenRegler() {
    return ZellenParameter().first(3);
}

ZellenParamRec ZellenStandard() {
    return recordVorgaben<ZellenParamRec>(ZellenParameter());
}

void ZellenPunkteErzeugen(Dokument& dok, ZellenZustand& z) {
    z.punkte.clear();
    z.punkte.reserve(ZellenPunkteMax);
    while (int(z.punkte.size()) < ZellenPunkteMax) {
        const double px = Random(dok);
        const double py = Random(dok);
        const bool doppelt =
            std::any_of(z.punkte.begin(), z.punkte.end(),
                        [&](const ZellenPunkt& q) { return q.px == px && q.py == py; });
        if (!doppelt) z.punkte.push_back({px, py});
    }
}

const std::vector<ZellenPunkt>& ZellenBereit(Dokument& dok, ZellenZustand& z) {
    if (z.punkte.empty()) ZellenPunkteErzeugen(dok, z);
    return z.punkte;
}

double ZellenAbstand(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte, int x, int y,
                     int w, int h) {
    double best = 10000.0;
    const int n = std::min(p.Anzahl, int(punkte.size()));
    for (int k = 0; k < n; ++k) {
        const double d = ZellenMass(p.Verknuepfung, ZellenAchse(x, w, punkte[k].px),
                                    ZellenAchse(y, h, punkte[k].py));
        if (d < best) best = d;
    }
    return best;
}

void ZellenBerechnen(Dokument& dok, const ZellenParamRec& p,
                     const std::vector<ZellenPunkt>& punkte) {
    ZweitbildLeeren(dok);
    ZellenRaster(p, punkte, dok.MaxX + 1, dok.MaxY + 1, &dok.Maske,
                 [&](int x) { return dok.Zweitbild.spalte(x); });
    ZweitbildNormalisieren(dok, 1.0);
    if (!p.Invertieren && p.Gamma == 1.0) return;
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 0) z[y] = formen(z[y], p.Gamma, p.Invertieren);
        }
    }
}

VorschauSpanne ZellenVorschau(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte,
                              Vorschaufeld& v) {
    ZellenRaster(p, punkte, VorschauKante, VorschauKante, nullptr,
                 [&](int x) { return v.werte[x]; });
    VorschauSpanne s{1000.0, -1000.0};
    for (const auto& spalte : v.werte) {
        for (double w : spalte) {
            if (w < s.minimum) s.minimum = w;
            if (w > s.maximum) s.maximum = w;
        }
    }
    if (p.Gamma == 1.0) return s;
    double minimum = s.minimum, skala = 1.0;
    if (s.maximum == s.minimum) {
        minimum = 0.0;
    } else {
        skala = 1.0 / (s.maximum - s.minimum);
    }
    for (auto& spalte : v.werte) {
        for (double& w : spalte)
            w = formen((w - minimum) * skala, p.Gamma, false);
    }
    return {0.0, 1.0};
}

void ZellenErzeugen(Dokument& dok, ZellenZustand& z, const ZellenParamRec& p) {
    ZellenBereit(dok, z);
    if (p.NeueBerechnung) ZellenPunkteErzeugen(dok, z);
    ZellenBerechnen(dok, p, z.punkte);
}

Status ZellenAusfuehren(Dokument& dok, ZellenZustand& z, const Werte& werte) {
    ZellenErzeugen(dok, z, recordAus<ZellenParamRec>(ZellenParameter(), werte));
    ZweitbildVerknuepfen(dok);
    return {};
}

}  // namespace gm
