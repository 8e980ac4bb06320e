#pragma once
// The spores generator (unit DefiniereSporen): a cellular pattern. For every
// cell the sample position, displaced by fixed-point gradient-noise
// turbulence, is compared with the random feature points of the 3 x 3 feature
// cells around it; the value is how much nearer the nearest point is than the
// second nearest. Pattern arithmetic is integer, with 64-bit intermediates in
// the noise blends, where 32 bits overflow.

#include <array>
#include <memory>
#include <span>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "generators/noise.h"

namespace gm {

struct SporenParamRec {
    int SporenZellenX;  // at weight 0 a feature cell spans 2 * SporenZellenX steps
    int SporenZellenY;
    double SporenUnten;      // values below become this
    double SporenOben;       // values above become this
    double SporenZoom;       // weight of the turbulence in the sample position
    double SporenGamma;      // preview only
    bool SporenInvertieren;  // preview only
    bool NeueBerechnung;     // remake the random tables before the run
};

std::span<const Parameter> SporenParameter();

constexpr int SporenZellen = 64;  // feature cells per axis; the pattern repeats after them
constexpr int SporenLagen = 4;    // feature layers of depth 2048

struct SporenPunkt {
    int x, y, z;
};

// The random tables: P, the gradients G in units of 1/1024 (entries 256 on
// repeat the first 258) and the feature points, cell (i, j) layer l at
// (j * 64 + i) * 4 + l.
struct SporenTabellen {
    std::array<int, 515> Permutation;
    std::array<std::array<int, 3>, 514> Gradienten;
    std::array<SporenPunkt, SporenZellen * SporenZellen * SporenLagen> Merkmalspunkte;
};

// Makes the tables from the document's generator. `saeen`, when given, runs
// before the permutation and gradients and again before the feature points
// (the window passes Randomize; the command line keeps its seed).
void SporenTabellenBilden(Dokument& dok, SporenTabellen& t, void (*saeen)(Dokument&) = nullptr);

// Gradient noise N and the three-octave turbulence T on integer coordinates
// in units of 1/1024.
int SporenNoise(const SporenTabellen& t, int x, int y, int z);
int SporenTurbulenz(const SporenTabellen& t, int x, int y, int z);
// The pattern value V of cell (x, y) for the given cell sizes.
double SporenWert(const SporenTabellen& t, const SporenParamRec& p, int zellenX, int zellenY, int x,
                  int y);

// How the field is computed: the scalar and the vector kernels give the same
// values; Auto takes the fastest the processor runs.
enum class SporenKern { Auto, Skalar, Avx2 };

// Zweitbild := V over the active area.
void SporenBerechnen(Dokument& dok, const SporenParamRec& p, const SporenTabellen& t,
                     SporenKern kern = SporenKern::Auto);
// The catalogue's "spores": the tables made on first use (or remade when
// NeueBerechnung), SporenBerechnen, the combination.
Status SporenAusfuehren(Dokument& dok, std::unique_ptr<SporenTabellen>& t, const Werte& werte);

// The preview cell sizes for a field of maxX x maxY: Round(Zellen * 255 /
// Max), at least 1.
int SporenVorschauZellen(int zellen, int max);
// The 256 x 256 preview and the range to draw it with: with gamma not 1
// stretched to 0..1 and raised to the gamma (range 0..1), else its own range.
VorschauSpanne SporenVorschau(const SporenParamRec& p, const SporenTabellen& t, int maxX, int maxY,
                              Vorschaufeld& v);

}  // namespace gm
