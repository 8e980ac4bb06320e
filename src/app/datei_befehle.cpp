// "&Datei": new field, native file open, add, save, save as, exit.

#include <filesystem>

#include "app/aenderungen.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/zuletzt.h"
#include "core/kombination.h"
#include "core/nativdatei.h"
#include "core/puffer.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const char* const kFilter = "Gravimonte (*.fla);;All  (*.*)";

DateiDialog nativDialog(TLandGenerator& f, const char* titel) {
    const DateiWahl& w = f.zustand().nativ;
    return {titel, kFilter, "fla", w.gewaehlt() ? w.name : w.ordner};
}

bool melden(TLandGenerator& f, const Status& s) {
    if (!s) f.dienste().fehler(s.meldung());
    return s.ok();
}

void schreiben(TLandGenerator& f, const std::string& pfad) {
    if (!melden(f, NativSchreiben(f.dok(), pfad))) return;
    dateiUebernehmen(f.zustand().nativ, pfad);
    zuletztMerken(f, pfad);
    alsGespeichertMerken(f);
}

}  // namespace

// The new field has no file yet: "Speichern" asks for a name instead of
// overwriting the file the old field came from.
void FileNew1Execute(TLandGenerator& f) {
    if (!aenderungenSichern(f)) return;
    Dokument& d = f.dok();
    const auto g = f.dienste().groesse({d.punkteX(), d.punkteY()});
    if (!g || !punkteGueltig(g->punkteX, g->punkteY)) return;
    NeueGroesse(d, g->punkteX - 1, g->punkteY - 1, true);
    f.zustand().nativ.name = "*.fla";
    f.neueGroesse(false);
    AnsichtEinpassen(f);
    Freigeben1Click(f);
    alsGespeichertMerken(f);
}

void FileOpen1Execute(TLandGenerator& f) {
    if (!aenderungenSichern(f)) return;
    const auto pfad = f.dienste().oeffnen(nativDialog(f, "Öffnen Gravimonte"));
    if (pfad) NativDateiOeffnen(f, *pfad);
}

void NativDateiOeffnen(TLandGenerator& f, const std::string& pfad) {
    if (!aenderungenSichern(f)) return;
    f.zustand().nativ.ordner = std::filesystem::path(pfad).parent_path().string();
    if (!melden(f, NativLesen(f.dok(), pfad))) return;
    f.zustand().nativ.name = pfad;
    zuletztMerken(f, pfad);
    f.neueGroesse(false);
    AnsichtEinpassen(f);
    Freigeben1Click(f);
    alsGespeichertMerken(f);
}

// The chosen file's folder is taken over but not its name: a later "Speichern"
// must not overwrite the file that was only added from.
void Hinzuffnen1Click(TLandGenerator& f) {
    const auto pfad = f.dienste().oeffnen(nativDialog(f, "Öffnen Gravimonte"));
    if (!pfad) return;
    f.zustand().nativ.ordner = std::filesystem::path(*pfad).parent_path().string();
    if (!melden(f, NativInZweitbildLesen(f.dok(), *pfad))) return;
    ZweitbildVerknuepfen(f.dok());
    f.neuZeichnen();
}

void FileSave1Execute(TLandGenerator& f) {
    if (!f.zustand().nativ.gewaehlt()) {
        FileSaveAs1Execute(f);
        return;
    }
    schreiben(f, f.zustand().nativ.name);
}

void FileSaveAs1Execute(TLandGenerator& f) {
    const auto pfad = f.dienste().speichern(nativDialog(f, "Speichern Gravimonte"));
    if (!pfad || pfad->empty()) return;
    std::error_code fehler;
    if (std::filesystem::exists(*pfad, fehler) &&
        f.dienste().frage("Datei " + *pfad + " überschreiben ?") != Antwort::Ja) {
        return;
    }
    schreiben(f, *pfad);
}

void FileExit1Execute(TLandGenerator& f) {
    f.close();
}

}  // namespace gm
