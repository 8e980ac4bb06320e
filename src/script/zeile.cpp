#include "script/zeile.h"

#include <string>

#include "core/zahlen.h"
#include "script/befehlstabelle.h"
#include "script/operationen.h"

namespace gm {

namespace {

std::string kleinbuchstaben(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return s;
}

// Keeps recording off while a line replays, so a replay never appends.
class AufnahmePause {
  public:
    explicit AufnahmePause(Dokument& dok) : dok_(dok), vorher_(dok.ScriptAufnahme) {
        dok_.ScriptAufnahme = false;
    }
    ~AufnahmePause() { dok_.ScriptAufnahme = vorher_; }
    AufnahmePause(const AufnahmePause&) = delete;
    AufnahmePause& operator=(const AufnahmePause&) = delete;

  private:
    Dokument& dok_;
    bool vorher_;
};

}  // namespace

void ArgumenteTeilen(ScriptArgumente& args, std::string_view text) {
    args.leeren();
    for (int n = 1; n <= ScriptMaxArgumente; ++n) {
        const auto komma = text.find(',');
        if (komma == std::string_view::npos) {
            // A list without ")" takes the rest of the text as its last argument.
            args.slot[n] = std::string(trimBlanks(text.substr(0, text.find(')'))));
            return;
        }
        args.slot[n] = std::string(trimBlanks(text.substr(0, komma)));
        text.remove_prefix(komma + 1);
    }
}

std::optional<std::string> ZeileZerlegen(std::string_view zeile, ScriptArgumente& args) {
    if (zeile.size() <= 4) return std::nullopt;
    if (const auto kommentar = zeile.find("//"); kommentar != std::string_view::npos) {
        zeile = zeile.substr(0, kommentar);
    }
    if (zeile.size() <= 3) return std::nullopt;
    std::string_view wort = zeile;
    if (const auto klammer = zeile.find('('); klammer != std::string_view::npos) {
        wort = zeile.substr(0, klammer);
        ArgumenteTeilen(args, zeile.substr(klammer + 1));
    } else {
        args.leeren();
    }
    std::string klein = kleinbuchstaben(trimBlanks(wort));
    if (klein.size() <= 3) return std::nullopt;
    return klein;
}

std::string ZeilenErgebnis::text() const {
    switch (art) {
        case Ausgefuehrt:
            return {};
        case Ignoriert:
            return "too short to be a command";
        case Unbekannt:
            return "\"" + wort + "\" is not a command word";
        case NichtGebaut:
            return "\"" + wort + "\" is not available yet";
        case Fehlgeschlagen:
            return wort + ": " + status.meldung();
    }
    return {};
}

ZeilenErgebnis ZeileAusfuehren(Sitzung& s, std::string_view zeile) {
    if (auto wort = ZeileZerlegen(zeile, s.Argumente)) return BefehlAusfuehren(s, *wort);
    return {ZeilenErgebnis::Ignoriert, {}, {}};
}

ZeilenErgebnis BefehlAusfuehren(Sitzung& s, std::string_view wort) {
    ZeilenErgebnis e{ZeilenErgebnis::Ausgefuehrt, std::string(wort), {}};
    if (BefehlSuchen(wort) == nullptr) {
        const Erweiterungswort* erweiterung = ErweiterungSuchen(wort);
        if (erweiterung == nullptr) {
            e.art = ZeilenErgebnis::Unbekannt;
            return e;
        }
        AufnahmePause pause(s.dok);
        e.status = erweiterung->nachspielen(s.dok, s.Argumente);
        if (!e.status) e.art = ZeilenErgebnis::Fehlgeschlagen;
        return e;
    }
    const Operation* op = OperationFuerWort(wort);
    if (op == nullptr || op->nachspielen == nullptr) {
        e.art = ZeilenErgebnis::NichtGebaut;
        return e;
    }
    AufnahmePause pause(s.dok);
    e.status = op->nachspielen(s, *op, s.Argumente);
    if (!e.status) e.art = ZeilenErgebnis::Fehlgeschlagen;
    return e;
}

}  // namespace gm
