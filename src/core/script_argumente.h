#pragma once
// The argument slots of the script line being replayed, their readers, and
// the per-operation table that says how each slot is written and read back.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/parameter.h"

namespace gm {

struct Dokument;

constexpr int ScriptMaxArgumente = 30;

struct ScriptArgumente {
    // Slots 1..30; slot 0 is unused.
    std::array<std::string, ScriptMaxArgumente + 1> slot;
    void leeren() {
        for (auto& s : slot)
            s.clear();
    }
};

// Reads and consumes the slot's text up to the first tab (all of it when there
// is none). An empty text reads as 0 and is then checked like any value;
// unreadable text, a value outside minimum..maximum, or a fraction in a
// whole-number argument gives the default.
double ArgumentZahl(ScriptArgumente& args, int slot, double vorgabe, double maximum,
                    double minimum);
int ArgumentGanzzahl(ScriptArgumente& args, int slot, int vorgabe, int maximum, int minimum);
// The slot's text as it stands (for file names), consuming it.
std::string ArgumentText(ScriptArgumente& args, int slot);

// How one argument is written into a line and read back.
enum class ArgForm {
    Dezimal,      // three decimals; read with ArgumentZahl
    Ganz,         // a whole number; read with ArgumentGanzzahl
    GanzAlsZahl,  // written rounded to a whole number; read with ArgumentZahl
    Text,         // written as it stands; read with ArgumentText, blanks trimmed
};

// One slot of an operation's line; row i of a table is slot i + 1. The
// replay default and range are the line's own, which may differ from the
// dialog's. `grenze`, when set, gives both the default and the maximum from
// the document at replay time.
struct ScriptArgument {
    double (*lesen)(const void* record) = nullptr;
    void (*setzen)(void* record, double wert) = nullptr;
    RecordKennung (*record)() = nullptr;
    double vorgabe = 0.0;
    double maximum = 0.0;
    double minimum = 0.0;
    ArgForm form = ArgForm::Dezimal;
    // When set, the maximum and the default from the document at replay time.
    double (*grenze)(const Dokument& dok) = nullptr;
    double (*vorgabeAus)(const Dokument& dok) = nullptr;
    const std::string& (*text)(const void* record) = nullptr;
    void (*textSetzen)(void* record, std::string wert) = nullptr;
};

namespace feldpfad {
template <class F>
constexpr ArgForm formVon() {
    return std::is_same_v<F, double> ? ArgForm::Dezimal : ArgForm::Ganz;
}
template <auto... Pfad>
const std::string& textLesen(const void* record) {
    return folge<Pfad...>(*static_cast<const Record<Pfad...>*>(record));
}
template <auto... Pfad>
void textSetzen(void* record, std::string wert) {
    folge<Pfad...>(*static_cast<Record<Pfad...>*>(record)) = std::move(wert);
}
template <class Rec, double (*Lesen)(const Rec&)>
double kodiertLesen(const void* record) {
    return Lesen(*static_cast<const Rec*>(record));
}
template <class Rec, void (*Setzen)(Rec&, double)>
void kodiertSetzen(void* record, double wert) {
    Setzen(*static_cast<Rec*>(record), wert);
}
}  // namespace feldpfad

// A number slot on a field; doubles take three decimals, ints and bools whole numbers.
template <auto... Pfad>
constexpr ScriptArgument Arg(double vorgabe, double maximum, double minimum,
                             ArgForm form = feldpfad::formVon<feldpfad::Feld<Pfad...>>()) {
    const Parameter p = Param<Pfad...>({}, vorgabe, minimum, maximum);
    return {p.lesen, p.setzen, p.record, vorgabe, maximum, minimum, form};
}

// A number slot whose default and maximum come from the document.
template <auto... Pfad>
constexpr ScriptArgument ArgBis(double (*grenze)(const Dokument&), double minimum, ArgForm form) {
    ScriptArgument a = Arg<Pfad...>(0.0, 0.0, minimum, form);
    a.grenze = grenze;
    a.vorgabeAus = grenze;
    return a;
}

// A number slot with a fixed default whose maximum comes from the document.
template <auto... Pfad>
constexpr ScriptArgument ArgBisMitVorgabe(double vorgabe, double (*grenze)(const Dokument&),
                                          double minimum, ArgForm form) {
    ScriptArgument a = Arg<Pfad...>(vorgabe, 0.0, minimum, form);
    a.grenze = grenze;
    return a;
}

// A number slot whose maximum and default come from the document separately.
template <auto... Pfad>
constexpr ScriptArgument ArgIm(double (*maximum)(const Dokument&),
                               double (*vorgabe)(const Dokument&), double minimum, ArgForm form) {
    ScriptArgument a = Arg<Pfad...>(0.0, 0.0, minimum, form);
    a.grenze = maximum;
    a.vorgabeAus = vorgabe;
    return a;
}

// A text slot on a std::string field.
template <auto... Pfad>
constexpr ScriptArgument TextArg() {
    ScriptArgument a;
    a.record = &recordKennung<feldpfad::Record<Pfad...>>;
    a.form = ArgForm::Text;
    a.text = &feldpfad::textLesen<Pfad...>;
    a.textSetzen = &feldpfad::textSetzen<Pfad...>;
    return a;
}

// A number slot that encodes several fields, such as a set of flags as bits.
template <class Rec, double (*Lesen)(const Rec&), void (*Setzen)(Rec&, double)>
constexpr ScriptArgument KodiertArg(double vorgabe, double maximum, double minimum, ArgForm form) {
    return {&feldpfad::kodiertLesen<Rec, Lesen>,
            &feldpfad::kodiertSetzen<Rec, Setzen>,
            &recordKennung<Rec>,
            vorgabe,
            maximum,
            minimum,
            form};
}

// "word(a1, a2, ...)" from the record's fields; the bare word for an empty table.
std::string ScriptZeileAus(std::string_view wort, std::span<const ScriptArgument> tabelle,
                           const void* record);
// Reads slot i + 1 into row i's field for every row.
void ArgumenteLesen(ScriptArgumente& args, std::span<const ScriptArgument> tabelle, void* record,
                    const Dokument& dok);

template <class Rec>
std::string ScriptZeileAus(std::string_view wort, std::span<const ScriptArgument> tabelle,
                           const Rec& record) {
    for ([[maybe_unused]] const auto& a : tabelle)
        assert(a.record() == recordKennung<Rec>());
    return ScriptZeileAus(wort, tabelle, static_cast<const void*>(&record));
}

template <class Rec>
void ArgumenteLesen(ScriptArgumente& args, std::span<const ScriptArgument> tabelle, Rec& record,
                    const Dokument& dok) {
    for ([[maybe_unused]] const auto& a : tabelle)
        assert(a.record() == recordKennung<Rec>());
    ArgumenteLesen(args, tabelle, static_cast<void*>(&record), dok);
}

// The record a line's arguments describe, starting from `start` for fields
// the line does not carry.
template <class Rec>
Rec ausArgumenten(ScriptArgumente& args, std::span<const ScriptArgument> tabelle,
                  const Dokument& dok, Rec start = {}) {
    ArgumenteLesen(args, tabelle, start, dok);
    return start;
}

}  // namespace gm
