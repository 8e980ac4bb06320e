#pragma once
// The shape of a tool: the five shape sliders, the shape they are drawn into
// for one application, and its outline with the peak point.

#include <array>

#include "core/zufall.h"

namespace gm {

// A slider with spread: each use draws Wert ± Streuung.
struct ReglerWert {
    double Wert = 0.0;
    double Streuung = 0.0;
};

// The shape sliders "Ecken", "Zufall", "Drehung", "Verdrehung", "Verschiebung".
struct FormRegler {
    ReglerWert Ecken{7.0, 0.0};
    ReglerWert Zufall{1.0, 0.0};
    ReglerWert Drehung{0.0, 0.0};
    ReglerWert Verdrehung{0.0, 0.0};
    ReglerWert Verschiebung{0.0, 0.0};
};

// The current shape: its box in grid coordinates and the drawn parameters.
struct FormRec {
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    int Ecken = 7;
    double Zufall = 1.0;
    double Verdrehung = 0.0;
    double Verschiebung = 0.0;
    double Drehung = 0.0;
};

struct Punkt {
    double x = 0.0;
    double y = 0.0;
};

constexpr int MinEcken = 3;
constexpr int MaxEcken = 24;

// Centre, radii, the closed outline O[0..n] (O[0] = O[n]) and the peak point.
struct Umriss {
    double cx = 0.0, cy = 0.0, rx = 0.0, ry = 0.0;
    int n = 0;
    std::array<Punkt, MaxEcken + 1> O{};
    Punkt spitze;
};

// Draws every slider once, value + (u - 0.5) * 2 * spread clamped to its
// range, in slider order; Ecken is rounded to a whole number.
void FormParameterWuerfeln(FormRec& form, const FormRegler& regler, Zufallsfolge& zufall);

// The outline of the shape; draws one number per corner when Zufall is below 1.
Umriss FormEckpunkte(const FormRec& form, Zufallsfolge& zufall);

// The box of a click placement: centre ± (rx, ry).
void BoxUm(FormRec& form, Punkt mitte, double rx, double ry);

}  // namespace gm
