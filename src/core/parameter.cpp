#include "core/parameter.h"

#include <cmath>

#include "core/zahlen.h"

namespace gm {

bool gleichOhneGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto klein = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (klein(a[i]) != klein(b[i])) return false;
    }
    return true;
}

Werte vorgaben(std::span<const Parameter> parameter) {
    Werte w;
    for (const auto& p : parameter)
        w.push_back(p.vorgabe);
    return w;
}

std::optional<std::size_t> parameterSuchen(std::span<const Parameter> parameter,
                                           std::string_view name) {
    for (std::size_t i = 0; i < parameter.size(); ++i) {
        if (gleichOhneGross(parameter[i].name, name)) return i;
    }
    return std::nullopt;
}

Status wertPruefen(const Parameter& p, double wert) {
    const std::string name(p.name);
    if (p.typ != ParamTyp::Real && wert != std::trunc(wert)) {
        return Status::fehler(name + " must be a whole number");
    }
    if (p.typ == ParamTyp::Bool && wert != 0.0 && wert != 1.0) {
        return Status::fehler(name + " must be 0 or 1");
    }
    if (wert < p.minimum || wert > p.maximum) {
        return Status::fehler(name + " must lie in " + formatFixed(p.minimum, 3) + ".." +
                              formatFixed(p.maximum, 3));
    }
    return {};
}

Status wertSetzen(std::span<const Parameter> parameter, Werte& werte, std::string_view name,
                  std::string_view text) {
    auto i = parameterSuchen(parameter, name);
    if (!i) return Status::fehler("unknown key " + std::string(name));
    auto wert = parseNumber(text);
    if (!wert) {
        return Status::fehler("value of " + std::string(name) +
                              " is not a number: " + std::string(text));
    }
    if (Status s = wertPruefen(parameter[*i], *wert); !s) return s;
    werte[*i] = *wert;
    return {};
}

std::string parameterHilfe(const Parameter& p) {
    const char* typ = p.typ == ParamTyp::Real ? "real" : p.typ == ParamTyp::Ganz ? "int" : "0/1";
    const int stellen = p.typ == ParamTyp::Real ? 3 : 0;
    std::string s(p.name);
    s += " (" + std::string(typ) + ", default " + formatFixed(p.vorgabe, stellen) + ", " +
         formatFixed(p.minimum, stellen) + ".." + formatFixed(p.maximum, stellen) + ")";
    if (!p.titel.empty()) s += "  " + std::string(p.titel);
    return s;
}

}  // namespace gm
