#include "script/skriptdatei.h"

#include "core/atomare_datei.h"
#include "core/zahlen.h"

namespace gm {

namespace {

// The next line of `rest` without its line end; advances `rest` past it.
std::string_view naechsteZeile(std::string_view& rest) {
    const auto ende = rest.find_first_of("\r\n");
    std::string_view zeile = rest.substr(0, ende);
    if (ende == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[ende] == '\r' && ende + 1 < rest.size() && rest[ende + 1] == '\n';
        rest.remove_prefix(ende + (crlf ? 2 : 1));
    }
    return zeile;
}

}  // namespace

std::optional<std::vector<std::string>> ScriptTextLesen(std::string_view inhalt) {
    if (trimBlanks(naechsteZeile(inhalt)) != ScriptKopf) return std::nullopt;
    std::vector<std::string> zeilen;
    while (!inhalt.empty() && zeilen.size() < std::size_t(ScriptMaxZeilen)) {
        zeilen.emplace_back(naechsteZeile(inhalt));
    }
    return zeilen;
}

std::string ScriptText(const Dokument& dok) {
    std::string text(ScriptKopf);
    text += "\r\n";
    for (int i = 1; i <= dok.ScriptAnzahl; ++i) {
        text += dok.ScriptListe[i];
        text += "\r\n";
    }
    return text;
}

Status ScriptDateiLaden(Dokument& dok, const std::string& pfad) {
    std::string inhalt;
    if (Status s = dateiLesen(pfad, inhalt, ScriptDateiMaxBytes); !s) return s;
    auto zeilen = ScriptTextLesen(inhalt);
    if (!zeilen) {
        return Status::fehler(pfad + " is not a script file: its first line is not \"" +
                              std::string(ScriptKopf) + "\"");
    }
    for (auto& z : dok.ScriptListe)
        z.clear();
    dok.ScriptAnzahl = int(zeilen->size());
    for (int i = 1; i <= dok.ScriptAnzahl; ++i)
        dok.ScriptListe[i] = std::move((*zeilen)[i - 1]);
    return {};
}

Status ScriptDateiSpeichern(const Dokument& dok, const std::string& pfad) {
    return dateiAtomarSchreiben(pfad, ScriptText(dok));
}

}  // namespace gm
