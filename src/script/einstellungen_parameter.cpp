#include "script/einstellungen_parameter.h"

#include "core/dokument.h"

namespace gm {

namespace {

constexpr Skala Log = Skala::Logarithmisch;
constexpr Skala Lin = Skala::Linear;

const Parameter modParameter[] = {
    Param<&ModRec::Aktiv>("Aktiv", 0, 0, 1, Lin, 1, "Modifikatoren"),
    Param<&ModRec::Modus>("Modus", 3, 1, 8, Lin, 1, "Modus"),
    Param<&ModRec::Welle>("Welle", 0, 0, 1, Lin, 1, "Welle"),
    Param<&ModRec::Invertieren>("Invertieren", 0, 0, 1, Lin, 1, "Invertieren"),
    Param<&ModRec::Negativ>("Negativ", 0, 0, 1, Lin, 1, "Negativ"),
    Param<&ModRec::Iterationen>("Iterationen", 1, 0.1, 100, Log, 0.1, "Iterationen"),
    Param<&ModRec::Digits>("Digits", 0, 0, 32, Lin, 1, "Digitalisieren"),
    Param<&ModRec::Gamma>("Gamma", 1, 0.01, 100, Log, 0.01, "Gammakorrektur"),
    Param<&ModRec::Verschiebung>("Verschiebung", 0, 0, 2, Lin, 0.01, "Verschiebung"),
    Param<&ModRec::Linearitaet1>("Linearitaet1", 1, 0.01, 100, Log, 0.01, "Linearität1"),
    Param<&ModRec::Linearitaet2>("Linearitaet2", 0.5, 0, 1, Lin, 0.01, "Linearität2"),
    Param<&ModRec::Anstieg>("Anstieg", 0, -1, 1, Lin, 0.01, "Anstieg Amplitude"),
};

// Each marker starts where the document puts it: the lower one at 0, the upper at 1.
const Parameter markeUntenParameter[] = {
    Param<&Marke::Wert>("Wert", 0, 0, 1, Lin, 0.001, "Wert"),
    Param<&Marke::Streuung>("Streuung", 0, 0, 1, Lin, 0.001, "Streuung"),
};
const Parameter markeObenParameter[] = {
    Param<&Marke::Wert>("Wert", 1, 0, 1, Lin, 0.001, "Wert"),
    Param<&Marke::Streuung>("Streuung", 0, 0, 1, Lin, 0.001, "Streuung"),
};

}  // namespace

std::span<const Parameter> ModParameter() {
    return modParameter;
}
std::span<const Parameter> MarkeUntenParameter() {
    return markeUntenParameter;
}
std::span<const Parameter> MarkeObenParameter() {
    return markeObenParameter;
}

}  // namespace gm
