#pragma once
// The fixed-size grids of the document.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace gm {

// Largest index a grid can hold; a field has at most 2049 samples per axis.
constexpr int FeldMaxIndex = 2049;
// Cells per axis of a TFeld: indices -1..2049.
constexpr int FeldKante = FeldMaxIndex + 2;
constexpr std::size_t FeldZellen = std::size_t(FeldKante) * FeldKante;
// Mask bytes per axis: indices 0..2049.
constexpr int MaskeKante = FeldMaxIndex + 1;

// Marks a cell of Zweitbild, Strichbild or Ablagebild that carries no value.
constexpr double KeinWert = -1.0;
// A computed value as a valued cell: the marker itself, a legitimate result
// of some generators, becomes the next number above it.
inline double AlsWert(double v) {
    return v == KeinWert ? std::nextafter(KeinWert, 0.0) : v;
}

// Field sizes accepted by the size rules, in samples per axis.
constexpr int MinPunkte = 5;
constexpr int MaxPunkte = 2049;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// 2051 x 2051 doubles, indices -1..2049 on both axes, x outer: the cell [x][y]
// lies at (x + 1) * 2051 + (y + 1), so a column of constant x is contiguous.
// Allocated zeroed with calloc so untouched pages cost nothing.
class TFeld {
  public:
    TFeld();
    double& operator()(int x, int y) { return daten_[index(x, y)]; }
    double operator()(int x, int y) const { return daten_[index(x, y)]; }
    // Column x starting at y = 0; y = -1 is at offset -1.
    double* spalte(int x) { return daten_.get() + index(x, 0); }
    const double* spalte(int x) const { return daten_.get() + index(x, 0); }
    double* daten() { return daten_.get(); }
    const double* daten() const { return daten_.get(); }
    // Fills every cell, border included.
    void fuellen(double wert);

    static constexpr std::size_t index(int x, int y) {
        return std::size_t(x + 1) * FeldKante + std::size_t(y + 1);
    }

  private:
    std::unique_ptr<double[], FreeDeleter> daten_;
};

// 2050 x 2050 bytes, indices 0..2049, x outer. 1 = masked, 0 = free.
class TMaske {
  public:
    TMaske();
    std::uint8_t& operator()(int x, int y) { return daten_[index(x, y)]; }
    std::uint8_t operator()(int x, int y) const { return daten_[index(x, y)]; }
    const std::uint8_t* spalte(int x) const { return daten_.get() + index(x, 0); }
    std::uint8_t* spalte(int x) { return daten_.get() + index(x, 0); }
    void fuellen(std::uint8_t wert);

    static constexpr std::size_t index(int x, int y) {
        return std::size_t(x) * MaskeKante + std::size_t(y);
    }

  private:
    std::unique_ptr<std::uint8_t[], FreeDeleter> daten_;
};

}  // namespace gm
