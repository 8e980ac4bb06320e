#pragma once
// Impact craters (unit DefiniereKrater): Anzahl craters with random centres
// on cells no earlier crater touched, heavy-tailed random radii, a spherical
// bowl and an outer zone that decays toward the old surface, blended one into
// the other in Zweitbild. The crater field then scales the current terrain
// cell by cell. Random numbers come from the document's generator.

#include <span>
#include <vector>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/status.h"

namespace gm {

struct KraterParamRec {
    int Anzahl;
    double Skalierung;  // depth factor of all craters
    double Grenze;      // normalised radius where the blend turns from replacing to keeping
    double Dicke;       // decay rate of the outer zone
};

std::span<const Parameter> KraterParameter();
KraterParamRec KraterStandard();

// Height for unit depth at the squared normalised radius d: the bowl reaches
// -1 at the centre, the outer zone rises toward 0.
double KraterProfil(const KraterParamRec& p, double d);
// Weight of the old surface at d: at most 0.01 inside Grenze, toward 1 outside.
double KraterGewicht(const KraterParamRec& p, double d);

// Empties Zweitbild (ZweitbildLeeren) and draws p.Anzahl craters into it;
// untouched cells hold KeinWert. The pass ends early once no untouched cell
// is left for a centre.
void KraterBerechnen(Dokument& dok, const KraterParamRec& p);

// "Übernehmen": undo copy, crater field, terrain scaled by it and written into
// the free cells of Hoehenfeld, then the combination (without a second undo
// copy, so undo brings back the terrain from before the craters).
void KraterAnwenden(Dokument& dok, const KraterParamRec& p);
// The catalogue's "craters" operation.
Status KraterAusfuehren(Dokument& dok, const Werte& werte);

// Rows of the profile picture of one crater on a flat surface, one per column
// of an image breite x hoehe; higher values lie lower in the picture.
std::vector<int> KraterProfilZeilen(const KraterParamRec& p, int breite, int hoehe);

}  // namespace gm
