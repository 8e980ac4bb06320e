#pragma once
// Cells (unit DefiniereZellen): every sample takes its distance to the
// nearest of Anzahl random feature points under one of five measures, on a
// torus, so the field tiles. Stretched to 0..1, bent by Gamma and inverted
// when asked; masked cells are not computed. The caller runs
// ZweitbildVerknuepfen.

#include <array>
#include <span>
#include <vector>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/status.h"
#include "generators/noise.h"

namespace gm {

constexpr int ZellenPunkteMax = 999;

struct ZellenParamRec {
    int Anzahl;  // feature points used, 1..999
    double Gamma;
    bool Invertieren;
    int Verknuepfung;     // 0 sqrt(x²+y²), 1 x*y, 2 x+y, 3 x, 4 y
    bool NeueBerechnung;  // command line only: new feature points first
};

std::span<const Parameter> ZellenParameter();
// The dialog's sliders and check box.
std::span<const Parameter> ZellenRegler();
ZellenParamRec ZellenStandard();
// Items of the radio group "Verknuepfung".
extern const std::array<const char*, 5> ZellenVerknuepfungNamen;

struct ZellenPunkt {
    double px, py;  // in [0, 1)
};
// The feature points of a session, made at their first use.
struct ZellenZustand {
    std::vector<ZellenPunkt> punkte;  // empty until then, else 999
};
// New feature points: px then py per point, a repeated point drawn again.
void ZellenPunkteErzeugen(Dokument& dok, ZellenZustand& z);
const std::vector<ZellenPunkt>& ZellenBereit(Dokument& dok, ZellenZustand& z);

// Distance from sample (x, y) of a w x h field to the nearest of the first
// Anzahl points (at most 999), starting from 10000.
double ZellenAbstand(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte, int x, int y,
                     int w, int h);

// Zweitbild := the cell field; masked cells keep KeinWert.
void ZellenBerechnen(Dokument& dok, const ZellenParamRec& p,
                     const std::vector<ZellenPunkt>& punkte);
// The preview, shaped by Gamma when it is not 1, and its range.
VorschauSpanne ZellenVorschau(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte,
                              Vorschaufeld& v);

// Command line: points at first use or when asked, then ZellenBerechnen.
void ZellenErzeugen(Dokument& dok, ZellenZustand& z, const ZellenParamRec& p);
// The catalogue's "cells" operation: ZellenErzeugen, then the combination.
Status ZellenAusfuehren(Dokument& dok, ZellenZustand& z, const Werte& werte);

}  // namespace gm
