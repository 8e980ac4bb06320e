#pragma once
// The catalogue: one registration row per operation. The menu, the script
// dispatch, the command line and --help all read these lists.
//
// A generator, filter or transform is one row of operationsListe() in
// operationen.cpp. A plain filter with a record `Rec`, its parameter table,
// its script-argument table and `void Anwenden(Dokument&, const Rec&)` is:
//   {"name", OperationsArt::Filter, RecParameter, "word", RecArgumente,
//    &filterLauf<Rec, &Anwenden>, &filterNachspielen<Rec, &Anwenden>,
//    "ObjectName1Click", DialogArt::Allgemein},
// filterLauf takes the undo copy, applies the record and records the line
// from the argument table (filterLaufMitUndo, for a filter that takes the
// copy itself); filterNachspielen reads the line through the same table and
// applies it. Generators use generatorLauf/generatorNachspielen.
// The menu command is the window's menu item of that object name. An
// operation with controls beyond its parameter description names
// DialogArt::Eigener, and the window registers its dialog class under the
// row's name. A slow operation appends `true` (the field `lang`) to its row.
//
// Exports, imports and settings records have lists of their own below.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/kombination.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/script_argumente.h"
#include "core/script_liste.h"
#include "core/status.h"
#include "formats/netz_export.h"
#include "script/sitzung.h"

