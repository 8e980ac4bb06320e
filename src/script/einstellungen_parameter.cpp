#include "script/einstellungen_parameter.h"

#include <cstddef>

#include "core/dokument.h"

namespace gm {

namespace {

using enum ParamTyp;
constexpr Skala Log = Skala::Logarithmisch;
constexpr Skala Lin = Skala::Linear;

const Parameter modParameter[] = {
    {"Aktiv", Bool, offsetof(ModRec, Aktiv), 0, 0, 1, Lin, 1, "Modifikatoren"},
    {"Modus", Ganz, offsetof(ModRec, Modus), 3, 1, 8, Lin, 1, "Modus"},
    {"Welle", Bool, offsetof(ModRec, Welle), 0, 0, 1, Lin, 1, "Welle"},
    {"Invertieren", Bool, offsetof(ModRec, Invertieren), 0, 0, 1, Lin, 1, "Invertieren"},
    {"Negativ", Bool, offsetof(ModRec, Negativ), 0, 0, 1, Lin, 1, "Negativ"},
    {"Iterationen", Real, offsetof(ModRec, Iterationen), 1, 0.1, 100, Log, 0.1, "Iterationen"},
    {"Digits", Real, offsetof(ModRec, Digits), 0, 0, 32, Lin, 1, "Digitalisieren"},
    {"Gamma", Real, offsetof(ModRec, Gamma), 1, 0.01, 100, Log, 0.01, "Gammakorrektur"},
    {"Verschiebung", Real, offsetof(ModRec, Verschiebung), 0, 0, 2, Lin, 0.01, "Verschiebung"},
    {"Linearitaet1", Real, offsetof(ModRec, Linearitaet1), 1, 0.01, 100, Log, 0.01, "Linearität1"},
    {"Linearitaet2", Real, offsetof(ModRec, Linearitaet2), 0.5, 0, 1, Lin, 0.01, "Linearität2"},
    {"Anstieg", Real, offsetof(ModRec, Anstieg), 0, -1, 1, Lin, 0.01, "Anstieg Amplitude"},
};

const Parameter markeParameter[] = {
    {"Wert", Real, offsetof(Marke, Wert), 0, 0, 1, Lin, 0.001, "Wert"},
    {"Streuung", Real, offsetof(Marke, Streuung), 0, 0, 1, Lin, 0.001, "Streuung"},
};

}  // namespace

std::span<const Parameter> ModParameter() {
    return modParameter;
}
std::span<const Parameter> MarkeParameter() {
    return markeParameter;
}

}  // namespace gm
