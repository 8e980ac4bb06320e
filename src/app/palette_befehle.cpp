// "&Palette": arranging, reversing, copying and exchanging the palettes, the
// colour mode, palette files and the render settings dialog.

#include <QAction>
#include <filesystem>

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/render_dialog.h"
#include "display/farbstand.h"
#include "display/palettendatei.h"
#include "script/sitzung.h"

namespace gm {

namespace {

ColourState& farben(TLandGenerator& f) {
    return f.sitzung().farben;
}

DateiDialog paletteDialog(TLandGenerator& f, const char* titel) {
    const DateiWahl& w = f.zustand().palette;
    return {titel, "Scale (*.fpl);;All  (*.*)", "fpl", w.gewaehlt() ? w.name : w.ordner};
}

void modusSetzen(TLandGenerator& f, int modus, const char* aktion) {
    farben(f).Farbmodus = modus;
    f.aktion(aktion)->setChecked(true);
    f.farbenNeuZeichnen();
}

void speichern(TLandGenerator& f, const std::string& pfad) {
    if (Status s = PalettenSpeichern(farben(f), pfad); !s) {
        f.dienste().fehler(s.meldung());
        return;
    }
    dateiUebernehmen(f.zustand().palette, pfad);
}

}  // namespace

void Kopieren2Click(TLandGenerator& f) {
    PalettenAnordnen(farben(f));
    f.farbenNeuZeichnen();
}

void PaletteInvertierenClick(TLandGenerator& f) {
    PalettenUmkehren(farben(f));
    f.farbenNeuZeichnen();
}

void GrP11Click(TLandGenerator& f) {
    PaletteZuruecksetzen(farben(f).palette(1));
    f.farbenNeuZeichnen();
}

void GrP21Click(TLandGenerator& f) {
    PaletteZuruecksetzen(farben(f).palette(2));
    f.farbenNeuZeichnen();
}

void P1P21Click(TLandGenerator& f) {
    PaletteKopieren(farben(f).palette(1), farben(f).palette(2));
    f.farbenNeuZeichnen();
}

void P2P11Click(TLandGenerator& f) {
    PaletteKopieren(farben(f).palette(2), farben(f).palette(1));
    f.farbenNeuZeichnen();
}

void P1P22Click(TLandGenerator& f) {
    PalettenTauschen(farben(f));
    f.farbenNeuZeichnen();
}

void Graustufen1Click(TLandGenerator& f) {
    modusSetzen(f, FarbmodusGrau, "Graustufen1Click");
}
void Palette11Click(TLandGenerator& f) {
    modusSetzen(f, FarbmodusPalette1, "Palette11Click");
}
void Palette22Click(TLandGenerator& f) {
    modusSetzen(f, FarbmodusPalette2, "Palette22Click");
}
void Palette12Click(TLandGenerator& f) {
    modusSetzen(f, FarbmodusRender, "Palette12Click");
}

void Laden1Click(TLandGenerator& f) {
    const auto pfad = f.dienste().oeffnen(paletteDialog(f, "Öffnen Palette"));
    if (!pfad) return;
    f.zustand().palette.ordner = std::filesystem::path(*pfad).parent_path().string();
    if (Status s = PalettenLaden(*pfad, farben(f)); !s) {
        f.dienste().fehler(s.meldung());
        return;
    }
    f.zustand().palette.name = *pfad;
    f.farbenNeuZeichnen();
}

void Speichern1Click(TLandGenerator& f) {
    if (!f.zustand().palette.gewaehlt()) {
        Speichernals1Click(f);
        return;
    }
    speichern(f, f.zustand().palette.name);
}

void Speichernals1Click(TLandGenerator& f) {
    const auto pfad = f.dienste().speichern(paletteDialog(f, "Speichern Palette"));
    if (!pfad || pfad->empty()) return;
    std::error_code fehler;
    if (std::filesystem::exists(*pfad, fehler) &&
        f.dienste().frage("Datei " + *pfad + " überschreiben ?") != Antwort::Ja) {
        return;
    }
    speichern(f, *pfad);
}

void Einstellungen1Click(TLandGenerator& f) {
    if (f.dienste().renderEinstellungen()) f.farbenNeuZeichnen();
}

}  // namespace gm
