#include "script/skriptdatei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/atomare_datei.h"
#include "core/zahlen.h"

namespace gm {

namespace {

// Reads at most ScriptDateiMaxBytes; a longer file is an error.
Status begrenztLesen(const std::string& pfad, std::string& inhalt) {
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f) return Status::fehler("cannot open " + pfad + ": " + std::strerror(errno));
    std::string daten;
    char puffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) {
        if (daten.size() + n > ScriptDateiMaxBytes) {
            std::fclose(f);
            return Status::fehler("cannot read " + pfad + ": a script file may hold at most " +
                                  std::to_string(ScriptDateiMaxBytes) + " bytes");
        }
        daten.append(puffer, n);
    }
    const bool fehler = std::ferror(f) != 0;
    const int fehlerNr = errno;
    std::fclose(f);
    if (fehler) return Status::fehler("cannot read " + pfad + ": " + std::strerror(fehlerNr));
    inhalt = std::move(daten);
    return {};
}

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
    if (Status s = begrenztLesen(pfad, inhalt); !s) return s;
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
