#pragma once
// Geometric transforms: mirrors, rotations, the Cartesian-to-polar squeeze,
// the two tilings, the twirl (DefiniereTwirl) and the sine waves
// (DefiniereWellen). Each takes for every target cell a source cell of
// Hoehenfeld and writes its value into Zweitbild, then delivers it.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

// The seven mirror and rotation commands by their source of (x, y), written
// with the extents of the result (which equal the old ones on a square field):
enum class Abbild {
    Horizontal,  // (x, MaxY - y)
    Vertikal,    // (MaxX - x, y)
    Diagonal1,   // (MaxY - y, MaxX - x)
    Diagonal2,   // (y, x)
    Dreh90,      // (y, MaxX - x)
    Dreh180,     // (MaxX - x, MaxY - y)
    Dreh270,     // (MaxY - y, x)
};

// True for the four transforms that exchange the two axes.
bool vertauschtAchsen(Abbild a);

// Fills Zweitbild with the moved field and combines it into Hoehenfeld with
// the current combination mode (which takes the undo copy). A transform that
// exchanges the axes of a rectangular field exchanges its extents: the undo
// copy is taken at the old extents, cells the old field did not cover take
// part in the combination as 0, and the clipboard is released.
void Abbilden(Dokument& dok, Abbild a);
void SpiegelnHorizontal(Dokument& dok);
void SpiegelnVertikal(Dokument& dok);
void SpiegelnDiagonal1(Dokument& dok);
void SpiegelnDiagonal2(Dokument& dok);
void Drehen90(Dokument& dok);
void Drehen180(Dokument& dok);
void Drehen270(Dokument& dok);

// Squeezes each line of constant y towards x = MaxX / 2 by cos phi(y) and
// combines the result. On a field of two lines phi is 0.
void KartesischPolar(Dokument& dok);

// The tilings without undo copy: four copies at half resolution, plain or
// mirrored, delivered by ZweitbildUebernehmen.
void KachelnNormal(Dokument& dok);
void KachelnSpiegel(Dokument& dok);

// Twirl settings. A centre of -1 stands for the middle of the current field
// (MaxX div 2, MaxY div 2).
struct TwirlRec {
    int TwirlX = -1;
    int TwirlY = -1;
    double TwirlWinkel = 90.0;
    double TwirlRadius = 150.0;
};
extern const Parameter TwirlParameter[4];
// The line "twirl(TwirlX, TwirlY, TwirlWinkel, TwirlRadius)".
extern const ScriptArgument TwirlArgumente[4];

// The record with a centre of -1 replaced by the middle of the field.
TwirlRec TwirlMitte(const Dokument& dok, TwirlRec rec);
// Twists the disc of radius TwirlRadius around the centre, without undo copy;
// the centre must lie in the field.
void TwirlAnwenden(Dokument& dok, const TwirlRec& rec);
// Undo copy, twirl, script line. Refuses a centre outside the field.
Status Twirl(Dokument& dok, const TwirlRec& rec);
Status TwirlAusfuehren(Dokument& dok, const Werte& werte);
void TwirlNachspielen(Dokument& dok, ScriptArgumente& args);

struct WellenRec {
    double WellenX = 3.0;
    double WellenY = 3.0;
    double AmplitudeX = 32.0;
    double AmplitudeY = 32.0;
};
extern const Parameter WellenParameter[4];
// The line "wave(WellenX, WellenY, AmplitudeX, AmplitudeY)".
extern const ScriptArgument WellenArgumente[4];

// Displaces the first index by AmplitudeX sin(y 2 pi WellenX / MaxX) and the
// second by AmplitudeY sin(x 2 pi WellenY / MaxY), folding sources back into
// the field; no undo copy.
void WellenAnwenden(Dokument& dok, const WellenRec& rec);
Status WellenAusfuehren(Dokument& dok, const Werte& werte);
void WellenNachspielen(Dokument& dok, ScriptArgumente& args);

}  // namespace gm
