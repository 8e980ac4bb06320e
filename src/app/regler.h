#pragma once
// The slider record and its geometry, scaling and pointer rules. Qt-free so the
// rules can be checked without a window; ReglerWidget draws and feeds it.

#include <string>

namespace gm {

struct ReglerRec {
    int Links = 12;
    int Rechts = 12;
    int Mitte = 0;
    unsigned Farbe = 0x707070;  // grey (112, 112, 112)
    double Minimum = 0.0;
    double Maximum = 1.0;
    double Wert = 0.0;
    double Streuung = 0.0;
    double Schritt = 0.01;
    bool MitStreuung = false;
    std::string Titel;
    bool Gezogen = false;
    unsigned char ZugModus = 0;  // 0 drags the value, 1 the spread
    bool Logarithmisch = false;
};

// Sets Links, Rechts and Mitte for an image of breite x hoehe pixels.
void ReglerGeometrie(ReglerRec& r, int breite, int hoehe);

// The value the scale gives at pointer column x.
double ReglerWertBei(const ReglerRec& r, int x);
// The column of value v (truncated).
int ReglerSpalteVon(const ReglerRec& r, double v);

// Starts a drag: left button (rechts false) moves the value, right the spread;
// then applies the pointer once.
void ReglerMausDown(ReglerRec& r, bool rechts, int x, int y);
// Applies a pointer position during a drag; returns whether the pointer was
// inside the 12-pixel band around the centre line (only then anything changes).
bool ReglerMausMove(ReglerRec& r, int x, int y);

// One step up (richtung +1) or down (-1) of the value or, with `streuung`, of
// the spread, as holding the pointer beyond a track end does.
void ReglerSchritt(ReglerRec& r, int richtung, bool streuung);

// Rounds to the nearest multiple of `schritt` (nothing when schritt <= 0).
double aufSchrittRunden(double v, double schritt);

// "0.50" or "(0.50+/-0.10)".
std::string ReglerWertText(const ReglerRec& r);

}  // namespace gm
