#include "formats/coffee.h"

#include <sys/stat.h>
#include <array>
#include <functional>

#include "core/atomare_datei.h"
#include "core/zahlen.h"

namespace gm {

const Parameter CoffeeParameter[1] = {
    Param<&CoffeeRec::PluginID>("PluginID", 18812, 10000, 30000, Skala::Linear, 1,
                                "PlugIn ID (10000..30000) :"),
};

namespace {

// A template larger than this is not a template.
constexpr long long kVorlageMax = 16ll << 20;

std::string zahl(double v) {
    return formatFixed(v, 4);
}

std::string vektor(double r, double g, double b, int stellen) {
    return "vector(" + formatFixed(r, stellen) + "," + formatFixed(g, stellen) + "," +
           formatFixed(b, stellen) + ");";
}

std::string farbe(const RenderColour& c) {
    return vektor(c.Rot, c.Gruen, c.Blau, 4);
}

// One line per palette point, from the top of the palette down: TAB, the
// array name and index (below 10 with a leading space), " = ", the value.
std::string paletteZeilen(const Palette& p, const char* feld, bool position) {
    std::string text;
    for (int k = 0; k <= p.MaxIndex; ++k) {
        const Palettenpunkt& q = p.Punkte[std::size_t(p.MaxIndex - k)];
        text += std::string("\t") + feld + "[" + (k < 10 ? " " : "") + std::to_string(k) + "] = ";
        text += position ? formatFixed(q.Position, 3) + ";" : vektor(q.Rot, q.Gruen, q.Blau, 3);
        text += "\r\n";
    }
    return text;
}

struct Platzhalter {
    const char* name;
    std::function<std::string(const ColourState&, const CoffeeRec&)> text;
};

std::string band(double mitte, double breite, double vorzeichen) {
    return zahl(mitte + vorzeichen * breite);
}

// clang-format off
const std::array<Platzhalter, 29>& platzhalter() {
    using F = const ColourState&;
    using C = const CoffeeRec&;
    static const std::array<Platzhalter, 29> liste = {{
        {"PAL1", [](F f, C) { return paletteZeilen(f.palette(1), "colors", false); }},
        {"PAL2", [](F f, C) { return paletteZeilen(f.palette(2), "colors", false); }},
        {"KOO1", [](F f, C) { return paletteZeilen(f.palette(1), "LocColors", true); }},
        {"KOO2", [](F f, C) { return paletteZeilen(f.palette(2), "LocColors", true); }},
        {"ACO1", [](F f, C) { return std::to_string(f.palette(1).MaxIndex); }},
        {"ACO2", [](F f, C) { return std::to_string(f.palette(2).MaxIndex); }},
        {"PLID", [](F, C c) { return std::to_string(c.PluginID); }},
        {"NAME", [](F, C c) { return c.Name; }},
        {"SCAX", [](F f, C) { return band(f.Render.SchneeHoehe, f.Render.SchneeHoeheBreite, 1); }},
        {"SCEX", [](F f, C) { return band(f.Render.SchneeHoehe, f.Render.SchneeHoeheBreite, -1); }},
        {"SCAY", [](F f, C) { return band(1 - f.Render.SchneeMisch, f.Render.SchneeMischBreite, 1); }},
        {"SCEY", [](F f, C) { return band(1 - f.Render.SchneeMisch, f.Render.SchneeMischBreite, -1); }},
        {"SCHV", [](F f, C) { return std::string(f.Render.Schnee ? "1" : "0"); }},
        {"SCF1", [](F f, C) { return farbe(f.Render.SchneeFarbe1); }},
        {"SCF2", [](F f, C) { return farbe(f.Render.SchneeFarbe2); }},
        {"FEAX", [](F f, C) { return band(f.Render.FelsHoehe, f.Render.FelsHoeheBreite, 1); }},
        {"FEEX", [](F f, C) { return band(f.Render.FelsHoehe, f.Render.FelsHoeheBreite, -1); }},
        {"FEAY", [](F f, C) { return band(1 - f.Render.FelsMisch, f.Render.FelsMischBreite, 1); }},
        {"FEEY", [](F f, C) { return band(1 - f.Render.FelsMisch, f.Render.FelsMischBreite, -1); }},
        {"FELV", [](F f, C) { return std::string(f.Render.Fels ? "1" : "0"); }},
        {"FEF1", [](F f, C) { return farbe(f.Render.FelsFarbe1); }},
        {"FEF2", [](F f, C) { return farbe(f.Render.FelsFarbe2); }},
        {"HOEV", [](F f, C) { return zahl(f.Render.HoehenZufall); }},
        {"ZUFA", [](F f, C) { return zahl(f.Render.GelaendeSchwelle); }},
        {"XABH", [](F f, C) { return zahl(f.Render.GelaendeGewicht); }},
        {"ZUFS", [](F f, C) { return zahl(f.Render.SchneeSchwelle); }},
        {"XABS", [](F f, C) { return zahl(f.Render.SchneeGewicht); }},
        {"ZUFF", [](F f, C) { return zahl(f.Render.FelsSchwelle); }},
        {"XABF", [](F f, C) { return zahl(f.Render.FelsGewicht); }},
    }};
    return liste;
}
// clang-format on

const Platzhalter* platzhalterBei(std::string_view vorlage, std::size_t i) {
    if (vorlage.size() - i < 4) return nullptr;
    for (const Platzhalter& p : platzhalter()) {
        if (vorlage.compare(i, 4, p.name) == 0) return &p;
    }
    return nullptr;
}

}  // namespace

std::string CoffeeFuellen(std::string_view vorlage, const ColourState& farben,
                          const CoffeeRec& rec) {
    std::string aus;
    aus.reserve(vorlage.size());
    std::size_t i = 0;
    while (i < vorlage.size()) {
        if (const Platzhalter* p = platzhalterBei(vorlage, i)) {
            aus += p->text(farben, rec);
            i += 4;
        } else {
            aus += vorlage[i++];
        }
    }
    return aus;
}

Status SchreibeCoffee(const ColourState& farben, const CoffeeRec& rec, const std::string& pfad) {
    if (rec.Vorlage.empty()) return Status::fehler("no COFFEE template chosen");
    struct stat info {};
    if (::stat(rec.Vorlage.c_str(), &info) == 0 && info.st_size > kVorlageMax) {
        return Status::fehler(rec.Vorlage + ": too large for a COFFEE template");
    }
    std::string vorlage;
    if (Status s = dateiLesen(rec.Vorlage, vorlage); !s) return s;
    return dateiAtomarSchreiben(pfad, CoffeeFuellen(vorlage, farben, rec));
}

std::string CoffeeDateiname(std::string_view name) {
    std::string datei(name);
    for (char& c : datei) {
        if (c == '/' || c == '\\') c = '_';
    }
    if (datei.empty()) datei = "_";
    return datei + ".cof";
}

}  // namespace gm
