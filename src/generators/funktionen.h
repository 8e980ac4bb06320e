#pragma once
// The function generator (unit DefiniereFunktionen): two periodic profiles,
// one along each axis, each shaped by WellenProfil, combined by one of four
// operators, stretched to 0..1 and optionally inverted. Alternating bands
// along the other axis choose between each profile's two phase shifts,
// which gives brick- and weave-like patterns.

#include <array>
#include <span>
#include <vector>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"

namespace gm {

struct FunktionenAchse {
    bool Welle;
    bool Negativ;
    int Kurve;
    double Perioden;
    double AnstiegF;
    double Stufen;
    double GammaF;
    double Linearitaet1;
    double Linearitaet2;
    double Verschiebung1;
    double Verschiebung2;
};

struct FunktionenParamRec {
    int Verknuepfung;  // 0 fx * fy, 1 fx + fy, 2 fx - fy, 3 fy - fx
    bool Invertieren;
    std::array<FunktionenAchse, 2> Achse;  // x, then y
};

// Keys are the field names, the axis fields with the suffix X or Y.
std::span<const Parameter> FunktionenParameter();

// WellenProfil with the axis's settings and its first (welche = 1) or
// second phase shift.
double FunktionenKurve(const FunktionenAchse& a, int welche, double t);

// The curves of one axis over n + 1 samples and its bands over `laenge`
// positions (laenge >= n + 1): the band rule Trunc(k * step) modulo 2, with
// k = n - i when Negativ, continues past the axis's own samples, and a
// negative position's parity counts as 0 or 1.
struct AchsenKurven {
    std::vector<double> v1, v2;
    std::vector<unsigned char> band;
};
AchsenKurven FunktionenAchsenKurven(const FunktionenAchse& a, int n, int laenge);

// Zweitbild := the field over the active area.
void FunktionenBerechnen(Dokument& dok, const FunktionenParamRec& rec);
// The catalogue's "function": FunktionenBerechnen, then the combination.
Status FunktionenAusfuehren(Dokument& dok, const Werte& werte);
// The same at 256 x 256 (n = 255 on both axes), stretched and inverted alike.
void FunktionenVorschau(const FunktionenParamRec& rec, Vorschaufeld& v);

}  // namespace gm
