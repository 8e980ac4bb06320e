#pragma once
// The command line taken apart into checked actions. Every name, key, number
// and range is checked here, before anything runs.

#include <cstdint>
#include <string>
#include <vector>

#include "core/dokument.h"
#include "core/status.h"
#include "editing/form.h"
#include "script/operationen.h"

namespace gm::cli {

enum class AktionsArt {
    Seed,
    Groesse,
    Umrechnen,
    Oeffnen,
    Zeile,
    Script,
    Setzen,
    Hinzu,
    Undo,
    Operation,
    Maske,
    Speichern,
    Export,
    Info,
    Palette,
    PaletteSpeichern,
    Strich,
    CoffeeVorlage
};

struct Aktion {
    AktionsArt art = AktionsArt::Info;
    std::string text;  // file name or script line
    std::uint32_t seed = 0;
    int punkteX = 0, punkteY = 0;
    EinstellungsZuweisung einstellung;
    const gm::Operation* operation = nullptr;
    Werte werte;
    void (*maske)(Dokument&) = nullptr;
    const gm::Export* exportFormat = nullptr;
    const gm::Import* import = nullptr;
    // --stroke: the tool, its button, its points and the settings it sets first.
    int werkzeug = 0;
    bool rechts = false;
    std::vector<Punkt> punkte;
    std::vector<EinstellungsZuweisung> einstellungen;
};

struct Befehlszeile {
    std::vector<Aktion> aktionen;
    bool hilfe = false;
};

Status BefehlszeileLesen(const std::vector<std::string>& argumente, Befehlszeile& aus);

}  // namespace gm::cli
