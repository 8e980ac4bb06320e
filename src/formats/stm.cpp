#include "formats/stm.h"

#include <cstdint>

#include "core/ablage.h"
#include "core/atomare_datei.h"
#include "core/puffer.h"
#include "formats/bytes.h"

namespace gm {

namespace {

Status fehler(const std::string& text) {
    return Status::fehler("STM file: " + text);
}

// Four ASCII digits; blanks before the number are allowed.
bool kanteLesen(std::string_view text, int& wert) {
    wert = 0;
    bool ziffer = false;
    for (char c : text) {
        if (c == ' ' && !ziffer) continue;
        if (c < '0' || c > '9') return false;
        wert = wert * 10 + (c - '0');
        ziffer = true;
    }
    return ziffer;
}

}  // namespace

Status stmDekodieren(Dokument& dok, std::string_view daten) {
    if (daten.size() < StmKopfBytes) {
        return fehler("the file has " + std::to_string(daten.size()) +
                      " bytes, the header alone needs 17");
    }
    if (daten.substr(0, 3) != "STM") return fehler("it does not start with \"STM\"");
    int w, h;
    if (!kanteLesen(daten.substr(3, 4), w) || !kanteLesen(daten.substr(7, 4), h)) {
        return fehler("the width and height are not four-digit numbers");
    }
    if (w < StmMinKante || h < StmMinKante || w > StmMaxKante || h > StmMaxKante) {
        return fehler("a size of " + std::to_string(w) + " x " + std::to_string(h) +
                      " is outside " + std::to_string(StmMinKante) + ".." +
                      std::to_string(StmMaxKante) + " per side");
    }
    const std::size_t noetig = StmKopfBytes + std::size_t(w) * std::size_t(h) * 2;
    if (daten.size() < noetig) {
        return fehler("the file ends after " + std::to_string(daten.size()) + " of " +
                      std::to_string(noetig) + " bytes");
    }
    ByteLeser l(daten);
    NeueGroesse(dok, w - 2, h - 2, false);
    for (int x = 0; x < w - 1; ++x) {
        const std::size_t spalte = StmKopfBytes + std::size_t(x) * std::size_t(h) * 2;
        for (int y = 0; y < h - 1; ++y) {
            const std::size_t a = spalte + std::size_t(y) * 2;
            dok.Hoehenfeld(x, y) = l.byteAn(a) + 256 * l.byteAn(a + 1);
        }
    }
    Normalisieren(dok);
    UndoSichern(dok);
    Freigeben(dok);
    return {};
}

Status LiesStm(Dokument& dok, const std::string& pfad) {
    std::string daten;
    if (Status s = dateiLesen(pfad, daten, StmMaxBytes); !s) return s;
    if (Status s = stmDekodieren(dok, daten); !s) return Status::fehler(pfad + ": " + s.meldung());
    return {};
}

}  // namespace gm
