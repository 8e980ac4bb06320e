#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/ablage.h"
#include "core/atomare_datei.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "formats/bytes.h"
#include "formats/terragen.h"

namespace gm {

namespace {

// What a file read so far amounts to; copied into the document only at the end.
struct Ernte {
    TerragenRec rec;
    std::vector<std::int16_t> hoehen;  // file order: first row is the last y
    int hoehenX = 0, hoehenY = 0;      // the point counts the elevations were read with
    bool hatHoehen = false;
};

Status fehler(const std::string& text) {
    return Status::fehler("Terragen file: " + text);
}
Status endeIn(const char* chunk) {
    return fehler(std::string("the file ends inside the ") + chunk + " chunk");
}

Status zahl(ByteLeser& l, const char* chunk, double& wert) {
    double v;
    if (!l.f32(v)) return endeIn(chunk);
    if (!std::isfinite(v)) return fehler(std::string("the ") + chunk + " chunk holds no number");
    wert = v;
    return {};
}

Status gerundet(ByteLeser& l, const char* chunk, double& wert) {
    if (Status s = zahl(l, chunk, wert); !s) return s;
    wert = roundHalfEven(wert);
    return {};
}

// The scale is kept as the file has it: rounding 2.5 m to 2 would shrink
// every height of a later export by a fifth.
Status scalLesen(ByteLeser& l, Ernte& e) {
    double x, y, z;
    for (double* w : {&x, &y, &z}) {
        if (Status s = zahl(l, "SCAL", *w); !s) return s;
    }
    if (x < 1 || x > 99999) {
        return fehler("a horizontal scale of " + formatFixed(x, 3) +
                      " m per point is outside 1..99999");
    }
    e.rec.SkalierungX = x;
    e.rec.SkalierungY = y;
    e.rec.SkalierungZ = z;
    return {};
}

Status altwLesen(ByteLeser& l, Ernte& e) {
    TerragenRec& r = e.rec;
    int skala, basis;
    if (!l.i16(skala) || !l.i16(basis)) return endeIn("ALTW");
    if (!punkteGueltig(r.PunkteX, r.PunkteY)) {
        return fehler("the terrain has " + std::to_string(r.PunkteX) + " x " +
                      std::to_string(r.PunkteY) + " points; 5..2049 per side can be imported");
    }
    const std::size_t n = std::size_t(r.PunkteX) * std::size_t(r.PunkteY);
    if (!l.hat(2 * n)) {
        return fehler("the elevations need " + std::to_string(2 * n) + " bytes, the file has " +
                      std::to_string(l.rest()) + " left");
    }
    e.hoehen.resize(n);
    int kleinste = 32767, groesste = -32768;
    for (std::size_t i = 0; i < n; ++i) {
        int v = 0;
        l.i16(v);
        e.hoehen[i] = std::int16_t(v);
        kleinste = std::min(kleinste, v);
        groesste = std::max(groesste, v);
    }
    e.hoehenX = r.PunkteX;
    e.hoehenY = r.PunkteY;
    r.HoehenSkala = skala;
    r.BasisHoehe = basis;
    r.HoeheMin = (skala * double(kleinste) / 65536 + basis) * r.SkalierungX;
    r.HoeheMax = (skala * double(groesste) / 65536 + basis) * r.SkalierungX;
    e.hatHoehen = true;
    return {};
}

Status chunkLesen(ByteLeser& l, std::string_view name, Ernte& e) {
    TerragenRec& r = e.rec;
    int a;
    if (name == "SIZE") {
        if (!l.i16(a)) return endeIn("SIZE");
        r.Groesse = a;
        r.PunkteX = r.PunkteY = a + 1;
    } else if (name == "XPTS") {
        if (!l.i16(r.PunkteX)) return endeIn("XPTS");
    } else if (name == "YPTS") {
        if (!l.i16(r.PunkteY)) return endeIn("YPTS");
    } else if (name == "SCAL") {
        return scalLesen(l, e);
    } else if (name == "CRAD") {
        return gerundet(l, "CRAD", r.Radius);
    } else if (name == "CRVM") {
        double v;
        if (Status s = gerundet(l, "CRVM", v); !s) return s;
        r.Kugel = v == 1.0;
    } else if (name == "ALTW") {
        return altwLesen(l, e);
    }
    return {};
}

void uebernehmen(Dokument& dok, const Ernte& e) {
    // A size chunk after the elevations must not change how they are laid out.
    const int px = e.hoehenX, py = e.hoehenY;
    NeueGroesse(dok, px - 1, py - 1, false);
    for (int zeile = 0; zeile < py; ++zeile) {
        const int y = py - 1 - zeile;
        for (int x = 0; x < px; ++x) {
            dok.Hoehenfeld(x, y) = e.hoehen[std::size_t(zeile) * std::size_t(px) + std::size_t(x)];
        }
    }
    Normalisieren(dok);
    UndoSichern(dok);
    Freigeben(dok);
}

}  // namespace

Status terragenDekodieren(Dokument& dok, TerragenRec& rec, std::string_view daten) {
    if (daten.size() < 16 || daten.substr(0, 16) != "TERRAGENTERRAIN ") {
        return fehler("it does not start with \"TERRAGENTERRAIN \"");
    }
    Ernte e{rec, {}, false};
    ByteLeser l(daten);
    // The chunk name is looked for in a window of the last four bytes the scan
    // read, so chunks are found at any byte position; data reads skip ahead.
    char fenster[4] = {daten[0], daten[1], daten[2], 0};
    l.setzen(3);
    unsigned b;
    while (l.u8(b)) {
        fenster[3] = char(b);
        if (Status s = chunkLesen(l, std::string_view(fenster, 4), e); !s) return s;
        std::memmove(fenster, fenster + 1, 3);
    }
    if (!e.hatHoehen) return fehler("no ALTW chunk with elevations was found");
    e.rec.PunkteX = e.hoehenX;
    e.rec.PunkteY = e.hoehenY;
    uebernehmen(dok, e);
    rec = e.rec;
    return {};
}

Status LiesTerragen(Dokument& dok, TerragenRec& rec, const std::string& pfad) {
    std::string daten;
    if (Status s = dateiLesen(pfad, daten, TerragenMaxBytes); !s) return s;
    if (Status s = terragenDekodieren(dok, rec, daten); !s) {
        return Status::fehler(pfad + ": " + s.meldung());
    }
    return {};
}

}  // namespace gm
