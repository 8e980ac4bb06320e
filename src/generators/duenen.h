#pragma once
// Dunes (unit DefiniereDuenen): parallel ridges across the second axis, each
// rising from its left boundary to a crest and falling to its right one, with
// a power-law flank on each side. Along the first axis the boundaries (family
// H) and the crest heights (family V) follow smooth random curves of
// one-dimensional gradient noise. The field is left unstretched in Zweitbild;
// the caller runs ZweitbildVerknuepfen.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/status.h"
#include "generators/noise.h"

namespace gm {

constexpr int DuenenTabellenAnzahl = 102;  // tables per family
constexpr int DuenenPunkte = 2050;         // samples of a curve, 0..2049

struct DuenenParamRec {
    double WellenH;  // lacunarity of family H
    double WellenV;
    int Iterationen;  // dune periods across the y axis, 1..100
    double BreiteH;   // scale of the boundary displacement
    double BreiteV;   // offset of the crest heights
    double GammaL1;   // exponent of the rising flank
    double GammaL2;   // exponent of the falling flank
    double Mittelpunkt;
    bool AbsolutH, AbsolutV;
    bool NegativH, NegativV;
    bool Invertieren;
    bool NeueLandschaftH;  // command line only: renew family H first
    bool NeueLandschaftV;
};

// Sliders and check boxes of the dialog come first.
std::span<const Parameter> DuenenParameter();
std::span<const Parameter> DuenenRegler();
DuenenParamRec DuenenStandard();

struct DuenenTabelle {
    std::array<std::int32_t, DuenenPunkte> Permutation;
    std::array<double, DuenenPunkte> Gradient;
};
using DuenenFamilie = std::array<DuenenTabelle, DuenenTabellenAnzahl>;

// The random tables of both families, made at their first use from the
// document's generator and kept for the session.
struct DuenenZustand {
    std::unique_ptr<std::array<DuenenFamilie, 2>> tabellen;
};
// New tables for family s (0 H, 1 V): 2050 gradient draws, then 2050 shuffle
// draws per table.
void DuenenTabellen(Dokument& dok, DuenenZustand& z, int s);
// Makes both families (H, then V) unless they exist.
const std::array<DuenenFamilie, 2>& DuenenBereit(Dokument& dok, DuenenZustand& z);

// Gradient noise on one table, repeating every 256 units.
double Noise1D(const DuenenTabelle& t, double x);

// The boundary (s = 0) and crest (s = 1) curves of tables 0..Iterationen + 1.
struct DuenenKurven {
    int anzahl = 0;             // tables built per family
    std::vector<double> werte;  // [s][t][i]
    const double* kurve(int s, int t) const { return werte.data() + versatz(s, t); }
    double* kurve(int s, int t) { return werte.data() + versatz(s, t); }
    std::size_t versatz(int s, int t) const {
        return (std::size_t(s) * anzahl + std::size_t(t)) * DuenenPunkte;
    }
};
DuenenKurven DuenenKurvenBauen(const DuenenParamRec& p, const std::array<DuenenFamilie, 2>& f);

// The profile of one line across the dunes for curve column col: samples
// 0..n of `puffer`, which holds DuenenPunkte entries and is zeroed first.
void DuenenZeile(const DuenenParamRec& p, const DuenenKurven& k, int col, int n, double* puffer);

// Zweitbild := the dunes, negated when Invertieren.
void DuenenBerechnen(Dokument& dok, const DuenenParamRec& p, const DuenenKurven& k);
// The preview (unnegated) and its range.
VorschauSpanne DuenenVorschau(const DuenenParamRec& p, const DuenenKurven& k, Vorschaufeld& v);
// White pixels (column, row) of the flank picture breite x hoehe.
std::vector<std::pair<int, int>> DuenenFlanken(const DuenenParamRec& p, int breite, int hoehe);

// Command line: tables at first use, the renewals asked for, curves, field.
void DuenenErzeugen(Dokument& dok, DuenenZustand& z, const DuenenParamRec& p);
// The catalogue's "dunes" operation: DuenenErzeugen, then the combination.
Status DuenenAusfuehren(Dokument& dok, DuenenZustand& z, const Werte& werte);

}  // namespace gm
