// "Script": new list, recording on and off, open, save and playback.

#include <QAction>

#include "app/abspielen_dialog.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "core/script_liste.h"
#include "script/sitzung.h"
#include "script/skriptdatei.h"

namespace gm {

namespace {
void aufnahmeSetzen(TLandGenerator& f, bool an) {
    f.dok().ScriptAufnahme = an;
    f.aktion("ScriptAufnehmenClick")->setChecked(an);
}

DateiDialog scriptDialog(TLandGenerator& f, const char* titel, const char* filter) {
    const DateiWahl& w = f.zustand().script;
    return {titel, filter, "txt", w.gewaehlt() ? w.name : w.ordner};
}
}  // namespace

void ScriptNeuClick(TLandGenerator& f) {
    ScriptNeu(f.dok());
    aufnahmeSetzen(f, false);
}

void ScriptAufnehmenClick(TLandGenerator& f) {
    aufnahmeSetzen(f, true);
}

void ScriptStoppenClick(TLandGenerator& f) {
    aufnahmeSetzen(f, false);
}

void ScriptLadenClick(TLandGenerator& f) {
    const auto pfad =
        f.dienste().oeffnen(scriptDialog(f, "Öffnen Script", "Script (*.txt);;All (*.*)"));
    if (!pfad) return;
    dateiUebernehmen(f.zustand().script, *pfad);
    if (Status s = ScriptDateiLaden(f.dok(), *pfad); !s) f.dienste().fehler(s.meldung());
}

void ScriptSpeichernClick(TLandGenerator& f) {
    if (f.dok().ScriptAnzahl <= 0) return;
    const auto pfad = f.dienste().speichern(
        scriptDialog(f, "Speichern Script", "Gravimonte-Script (*.txt);;All  (*.*)"));
    if (!pfad || pfad->empty()) return;
    dateiUebernehmen(f.zustand().script, *pfad);
    if (Status s = ScriptDateiSpeichern(f.dok(), *pfad); !s) f.dienste().fehler(s.meldung());
}

void ScriptAbspielenClick(TLandGenerator& f) {
    if (f.dok().ScriptAnzahl < 1) return;
    const auto fehler = f.dienste().abspielen();
    if (!fehler) return;
    f.neuZeichnen();
    if (!fehler->empty()) f.dienste().fehler(*fehler);
}

}  // namespace gm
