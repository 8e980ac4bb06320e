#include "generators/noise.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "generators/noise_raster.h"

namespace gm {

namespace {

using R = NoiseParamRec;
constexpr auto Log = Skala::Logarithmisch;
constexpr auto Lin = Skala::Linear;

const Parameter noiseParameter[] = {
    Param<&R::Level, 0>("Level1", 1, 0, 1, Lin, 1, "L 01"),
    Param<&R::Level, 1>("Level2", 1, 0, 1, Lin, 1, "L 02"),
    Param<&R::Level, 2>("Level3", 1, 0, 1, Lin, 1, "L 03"),
    Param<&R::Level, 3>("Level4", 1, 0, 1, Lin, 1, "L 04"),
    Param<&R::Level, 4>("Level5", 1, 0, 1, Lin, 1, "L 05"),
    Param<&R::Level, 5>("Level6", 1, 0, 1, Lin, 1, "L 06"),
    Param<&R::Level, 6>("Level7", 1, 0, 1, Lin, 1, "L 07"),
    Param<&R::Level, 7>("Level8", 1, 0, 1, Lin, 1, "L 08"),
    Param<&R::Level, 8>("Level9", 1, 0, 1, Lin, 1, "L 09"),
    Param<&R::Level, 9>("Level10", 1, 0, 1, Lin, 1, "L 10"),
    Param<&R::Level, 10>("Level11", 1, 0, 1, Lin, 1, "L 11"),
    Param<&R::Offset>("Offset", 0.5, 0, 2, Lin, 0.01, "Offset"),
    Param<&R::FraktalDimension>("FraktalDimension", 1.0, 0, 2, Lin, 0.01, "Fraktal Dimension"),
    Param<&R::Anstieg1>("Anstieg1", 2.0, 0.1, 10, Lin, 0.01, "Anstieg 1"),
    Param<&R::Anstieg2>("Anstieg2", 2.0, 0.1, 10, Lin, 0.01, "Anstieg 2"),
    Param<&R::Reserviert>("Reserviert", 0, 0, 2, Lin, 1),
    Param<&R::Verknuepfung>("Verknuepfung", 0, 0, 3, Lin, 1, "Verknüpfung"),
    Param<&R::Methode>("Methode", 0, 0, 10, Lin, 1),
    Param<&R::Startwert>("Startwert", 15360, 1, 32000, Lin, 1),
    Param<&R::Invertieren>("Invertieren", 0, 0, 1, Lin, 1, "Invertieren"),
    Param<&R::TypX>("TypX", 2, 1, 4, Lin, 1),
    Param<&R::TypY>("TypY", 1, 1, 4, Lin, 1),
    Param<&R::IterationenX>("IterationenX", 100, 0.1, 1000, Log, 0.1, "Iterationen in X"),
    Param<&R::IterationenY>("IterationenY", 100, 0.1, 1000, Log, 0.1, "Iterationen in Y"),
    Param<&R::VerschiebungX>("VerschiebungX", 0, 0, 2, Lin, 0.01, "Verschiebung in X"),
    Param<&R::VerschiebungY>("VerschiebungY", 0, 0, 2, Lin, 0.01, "Verschiebung in Y"),
};

constexpr double StandardStartwert = 15360.0;
constexpr double ErsatzStartwert = 15731.0;

// Bit k - 1 stands for level k; all levels on is written as 4095 (twelve bits).
int levelMaske(const NoiseParamRec& p) {
    int maske = 0;
    for (int k = 0; k < NoiseLevelMax; ++k) {
        if (p.Level[k]) maske |= 1 << k;
    }
    return maske == 2047 ? 4095 : maske;
}

double levelMaskeLesen(const NoiseParamRec& p) {
    return levelMaske(p);
}

// A whole number 0..4095 selects the levels by its bits; anything else
// switches every level on.
void levelMaskeSetzen(NoiseParamRec& p, double maske) {
    for (int k = 0; k < NoiseLevelMax; ++k)
        p.Level[k] = (int(maske) >> k) & 1;
}

// The line "build_noise(...)"; fields it does not carry keep their start values.
const ScriptArgument noiseArgumente[] = {
    Arg<&R::Anstieg1>(2.0, 10.0, 0.1),
    Arg<&R::Anstieg2>(2.0, 10.0, 0.1),
    Arg<&R::Offset>(0.5, 2.0, 0.0),
    Arg<&R::FraktalDimension>(1.0, 2.0, 0.0),
    Arg<&R::Startwert>(15360.0, 32000.0, 1.0),
    Arg<&R::Reserviert>(1, 2, 1),
    Arg<&R::Verknuepfung>(0, 3, 0),
    Arg<&R::Methode>(0, 10, 0),
    KodiertArg<R, &levelMaskeLesen, &levelMaskeSetzen>(4095, 4095, 0, ArgForm::Ganz),
    // Only an exact 1 inverts.
    Arg<&R::Invertieren>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
    Arg<&R::TypX>(1, 4, 1),
    Arg<&R::IterationenX>(100.0, 1000.0, 0.1),
    Arg<&R::VerschiebungX>(0.0, 2.0, 0.0),
    Arg<&R::TypY>(2, 4, 1),
    Arg<&R::IterationenY>(100.0, 1000.0, 0.1),
    Arg<&R::VerschiebungY>(0.0, 2.0, 0.0),
};

// The seed field's rule: a whole number 1..32000, anything else 15731.
double startwertPruefen(double v) {
    return (v == std::trunc(v) && v >= 1.0 && v <= 32000.0) ? v : ErsatzStartwert;
}

}  // namespace

std::span<const Parameter> NoiseParameter() {
    return noiseParameter;
}

NoiseParamRec NoiseStandard() {
    return recordVorgaben<NoiseParamRec>(NoiseParameter());
}

const std::array<NoiseSetupRec, 11> NoiseSetups = {{
    {"fBm1", 0, 2.0, 2.0, 1.0, 0.5},
    {"fBm2", 2, 2.0, 6.0, 0.5, 1.0},
    {"mf Start", 4, 2.0, 2.0, 0.5, 0.5},
    {"ht Start", 6, 2.0, 2.0, 0.25, 0.0},
    {"ht V1", 6, 2.0, 10.0, 0.25, 0.7},
    {"hm Start", 8, 2.0, 10.0, 0.25, 0.7},
    {"hm V1", 8, 2.0, 4.0, 0.0, 0.5},
    {"hm V2", 8, 3.0, 3.0, 0.1, 0.3},
    {"rm Start", 10, 1.0, 2.0, 1.0, 1.0},
    {"rm V1", 10, 2.0, 10.0, 1.2, 0.2},
    {"rm V2", 10, 2.0, 2.0, 0.5, 0.5},
}};

void NoiseSetupAnwenden(const NoiseSetupRec& s, NoiseParamRec& p) {
    p.Methode = s.Methode;
    p.Anstieg1 = s.Anstieg1;
    p.Anstieg2 = s.Anstieg2;
    p.FraktalDimension = s.FraktalDimension;
    p.Offset = s.Offset;
}

const std::array<std::string_view, NoiseMethodenAnzahl> NoiseMethodenNamen = {
    "fBm1",
    "|fBm1|",
    "fBm2",
    "|fBm2|",
    "MultiFractal",
    "|MultiFractal|",
    "HeteroTerrain",
    "|HeteroTerrain|",
    "HybridMultifractal",
    "|HybridMultifractal|",
    "RidgedMultifractal"};
const std::array<std::string_view, 4> NoiseAchsenNamenX = {
    "f(x) = 1", "f(x) = Noise", "f(x) = sin(x+Noise)", "f(x) = Noise-int(Noise)"};
const std::array<std::string_view, 4> NoiseAchsenNamenY = {
    "f(y) = 1", "f(y) = Noise", "f(y) = sin(y+Noise)", "f(y) = Noise-int(Noise)"};
const std::array<std::string_view, 4> NoiseVerknuepfungNamen = {"f=f(x)*f(y)", "f=f(x)+f(y)",
                                                                "f=f(x)-f(y)", "f=f(y)-f(x)"};

void NoiseBerechnen(Dokument& dok, const NoiseParamRec& p, const NoiseTabellen& t) {
    ZweitbildNullen(dok);
    std::vector<double> xs(dok.MaxX + 1), ys(dok.MaxY + 1);
    for (int x = 0; x <= dok.MaxX; ++x)
        xs[x] = double(x) / double(dok.MaxX) + 0.0001;
    for (int y = 0; y <= dok.MaxY; ++y)
        ys[y] = double(y) / double(dok.MaxY) + 0.0001;
    NoiseRaster(p, t, xs, ys, dok.Zweitbild.spalte(0), FeldKante);
    ZweitbildNormalisieren(dok, 1.0);
    if (p.Invertieren) ZweitbildUmkehren(dok);
}

VorschauSpanne NoiseVorschau(const NoiseParamRec& p, const NoiseTabellen& t, Vorschaufeld& v) {
    std::vector<double> achse(VorschauKante);
    for (int i = 0; i < VorschauKante; ++i)
        achse[i] = double(i) / 255.0;
    NoiseRaster(p, t, achse, achse, &v.werte[0][0], VorschauKante);
    VorschauSpanne s{1000.0, -1000.0};
    for (const auto& spalte : v.werte) {
        for (const double w : spalte) {
            if (w < s.minimum) s.minimum = w;
            if (w > s.maximum) s.maximum = w;
        }
    }
    return s;
}

void NoiseVorgaben(NoiseZustand& z) {
    z.gespeichert = NoiseStandard();
    NoiseTabellenAufbau(z.tabellen, StandardStartwert);
}

int NoiseLevelAnzahl(int maxX, int maxY) {
    if (maxX < 258 && maxY < 258) return 8;
    if (maxX < 514 && maxY < 514) return 9;
    if (maxX >= 1026) return 11;
    return maxY < 1026 ? 10 : 11;
}

bool NoiseLevelWaehlbar(int level, int levelAnzahl) {
    return level <= 8 || level <= levelAnzahl;
}

double NoiseStartwertAusText(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
    if (i == t.size() || t.size() > 12) return ErsatzStartwert;
    for (std::size_t k = i; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') return ErsatzStartwert;
    }
    return startwertPruefen(parseNumber(t).value_or(0.0));
}

double NoiseNeuerStartwert(Dokument& dok) {
    // Drawn within the range a "build_noise" line can carry, so the line
    // recorded with this seed replays the same field.
    return 1.0 + roundHalfEven(Random(dok) * 31999.0);
}

void NoiseUebernehmen(Dokument& dok, NoiseZustand& z, NoiseParamRec& arbeit) {
    if (arbeit.Startwert != z.tabellen.Startwert) {
        arbeit.Startwert = startwertPruefen(arbeit.Startwert);
        NoiseTabellenAufbau(z.tabellen, arbeit.Startwert);
    }
    NoiseBerechnen(dok, arbeit, z.tabellen);
    z.gespeichert = arbeit;
    NoiseScriptSchreiben(dok, arbeit);
}

std::string NoiseScriptZeile(const NoiseParamRec& p) {
    return ScriptZeileAus("build_noise", noiseArgumente, p);
}

void NoiseScriptSchreiben(Dokument& dok, const NoiseParamRec& p) {
    ScriptAnhaengen(dok, NoiseScriptZeile(p));
}

NoiseParamRec NoiseScriptLesen(ScriptArgumente& args, const Dokument& dok) {
    return ausArgumenten(args, noiseArgumente, dok, NoiseStandard());
}

std::span<const ScriptArgument> NoiseArgumente() {
    return noiseArgumente;
}

void NoiseErzeugen(Dokument& dok, const NoiseParamRec& p) {
    auto t = std::make_unique<NoiseTabellen>();
    NoiseTabellenAufbau(*t, p.Startwert);
    NoiseBerechnen(dok, p, *t);
}

void build_noiseNachspielen(Dokument& dok, ScriptArgumente& args) {
    NoiseErzeugen(dok, NoiseScriptLesen(args, dok));
    ZweitbildVerknuepfen(dok);
}

}  // namespace gm

namespace gm {

Status NoiseAusfuehren(Dokument& dok, const Werte& werte) {
    const NoiseParamRec p = recordAus<NoiseParamRec>(NoiseParameter(), werte);
    if (p.Startwert != std::trunc(p.Startwert)) {
        return Status::fehler("Startwert must be a whole number");
    }
    NoiseErzeugen(dok, p);
    ZweitbildVerknuepfen(dok);
    NoiseScriptSchreiben(dok, p);
    return {};
}

}  // namespace gm
