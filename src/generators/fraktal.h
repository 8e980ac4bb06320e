#pragma once
// Escape-time fractal (unit DefiniereJulia): the number of steps of
// z -> z^2 + c until |z| exceeds 2, divided by the iteration limit, becomes
// the height; points that stay inside get 0. Mandelbrot takes c from the
// sample's position, Julia starts z there. No stretching of its own: the
// caller runs ZweitbildVerknuepfen.

#include <array>
#include <span>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/status.h"

namespace gm {

struct FraktalParamRec {
    int Tiefe;  // iteration limit; below 1 taken as 1
    double ZoomFaktor;
    int Art;      // 1 Mandelbrot, 2 Julia
    int Vorgabe;  // command line only: 0 none, 1..5 loads that preset row first
    double XMin;  // window on the real axis (first grid index)
    double YMin;  // window on the imaginary axis (second grid index)
    double XMax;
    double YMax;
    double CX;  // the Julia constant
    double CY;
};

// Tiefe and ZoomFaktor come first: they are the dialog's sliders.
std::span<const Parameter> FraktalParameter();
std::span<const Parameter> FraktalRegler();
FraktalParamRec FraktalStandard();

// A preset view: the window and the Julia constant.
struct FraktalAusschnitt {
    double XMin, YMin, XMax, YMax, CX, CY;
};
constexpr int FraktalVorgabenAnzahl = 5;
// Row k (1..5) of the current Art's table; other k leave p unchanged.
void FraktalVorgabe(FraktalParamRec& p, int k);

// The height of one point of the plane.
double FraktalWert(const FraktalParamRec& p, double px, double py);

// Zweitbild := the fractal over the window, x * dx + XMin by y * dy + YMin.
void FraktalBerechnen(Dokument& dok, const FraktalParamRec& p);
// The 256 x 256 preview over the same window.
void FraktalVorschau(const FraktalParamRec& p, Vorschaufeld& v);

// Window changes of the dialog; breite and hoehe are the preview's size.
// A release at (x, y) zooms around that point, out with the right button.
void FraktalKlick(FraktalParamRec& p, int x, int y, int breite, int hoehe, bool rechts);
// richtung 1 "^", 2 "<", 3 ">", 4 "v": one preview pixel.
void FraktalVerschieben(FraktalParamRec& p, int richtung, int breite, int hoehe);
// richtung 1 "+", 2 "-".
void FraktalZoomen(FraktalParamRec& p, int richtung);

// Command line: the preset row when Vorgabe asks, then FraktalBerechnen.
void FraktalErzeugen(Dokument& dok, const FraktalParamRec& p);

}  // namespace gm
