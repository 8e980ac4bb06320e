#include "script/abspielen.h"

#include "core/puffer.h"
#include "script/zeile.h"

namespace gm {

void ScriptAbspielen(Sitzung& s) {
    Dokument& dok = s.dok;
    if (dok.ScriptAnzahl < 1) return;
    UndoSichern(dok);
    for (int i = 1; i <= dok.ScriptAnzahl; ++i) {
        if (dok.ScriptListe[i].size() > 4) ZeileAusfuehren(s, dok.ScriptListe[i]);
    }
}

}  // namespace gm
