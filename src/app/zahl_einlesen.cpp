#include "app/zahl_einlesen.h"

#include <cmath>
#include <string>

#include "core/zahlen.h"

namespace gm {

ZahlEingabe ZahlEinlesen(std::string_view text, bool ganz, double maximum, double minimum) {
    std::string s(trimBlanks(text));
    if (const auto komma = s.find(','); komma != std::string::npos) s[komma] = '.';
    double v = parseNumber(s).value_or(0.0);
    if (!std::isfinite(v)) v = 0.0;
    if (ganz) v = std::trunc(v);
    if (v < minimum) return {false, minimum};
    if (v > maximum) return {false, maximum};
    return {true, v};
}

}  // namespace gm
