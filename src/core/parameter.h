#pragma once
// Declarative description of an operation's parameter record. One table per
// record serves the command line, the dialogs, the script writers and --help.
//
// A row is built from the path to its field, so its type is deduced:
//     Param<&GammaRec::Gamma>("Gamma", 1.0, 0.01, 100.0, Skala::Logarithmisch)
// A path may go through nested records and arrays:
//     Param<&RenderRec::SchneeFarbe1, &RenderColour::Rot>(...)
//     Param<&NoiseParamRec::Level, 3>(...)      (element 3 of the array)
// Fields are double, int or bool.

#include <cassert>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/status.h"

namespace gm {

enum class ParamTyp { Real, Ganz, Bool };
enum class Skala { Linear, Logarithmisch };

// Identifies a record type without RTTI: one address per type.
using RecordKennung = const void*;
template <class Rec>
RecordKennung recordKennung() {
    static const char kennung = 0;
    return &kennung;
}

struct Parameter {
    std::string_view name;  // the record's field name, the key on the command line
    ParamTyp typ;
    double (*lesen)(const void* record);
    void (*setzen)(void* record, double wert);
    RecordKennung (*record)();  // the record type the accessors expect
    double vorgabe;
    double minimum;
    double maximum;
    Skala skala = Skala::Linear;
    double schritt = 0.01;
    std::string_view titel = {};  // caption of its control
};

namespace feldpfad {

template <class M>
struct Glied;
template <class K, class F>
struct Glied<F K::*> {
    using Klasse = K;
};

template <auto Schritt, class T>
constexpr auto& gehe(T& t) {
    if constexpr (std::is_member_object_pointer_v<decltype(Schritt)>) {
        return t.*Schritt;
    } else {
        return t[Schritt];
    }
}

template <auto Erster, auto... Rest, class T>
constexpr auto& folge(T& t) {
    if constexpr (sizeof...(Rest) == 0) {
        return gehe<Erster>(t);
    } else {
        return folge<Rest...>(gehe<Erster>(t));
    }
}

template <auto Erster, auto...>
struct ErstesGlied {
    using Klasse = typename Glied<decltype(Erster)>::Klasse;
};

template <auto... Pfad>
using Record = typename ErstesGlied<Pfad...>::Klasse;

template <auto... Pfad>
using Feld = std::remove_reference_t<decltype(folge<Pfad...>(std::declval<Record<Pfad...>&>()))>;

template <class F>
constexpr ParamTyp typVon() {
    if constexpr (std::is_same_v<F, double>) {
        return ParamTyp::Real;
    } else if constexpr (std::is_same_v<F, int>) {
        return ParamTyp::Ganz;
    } else {
        static_assert(std::is_same_v<F, bool>, "a parameter is a double, int or bool field");
        return ParamTyp::Bool;
    }
}

template <auto... Pfad>
double lesen(const void* record) {
    using R = Record<Pfad...>;
    return double(folge<Pfad...>(*static_cast<const R*>(record)));
}

template <auto... Pfad>
void setzen(void* record, double wert) {
    using R = Record<Pfad...>;
    using F = Feld<Pfad...>;
    auto& feld = folge<Pfad...>(*static_cast<R*>(record));
    if constexpr (std::is_same_v<F, bool>) {
        feld = wert != 0.0;
    } else {
        feld = F(wert);
    }
}

}  // namespace feldpfad

template <auto... Pfad>
constexpr Parameter Param(std::string_view name, double vorgabe, double minimum, double maximum,
                          Skala skala = Skala::Linear, double schritt = 0.01,
                          std::string_view titel = {}) {
    using F = feldpfad::Feld<Pfad...>;
    return Parameter{name,
                     feldpfad::typVon<F>(),
                     &feldpfad::lesen<Pfad...>,
                     &feldpfad::setzen<Pfad...>,
                     &recordKennung<feldpfad::Record<Pfad...>>,
                     vorgabe,
                     minimum,
                     maximum,
                     skala,
                     schritt,
                     titel};
}

// One value per parameter, in table order; bools as 0/1, whole numbers exact.
using Werte = std::vector<double>;

Werte vorgaben(std::span<const Parameter> parameter);
// Index of the parameter named `name`, compared without regard to case.
std::optional<std::size_t> parameterSuchen(std::span<const Parameter> parameter,
                                           std::string_view name);
// Reads `text` as the value of parameter `name`, checking its type and range.
Status wertSetzen(std::span<const Parameter> parameter, Werte& werte, std::string_view name,
                  std::string_view text);
// Checks one value against its parameter's type and range.
Status wertPruefen(const Parameter& p, double wert);
// "Name (type, default d, min..max)" for --help.
std::string parameterHilfe(const Parameter& p);

template <class Rec>
void feldSetzen(Rec& record, const Parameter& p, double wert) {
    assert(p.record() == recordKennung<Rec>());
    p.setzen(&record, wert);
}

template <class Rec>
double feldLesen(const Rec& record, const Parameter& p) {
    assert(p.record() == recordKennung<Rec>());
    return p.lesen(&record);
}

template <class Rec>
Rec recordAus(std::span<const Parameter> parameter, const Werte& werte, Rec r = {}) {
    for (std::size_t i = 0; i < parameter.size() && i < werte.size(); ++i) {
        feldSetzen(r, parameter[i], werte[i]);
    }
    return r;
}

template <class Rec>
Werte werteAus(std::span<const Parameter> parameter, const Rec& r) {
    Werte w;
    for (const auto& p : parameter)
        w.push_back(feldLesen(r, p));
    return w;
}

template <class Rec>
Rec recordVorgaben(std::span<const Parameter> parameter) {
    return recordAus<Rec>(parameter, vorgaben(parameter));
}

bool gleichOhneGross(std::string_view a, std::string_view b);

}  // namespace gm
