#include "display/palettendatei.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/atomare_datei.h"
#include "core/zahlen.h"

namespace gm {

namespace {

// "%8.6f" with a point: six decimals, right-aligned in at least eight characters.
std::string zahl(double v) {
    std::string s = formatFixed(v, 6);
    if (s.size() < 8) s.insert(0, 8 - s.size(), ' ');
    return s;
}

void zeile(std::string& text, std::string_view inhalt) {
    text += inhalt;
    text += "\r\n";
}

void vierer(std::string& text, double a, double b, double c, double d) {
    zeile(text, zahl(a) + '\t' + zahl(b) + '\t' + zahl(c) + '\t' + zahl(d));
}

void paletteSchreiben(std::string& text, const Palette& p) {
    char kopf[16];
    std::snprintf(kopf, sizeof kopf, "%3d", p.MaxIndex);
    zeile(text, kopf);
    for (int i = 0; i <= p.MaxIndex && i < PalettePunkteMax; ++i) {
        const Palettenpunkt& q = p.Punkte[std::size_t(i)];
        vierer(text, q.Position, q.Rot, q.Gruen, q.Blau);
    }
}

void farbeSchreiben(std::string& text, const RenderColour& c) {
    vierer(text, c.Nummer, c.Rot, c.Gruen, c.Blau);
}

// Hands out the lines of a text one by one; past the end every line is empty.
class Zeilen {
  public:
    explicit Zeilen(std::string_view text) : rest_(text) {}
    std::string_view naechste() {
        ++nummer_;
        auto ende = rest_.find('\n');
        std::string_view z = rest_.substr(0, ende);
        rest_ = ende == std::string_view::npos ? std::string_view{} : rest_.substr(ende + 1);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        return z;
    }
    int nummer() const { return nummer_; }

  private:
    std::string_view rest_;
    int nummer_ = 0;
};

struct Leser {
    Zeilen zeilen;
    std::string fehler;
    int paletten = 0;  // palettes read with their points

    bool scheitern(std::string_view feld, std::string_view was) {
        if (fehler.empty()) {
            fehler = "line " + std::to_string(zeilen.nummer()) + ": \"" + std::string(feld) +
                     "\" " + std::string(was);
        }
        return false;
    }

    // One numeric field: blanks trimmed, the first comma read as a point, empty as 0.
    bool zahlLesen(std::string_view feld, double& wert) {
        std::string text(trimBlanks(feld));
        if (text.empty()) {
            wert = 0.0;
            return true;
        }
        if (auto komma = text.find(','); komma != std::string::npos) text[komma] = '.';
        auto v = parseNumber(text);
        if (!v) return scheitern(feld, "is not a number");
        wert = *v;
        return true;
    }

    bool ganzLesen(std::string_view feld, long& wert) {
        std::string_view text = trimBlanks(feld);
        if (text.empty()) {
            wert = 0;
            return true;
        }
        if (text.front() == '+') text.remove_prefix(1);
        auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
        if (ec == std::errc::result_out_of_range) {
            wert = -1;  // far outside every valid range
            return true;
        }
        if (ec != std::errc() || ende != text.data() + text.size()) {
            return scheitern(feld, "is not a whole number");
        }
        return true;
    }

    bool einzeln(double& wert) { return zahlLesen(zeilen.naechste(), wert); }

    bool schalter(bool& an) {
        long v = 0;
        if (!ganzLesen(zeilen.naechste(), v)) return false;
        an = v == 1;
        return true;
    }

    // Up to four TAB-separated fields; missing fields read as empty.
    bool vier(double (&werte)[4]) {
        std::string_view z = zeilen.naechste();
        for (double& w : werte) {
            auto tab = z.find('\t');
            if (!zahlLesen(z.substr(0, tab), w)) return false;
            z = tab == std::string_view::npos ? std::string_view{} : z.substr(tab + 1);
        }
        return true;
    }

    bool farbe(RenderColour& c) {
        double w[4];
        if (!vier(w)) return false;
        c = {w[0], w[1], w[2], w[3]};
        return true;
    }

