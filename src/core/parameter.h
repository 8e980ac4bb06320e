#pragma once
// Declarative description of an operation's parameter record. One table per
// record serves the command line, the dialogs, the script writers and --help.
//
// A record is a standard-layout struct of double, int and bool fields; each
// Parameter names one field by its offset (use offsetof).

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace gm {

enum class ParamTyp { Real, Ganz, Bool };
enum class Skala { Linear, Logarithmisch };

struct Parameter {
    std::string_view name;  // the record's field name, the key on the command line
    ParamTyp typ;
    std::size_t offset;  // offsetof(Record, field)
    double vorgabe;
    double minimum;
    double maximum;
    Skala skala = Skala::Linear;
    double schritt = 0.01;
    std::string_view titel = {};  // caption of its control
};

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

void feldSetzen(void* record, const Parameter& p, double wert);
double feldLesen(const void* record, const Parameter& p);

template <class Rec>
Rec recordAus(std::span<const Parameter> parameter, const Werte& werte) {
    Rec r{};
    for (std::size_t i = 0; i < parameter.size() && i < werte.size(); ++i) {
        feldSetzen(&r, parameter[i], werte[i]);
    }
    return r;
}

template <class Rec>
Werte werteAus(std::span<const Parameter> parameter, const Rec& r) {
    Werte w;
    for (const auto& p : parameter)
        w.push_back(feldLesen(&r, p));
    return w;
}

template <class Rec>
Rec recordVorgaben(std::span<const Parameter> parameter) {
    return recordAus<Rec>(parameter, vorgaben(parameter));
}

bool gleichOhneGross(std::string_view a, std::string_view b);

}  // namespace gm
