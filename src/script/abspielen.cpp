#include "script/abspielen.h"

#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm {

std::vector<ZeilenMeldung> ScriptAbspielen(Sitzung& s) {
    Dokument& dok = s.dok;
    std::vector<ZeilenMeldung> meldungen;
    if (dok.ScriptAnzahl < 1) return meldungen;
    UndoSichern(dok);
    for (int i = 1; i <= dok.ScriptAnzahl; ++i) {
        const std::string& zeile = dok.ScriptListe[i];
        ZeilenErgebnis e{ZeilenErgebnis::Ignoriert, {}, {}};
        if (zeile.size() > 4) e = ZeileAusfuehren(s, zeile);
        if (!e.ausgefuehrt() && !trimBlanks(zeile).empty()) meldungen.push_back({i, e});
    }
    return meldungen;
}

}  // namespace gm