    bool palette(Palette& p, int nummer) {
        long n = 0;
        if (!ganzLesen(zeilen.naechste(), n)) return false;
        if (n < 1 || n >= PalettePunkteMax) return true;  // no points for this palette
        Palette neu = p;
        neu.MaxIndex = int(n);
        for (int i = 0; i <= n; ++i) {
            double w[4];
            if (!vier(w)) return false;
            neu.Punkte[std::size_t(i)] = {w[0], w[1], w[2], w[3]};
        }
        if (!PaletteGueltig(neu)) {
            fehler = "palette " + std::to_string(nummer) +
                     ": positions must rise strictly from 0 to 1 (line " +
                     std::to_string(zeilen.nummer()) + ")";
            return false;
        }
        p = neu;
        ++paletten;
        return true;
    }
};

bool renderLesen(Leser& l, RenderRec& r) {
    return l.schalter(r.Schnee) && l.einzeln(r.SchneeHoehe) && l.einzeln(r.SchneeHoeheBreite) &&
           l.einzeln(r.SchneeMisch) && l.einzeln(r.SchneeMischBreite) && l.schalter(r.Fels) &&
           l.einzeln(r.FelsHoehe) && l.einzeln(r.FelsHoeheBreite) && l.einzeln(r.FelsMisch) &&
           l.einzeln(r.FelsMischBreite) && l.farbe(r.SchneeFarbe1) && l.farbe(r.SchneeFarbe2) &&
           l.farbe(r.FelsFarbe1) && l.farbe(r.FelsFarbe2) && l.einzeln(r.HoehenZufall) &&
           l.einzeln(r.GelaendeGewicht) && l.einzeln(r.GelaendeSchwelle) &&
           l.einzeln(r.SchneeGewicht) && l.einzeln(r.SchneeSchwelle) && l.einzeln(r.FelsGewicht) &&
           l.einzeln(r.FelsSchwelle);
}

}  // namespace

std::string PalettenText(const ColourState& farben) {
    const RenderRec& r = farben.Render;
    std::string text;
    zeile(text, "Palleti");
    paletteSchreiben(text, farben.Paletten[0]);
    paletteSchreiben(text, farben.Paletten[1]);
    zeile(text, r.Schnee ? "1" : "0");
    for (double v : {r.SchneeHoehe, r.SchneeHoeheBreite, r.SchneeMisch, r.SchneeMischBreite}) {
        zeile(text, zahl(v));
    }
    zeile(text, r.Fels ? "1" : "0");
    for (double v : {r.FelsHoehe, r.FelsHoeheBreite, r.FelsMisch, r.FelsMischBreite}) {
        zeile(text, zahl(v));
    }
    for (const RenderColour* c : {&r.SchneeFarbe1, &r.SchneeFarbe2, &r.FelsFarbe1, &r.FelsFarbe2}) {
        farbeSchreiben(text, *c);
    }
    for (double v : {r.HoehenZufall, r.GelaendeGewicht, r.GelaendeSchwelle, r.SchneeGewicht,
                     r.SchneeSchwelle, r.FelsGewicht, r.FelsSchwelle}) {
        zeile(text, zahl(v));
    }
    return text;
}

Status PalettenSpeichern(const ColourState& farben, const std::string& pfad) {
    return dateiAtomarSchreiben(pfad, PalettenText(farben));
}

Status PalettenTextLesen(std::string_view text, ColourState& farben) {
    if (text.empty()) return Status::fehler("the palette file is empty");
    if (text.find('\0') != std::string_view::npos) {
        return Status::fehler("not a palette file: it contains binary data");
    }
    Leser l{Zeilen(text), {}, 0};
    std::array<Palette, 2> paletten = farben.Paletten;
    RenderRec render = farben.Render;
    l.zeilen.naechste();  // the header is not compared with anything
    if (!l.palette(paletten[0], 1) || !l.palette(paletten[1], 2) || !renderLesen(l, render)) {
        return Status::fehler("not a palette file: " + l.fehler);
    }
    // Every saved file has points for both palettes; a text where neither
    // count is one (any one-line text, say) was not written as a palette.
    if (l.paletten == 0) {
        return Status::fehler("not a palette file: neither palette count lies in 1..255");
    }
    farben.Paletten = paletten;
    farben.Render = render;
    return {};
}

Status PalettenLaden(const std::string& pfad, ColourState& farben) {
    // A full file has fewer than 600 lines; anything far larger was chosen by mistake.
    constexpr std::size_t groessteDatei = std::size_t(1) << 20;
    std::string inhalt;
    if (Status s = dateiLesen(pfad, inhalt, groessteDatei); !s) return s;
    if (Status s = PalettenTextLesen(inhalt, farben); !s) {
        return Status::fehler(pfad + ": " + s.meldung());
    }
    return {};
}

}  // namespace gm
