#include "editing/werkzeug_parameter.h"

#include "editing/werkzeug.h"

namespace gm {

namespace {

constexpr Skala Lin = Skala::Linear;
constexpr Skala Log = Skala::Logarithmisch;

// clang-format off
const Parameter formParameter[] = {
    Param<&FormRegler::Ecken, &ReglerWert::Wert>("Ecken", 7, MinEcken, MaxEcken, Lin, 1, "Ecken"),
    Param<&FormRegler::Ecken, &ReglerWert::Streuung>("Ecken.Streuung", 0, 0, MaxEcken - MinEcken, Lin, 1, "Ecken"),
    Param<&FormRegler::Zufall, &ReglerWert::Wert>("Zufall", 1, 0, 1, Lin, 0.01, "Zufall"),
    Param<&FormRegler::Zufall, &ReglerWert::Streuung>("Zufall.Streuung", 0, 0, 1, Lin, 0.01, "Zufall"),
    Param<&FormRegler::Drehung, &ReglerWert::Wert>("Drehung", 0, 0, 360, Lin, 5, "Drehung"),
    Param<&FormRegler::Drehung, &ReglerWert::Streuung>("Drehung.Streuung", 0, 0, 360, Lin, 5, "Drehung"),
    Param<&FormRegler::Verdrehung, &ReglerWert::Wert>("Verdrehung", 0, 0, 360, Lin, 5, "Verdrehung"),
    Param<&FormRegler::Verdrehung, &ReglerWert::Streuung>("Verdrehung.Streuung", 0, 0, 360, Lin, 5, "Verdrehung"),
    Param<&FormRegler::Verschiebung, &ReglerWert::Wert>("Verschiebung", 0, 0, 0.99, Lin, 0.01, "Verschiebung"),
    Param<&FormRegler::Verschiebung, &ReglerWert::Streuung>("Verschiebung.Streuung", 0, 0, 0.99, Lin, 0.01, "Verschiebung"),
};

const Parameter klickGroesse[2] = {
    Param<&WerkzeugEinstellungen::InX, &ReglerWert::Wert>("InX", 32, MinKlickGroesse, MaxKlickGroesse, Log, 1, "In X"),
    Param<&WerkzeugEinstellungen::InY, &ReglerWert::Wert>("InY", 32, MinKlickGroesse, MaxKlickGroesse, Log, 1, "In Y"),
};
const Parameter klickStreuung[] = {
    Param<&ReglerWert::Streuung>("Streuung", 0, 0, MaxKlickGroesse - MinKlickGroesse, Log, 1, "Streuung"),
};

const Parameter platzierung = Param<&WerkzeugEinstellungen::Platzierung>("Platzierung", 1, 1, 4, Lin, 1, "Platzierung");

const Parameter bergParameter[] = {
    Param<&BergRec::Level>("Level", 5, 2, 7, Lin, 1, "Level"),
    Param<&BergRec::ZufallX>("ZufallX", 0.15, 0, 0.9, Lin, 0.01, "Zufall X"),
    Param<&BergRec::ZufallY>("ZufallY", 0.15, 0, 0.9, Lin, 0.01, "Zufall Y"),
    Param<&BergRec::ZufallZ>("ZufallZ", 0.5, 0, 0.9, Lin, 0.01, "Zufall Z"),
};
// clang-format on

}  // namespace

std::span<const Parameter> FormReglerParameter() {
    return formParameter;
}
const Parameter& KlickGroesseParameter(bool y) {
    return klickGroesse[y ? 1 : 0];
}
std::span<const Parameter> KlickStreuungParameter() {
    return klickStreuung;
}
const Parameter& PlatzierungParameter() {
    return platzierung;
}
std::span<const Parameter> BergParameter() {
    return bergParameter;
}

}  // namespace gm