namespace gm {

enum class OperationsArt {
    Generator,  // fills Zweitbild and combines: --gen
    Filter,     // reworks the field: --filter
    Skript,     // a script word only, such as "paintmode": --line
};

// How the window offers an operation: at once, through the dialog built from
// the parameter description, or through a dialog class of its own.
enum class DialogArt { Keiner, Allgemein, Eigener };

struct Operation;
// Runs the operation as the dialog's "Übernehmen" does, with its values in
// parameter order, already checked.
using AusfuehrenFn = Status (*)(Sitzung&, const Operation&, const Werte&);
// Replays the operation's script line from the argument slots: no undo copy,
// no recording. Fails only when the operation itself fails.
using NachspielenFn = Status (*)(Sitzung&, const Operation&, ScriptArgumente&);

struct Operation {
    std::string_view name;  // the command-line name
    OperationsArt art;
    std::span<const Parameter> parameter;
    std::string_view wort;                      // script word; empty: records nothing
    std::span<const ScriptArgument> argumente;  // slot i + 1 is row i; empty: a bare word
    AusfuehrenFn ausfuehren;                    // nullptr for a script word only
    NachspielenFn nachspielen;                  // nullptr when it has no script word
    std::string_view menue = {};  // object name of its command in the window's menu; empty: none
    DialogArt dialog = DialogArt::Keiner;
    // Takes seconds on large fields: the window runs it beside its own thread
    // with "Abbrechen". Its algorithm may report progress (core/fortschritt.h).
    bool lang = false;
};

using DateiFn = Status (*)(Sitzung&, const std::string& pfad);
using OrtFn = void* (*)(Sitzung&);

struct Export {
    std::string_view format;
    DateiFn schreiben;  // reads the state and changes nothing
    // The mesh format of a mesh export, which the window runs beside its
    // own thread to show the selection's progress.
    std::optional<NetzFormat> netz = std::nullopt;
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
    void (*nachSetzen)(void* record) = nullptr;  // keeps dependent fields in step
};

// A single setting under its own key: a field of the record `ort` returns.
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
const Operation* OperationSuchen(std::string_view name);  // of any kind
const Export* ExportSuchen(std::string_view format);
const Import* ImportFuerPfad(std::string_view pfad);
// The operation recorded under `wort`, compared exactly; nullptr when none is built.
const Operation* OperationFuerWort(std::string_view wort);

// Starts from the defaults and applies each "KEY=VALUE", checking keys,
// numbers and ranges.
Status WerteLesen(std::span<const Parameter> parameter, std::span<const std::string> zuweisungen,
                  Werte& werte);

// A setting whose value is text, such as "CoffeeRec.Name".
struct Texteinstellung {
    std::string_view name;
    void (*setzen)(Sitzung&, const std::string& text);
};
std::span<const Texteinstellung> Texteinstellungen();

// A checked "KEY=VALUE" for a setting, ready to apply: a number for a
// parameter, or the text of a text setting.
struct EinstellungsZuweisung {
    OrtFn ort = nullptr;
    const Parameter* parameter = nullptr;
    double wert = 0.0;
    void (*nachSetzen)(void* record) = nullptr;
    const Texteinstellung* textFeld = nullptr;
    std::string text;
};
Status EinstellungLesen(std::string_view zuweisung, EinstellungsZuweisung& aus);
void EinstellungAnwenden(Sitzung& s, const EinstellungsZuweisung& z);

// The common runs and replays, for rows of plain filters and generators.

// filterLauf for a filter that takes the undo copy itself on its way over the
// grid: `MitUndo` does what UndoSichern and the filter would.
template <class Rec, void (*MitUndo)(Dokument&, const Rec&)>
Status filterLaufMitUndo(Sitzung& s, const Operation& op, const Werte& werte) {
    const Rec rec = recordAus<Rec>(op.parameter, werte);
    MitUndo(s.dok, rec);
    ScriptAnhaengen(s.dok, ScriptZeileAus(op.wort, op.argumente, rec));
    return {};
}

template <class Rec, void (*Anwenden)(Dokument&, const Rec&)>
void nachUndoSichern(Dokument& dok, const Rec& rec) {
    UndoSichern(dok);
    Anwenden(dok, rec);
}

template <class Rec, void (*Anwenden)(Dokument&, const Rec&)>
Status filterLauf(Sitzung& s, const Operation& op, const Werte& werte) {
    return filterLaufMitUndo<Rec, &nachUndoSichern<Rec, Anwenden>>(s, op, werte);
}

template <class Rec, void (*Anwenden)(Dokument&, const Rec&)>
Status filterNachspielen(Sitzung& s, const Operation& op, ScriptArgumente& args) {
    Anwenden(s.dok, ausArgumenten(args, op.argumente, s.dok, recordVorgaben<Rec>(op.parameter)));
    return {};
}

// A generator fills Zweitbild from its record; the combination follows.
template <class Rec, void (*Erzeugen)(Dokument&, const Rec&)>
Status generatorLauf(Sitzung& s, const Operation& op, const Werte& werte) {
    const Rec rec = recordAus<Rec>(op.parameter, werte);
    Erzeugen(s.dok, rec);
    ZweitbildVerknuepfen(s.dok);
    if (!op.wort.empty()) ScriptAnhaengen(s.dok, ScriptZeileAus(op.wort, op.argumente, rec));
    return {};
}

template <class Rec, void (*Erzeugen)(Dokument&, const Rec&)>
Status generatorNachspielen(Sitzung& s, const Operation& op, ScriptArgumente& args) {
    Erzeugen(s.dok, ausArgumenten(args, op.argumente, s.dok, recordVorgaben<Rec>(op.parameter)));
    ZweitbildVerknuepfen(s.dok);
    return {};
}

// Runs the operation named `name` with the values of a record, as a dialog's
// "Übernehmen" does; `art` tells apart operations that share a name.
template <class Rec>
Status RecordAusfuehren(Sitzung& s, std::string_view name, const Rec& rec);
template <class Rec>
Status RecordAusfuehren(Sitzung& s, OperationsArt art, std::string_view name, const Rec& rec);

// A filter without a record, recorded as its bare word.
template <void (*F)(Dokument&)>
Status bareFilterLauf(Sitzung& s, const Operation& op, const Werte&) {
    UndoSichern(s.dok);
    F(s.dok);
    ScriptAnhaengen(s.dok, op.wort);
    return {};
}

// Adapters for operations without a record.
template <void (*F)(Dokument&)>
Status ohneWerte(Sitzung& s, const Operation&, const Werte&) {
    F(s.dok);
    return {};
}
template <void (*F)(Dokument&)>
Status ohneArgumente(Sitzung& s, const Operation&, ScriptArgumente&) {
    F(s.dok);
    return {};
}
// Adapters for a replay procedure of a lower layer that reads its own slots.
template <void (*F)(Dokument&, ScriptArgumente&)>
Status aufDokument(Sitzung& s, const Operation&, ScriptArgumente& a) {
    F(s.dok, a);
    return {};
}
// A run of a lower layer taking its values in parameter order.
template <Status (*F)(Dokument&, const Werte&)>
Status mitWerten(Sitzung& s, const Operation&, const Werte& w) {
    return F(s.dok, w);
}

template <class Rec>
Status RecordAusfuehren(Sitzung& s, std::string_view name, const Rec& rec) {
    const Operation* op = OperationSuchen(name);
    assert(op != nullptr);
    return op->ausfuehren(s, *op, werteAus(op->parameter, rec));
}

template <class Rec>
Status RecordAusfuehren(Sitzung& s, OperationsArt art, std::string_view name, const Rec& rec) {
    const Operation* op = OperationSuchen(art, name);
    assert(op != nullptr);
    return op->ausfuehren(s, *op, werteAus(op->parameter, rec));
}

}  // namespace gm
