#pragma once
// The catalogue of named operations the command line (and later the dialogs)
// read: generators and filters with their parameter descriptions, exports by
// format name, imports by file extension, and the settings --set may change.
//
// Each list in operationen.cpp holds one line per entry. Registering:
//   generator or filter:
//     {"noise", OperationsArt::Generator, NoiseParameter(), &noiseAusfuehren},
//     where run(Sitzung&, const Werte&) builds its record with recordAus and
//     does what the dialog's "Übernehmen" does (a generator ends with
//     ZweitbildVerknuepfen; a filter takes its own undo copy) and records its
//     script line with ScriptZeile + ScriptAnhaengen.
//   export:   {"terragen", &terragenSchreiben},
//   import:   {".ter", &terragenLesen},   (extension compared without case)
//   settings: {"TerragenRec", TerragenParameter(), [](Sitzung& s) -> void* { return &s.terragen;
//   }},
//     which makes every field settable as --set TerragenRec.Field=VALUE.
//   a single setting: {{"Name", ParamTyp::Ganz, 0, default, min, max}, [](Sitzung& s) -> void* {
//   return &s.name; }},
//     (offset 0: the pointer is the field itself).

#include <span>
#include <string>
#include <string_view>

#include "core/parameter.h"
#include "core/status.h"
#include "script/sitzung.h"

namespace gm {

enum class OperationsArt { Generator, Filter };

using AusfuehrenFn = Status (*)(Sitzung&, const Werte&);
using DateiFn = Status (*)(Sitzung&, const std::string& pfad);
using OrtFn = void* (*)(Sitzung&);

struct Operation {
    std::string_view name;
    OperationsArt art;
    std::span<const Parameter> parameter;
    AusfuehrenFn ausfuehren;  // values in parameter order, already checked
};

struct Export {
    std::string_view format;
    DateiFn schreiben;  // reads the state and changes nothing
};

struct Import {
    std::string_view endung;  // with the dot, as ".fla"
    DateiFn lesen;            // checks the whole file before changing anything
};

// A settings record: every field is a key "Record.Field".
struct Einstellungssatz {
    std::string_view name;
    std::span<const Parameter> parameter;
    OrtFn record;
};

// A single setting under its own key; its parameter's offset is 0.
struct Einstellungswert {
    Parameter parameter;
    OrtFn ort;
};

std::span<const Operation> Operationen();
std::span<const Export> Exporte();
std::span<const Import> Importe();
std::span<const Einstellungssatz> Einstellungssaetze();
std::span<const Einstellungswert> Einstellungswerte();

// Lookups compare names without regard to case; nullptr when not found.
const Operation* OperationSuchen(OperationsArt art, std::string_view name);
const Export* ExportSuchen(std::string_view format);
const Import* ImportFuerPfad(std::string_view pfad);

// Starts from the defaults and applies each "KEY=VALUE", checking keys,
// numbers and ranges.
Status WerteLesen(std::span<const Parameter> parameter, std::span<const std::string> zuweisungen,
                  Werte& werte);

// A checked "KEY=VALUE" for a setting, ready to apply.
struct EinstellungsZuweisung {
    OrtFn ort = nullptr;
    const Parameter* parameter = nullptr;
    double wert = 0.0;
};
Status EinstellungLesen(std::string_view zuweisung, EinstellungsZuweisung& aus);
void EinstellungAnwenden(Sitzung& s, const EinstellungsZuweisung& z);

}  // namespace gm
