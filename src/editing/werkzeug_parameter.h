#pragma once
// Parameter descriptions of the tool bar's settings: the shape sliders, the
// click sizes and the mountain settings. The command line's --set, the
// window's sliders and the "Berge" dialog read these.

#include <span>

#include "core/parameter.h"

namespace gm {

// "Ecken", "Zufall", "Drehung", "Verdrehung", "Verschiebung" of FormRegler,
// each followed by its spread "<name>.Streuung".
std::span<const Parameter> FormReglerParameter();
// The value of one click size ("In X" or "In Y") and its spread, on ReglerWert.
const Parameter& KlickGroesseParameter(bool y);
std::span<const Parameter> KlickStreuungParameter();
// Platzierung of WerkzeugEinstellungen.
const Parameter& PlatzierungParameter();
// Level, ZufallX, ZufallY, ZufallZ of BergRec.
std::span<const Parameter> BergParameter();

}  // namespace gm
