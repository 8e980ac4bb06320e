#pragma once
// The mesh sample grid and its neighbour-difference statistics.

#include <vector>

#include "core/dokument.h"
#include "formats/netz_einstellungen.h"

namespace gm {

// NetzPunkteX x NetzPunkteY samples with one border sample on every side,
// first index outer.
class Stichproben {
  public:
    Stichproben(int nx, int ny) : nx_(nx), ny_(ny), werte_(std::size_t(nx + 2) * (ny + 2), 0.0) {}
    int nx() const { return nx_; }
    int ny() const { return ny_; }
    double operator()(int i, int j) const { return werte_[index(i, j)]; }
    double& operator()(int i, int j) { return werte_[index(i, j)]; }
    // Gives every border sample the value of its adjacent edge sample.
    void randSpiegeln();

  private:
    std::size_t index(int i, int j) const { return std::size_t(i + 1) * (ny_ + 2) + (j + 1); }
    int nx_, ny_;
    std::vector<double> werte_;
};

// Copies the height grid when the sizes agree, otherwise resamples it
// bilinearly by the rule of Umrechnen. The border is mirrored.
Stichproben StichprobenBilden(const Dokument& dok, const NetzRec& rec);

// Step between neighbouring mesh samples on each axis and the height of value 1.
struct NetzMasse {
    double dx, dy, hoehe;
};
inline NetzMasse netzMasse(const NetzRec& rec) {
    return {rec.Laenge / (rec.NetzPunkteX - 1), rec.Breite / (rec.NetzPunkteY - 1), rec.Hoehe};
}

struct Normale {
    double nx, ny, nz;
};
// The unit surface normal at sample (i, j), pointing up (nz > 0): the slopes
// from the neighbouring samples, centred inside and one-sided at the edges.
Normale FlaechenNormale(const Stichproben& s, int i, int j, const NetzMasse& m);

struct Abweichung {
    double Dmax = 0.0;
    double Dmin = 1.0;
    // The selection tolerance can be formed from the two.
    bool nutzbar() const { return Dmax > 0.0 && Dmin < 1.0; }
};

// Largest and smallest positive difference of each sample to its right, upper
// and upper-right neighbour, over all samples but the last row and column.
Abweichung AbweichungBerechnen(const Stichproben& s);

}  // namespace gm
