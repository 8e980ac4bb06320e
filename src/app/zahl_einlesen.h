#pragma once
// The number-entry rule of every number field.

#include <string_view>

namespace gm {

struct ZahlEingabe {
    bool akzeptiert;
    double wert;
};

// Strips surrounding blanks, turns the first "," into ".", reads the number
// (text that is not a number reads as 0), drops the fraction when `ganz`, and
// bounds it: outside minimum..maximum gives the nearer bound, not accepted.
ZahlEingabe ZahlEinlesen(std::string_view text, bool ganz, double maximum, double minimum);

}  // namespace gm
