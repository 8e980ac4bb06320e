#pragma once
// The rotation generator (unit DefiniereRotation): a figure of revolution
// inside a turned ellipse. Each sample's radial position runs from 1 at the
// focus to 0 on the ellipse and is shaped by WellenProfil into rings, domes,
// craters or terraces; outside the ellipse the field is 0. Recorded and
// replayed as "build_rotate".

#include <span>

#include "core/befehlssatz.h"
#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/script_argumente.h"

namespace gm {

// Fields in the order of the script line.
struct RotationParamRec {
    int Kurve;
    double Perioden;
    double AnstiegF;
    double Linearitaet1;
    double Linearitaet2;
    double Stufen;
    double GammaF;
    double Verschiebung1;
    double Verschiebung2;
    double MitteX;
    double MitteY;
    double FokusX;
    double FokusY;
    double RadiusX;
    double RadiusY;
    double Winkel;
    bool Invertieren;
    bool Welle;
    bool Negativ;
    bool MitteFokusGleich;  // the dialog puts the focus on the centre
    bool RadienGleich;      // the dialog makes RadiusY equal to RadiusX
};

// Centre, focus and radii default to -1, which stands for the value the
// current field size gives (RotationAufFeld).
std::span<const Parameter> RotationParameter();
// The 21 slots of "build_rotate", with the line's own ranges and fallbacks.
std::span<const ScriptArgument> RotationArgumente();

// Centre and focus Round((Max + 1) / 2) - 1, radii Round((Max + 1) / 3) - 1.
double RotationMitteVorgabe(int max);
double RotationRadiusVorgabe(int max);
// The record with every -1 among centre, focus and radii replaced by its
// default for the document's size.
RotationParamRec RotationAufFeld(const Dokument& dok, RotationParamRec rec);
// The dialog's coupling: the focus on the centre, RadiusY := RadiusX.
RotationParamRec RotationKoppeln(RotationParamRec rec);

// Turns (x, y) about (cx, cy) by -winkel degrees.
void Drehen(double& x, double& y, double winkel, double cx, double cy);

// Zweitbild := the figure over the active area, from the record as it
// stands (no coupling, no defaults).
void RotationBerechnen(Dokument& dok, const RotationParamRec& rec);
// The same on the lanes of `satz` (one of Befehlssaetze()); every set gives
// the same values.
void RotationBerechnenMit(Dokument& dok, const RotationParamRec& rec, Befehlssatz satz);
// RotationBerechnen and the "build_rotate" line while recording: what
// "Übernehmen" does before the combination.
void RotationErzeugen(Dokument& dok, const RotationParamRec& rec);
// The catalogue's "rotate": defaults from the field, the dialog's coupling,
// a range check against the field (1..Max + 1 for centre, focus and radii),
// RotationErzeugen, the combination.
Status RotationAusfuehren(Dokument& dok, const Werte& werte);

// The field point-sampled at 256 x 256 for a field of maxX x maxY.
void RotationVorschau(const RotationParamRec& rec, int maxX, int maxY, Vorschaufeld& v);

}  // namespace gm
