#include "app/regler.h"

#include <algorithm>
#include <cmath>

#include "core/zahlen.h"

namespace gm {

void ReglerGeometrie(ReglerRec& r, int breite, int hoehe) {
    r.Links = 12;
    r.Rechts = breite - 12;
    r.Mitte = (hoehe + 1) / 2;
}

double ReglerWertBei(const ReglerRec& r, int x) {
    const int spanne = r.Rechts - r.Links;
    const double f = spanne > 0 ? double(x - r.Links) / spanne : 0.0;
    if (r.Logarithmisch && r.Minimum > 0 && r.Maximum > 0) {
        return std::pow(10.0, std::log10(r.Minimum) + f * std::log10(r.Maximum / r.Minimum));
    }
    return r.Minimum + f * (r.Maximum - r.Minimum);
}

int ReglerSpalteVon(const ReglerRec& r, double v) {
    double g = 0.0;
    if (r.Logarithmisch && r.Minimum > 0 && r.Maximum > r.Minimum && v > 0) {
        g = std::log10(v / r.Minimum) / std::log10(r.Maximum / r.Minimum);
    } else if (r.Maximum != r.Minimum) {
        g = (v - r.Minimum) / (r.Maximum - r.Minimum);
    }
    return r.Links + int(std::trunc(g * (r.Rechts - r.Links)));
}

double aufSchrittRunden(double v, double schritt) {
    if (!(schritt > 0)) return v;
    return roundHalfEven(v / schritt) * schritt;
}

namespace {

void streuungBegrenzen(ReglerRec& r) {
    const double halb = r.Schritt / 2;
    if (r.Wert + r.Streuung > r.Maximum) {
        r.Streuung = aufSchrittRunden(r.Maximum - r.Wert, halb);
    }
    if (r.Wert - r.Streuung < r.Minimum) {
        r.Streuung = aufSchrittRunden(r.Wert - r.Minimum, halb);
    }
}

void wertSetzen(ReglerRec& r, double v) {
    r.Wert = std::clamp(aufSchrittRunden(v, r.Schritt), r.Minimum, r.Maximum);
}

void streuungSetzen(ReglerRec& r, double s) {
    r.Streuung = std::clamp(aufSchrittRunden(s, r.Schritt / 2), r.Minimum, r.Maximum);
}

}  // namespace

bool ReglerMausMove(ReglerRec& r, int x, int y) {
    if (!(r.Mitte - 12 < y && y < r.Mitte + 12)) return false;
    const int richtung = x < r.Links ? -1 : (x > r.Rechts ? 1 : 0);
    if (r.ZugModus == 0) {
        wertSetzen(r, richtung != 0 ? r.Wert + richtung * r.Schritt : ReglerWertBei(r, x));
    }
    if (r.MitStreuung) {
        if (r.ZugModus == 1) {
            streuungSetzen(r, richtung != 0 ? r.Streuung + richtung * r.Schritt / 2
                                            : std::fabs(r.Wert - ReglerWertBei(r, x)));
        }
        streuungBegrenzen(r);
    }
    return true;
}

void ReglerMausDown(ReglerRec& r, bool rechts, int x, int y) {
    r.Gezogen = true;
    r.ZugModus = rechts ? 1 : 0;
    ReglerMausMove(r, x, y);
}

void ReglerSchritt(ReglerRec& r, int richtung, bool streuung) {
    if (streuung) {
        if (!r.MitStreuung) return;
        streuungSetzen(r, r.Streuung + richtung * r.Schritt / 2);
    } else {
        wertSetzen(r, r.Wert + richtung * r.Schritt);
    }
    if (r.MitStreuung) streuungBegrenzen(r);
}

std::string ReglerWertText(const ReglerRec& r) {
    if (!r.MitStreuung) return formatFixed(r.Wert, 2);
    return "(" + formatFixed(r.Wert, 2) + "+/-" + formatFixed(r.Streuung, 2) + ")";
}

}  // namespace gm
