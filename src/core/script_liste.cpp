#include "core/script_liste.h"

#include "core/zahlen.h"

namespace gm {

void ScriptAnhaengen(Dokument& dok, std::string_view zeile) {
    if (!dok.ScriptAufnahme || dok.ScriptAnzahl >= ScriptMaxZeilen) return;
    dok.ScriptListe[++dok.ScriptAnzahl] = std::string(zeile);
}

void ScriptNeu(Dokument& dok) {
    for (auto& z : dok.ScriptListe)
        z.clear();
    dok.ScriptAnzahl = 0;
    dok.ScriptAufnahme = false;
}

ScriptArg::ScriptArg(double v) : text(formatScriptNumber(v)) {}
ScriptArg::ScriptArg(int v) : text(std::to_string(v)) {}

std::string ScriptZeile(std::string_view wort, std::span<const ScriptArg> argumente) {
    std::string zeile(wort);
    zeile += '(';
    bool erstes = true;
    for (const auto& a : argumente) {
        if (!erstes) zeile += ", ";
        zeile += a.text;
        erstes = false;
    }
    zeile += ')';
    return zeile;
}

}  // namespace gm
