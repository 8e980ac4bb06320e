#pragma once
// The crater pass's hot parts: the map of untouched cells that the centre
// search reads, and the writing of one crater's disk, column by column in
// vector lanes when the processor has them. Every set writes the same bits.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/befehlssatz.h"
#include "core/dokument.h"
#include "generators/krater.h"

namespace gm {

// A bit per active cell of Zweitbild, set while no crater has given the cell
// a value (or a blend landed exactly on KeinWert), and their count, so the
// centre search reads a small map and knows when no untouched cell is left.
// The grid's content under a set bit is never read: the pass starts with
// every bit set instead of emptying the grid and reading it back, and writes
// KeinWert into the cells left untouched at its end. Each column starts on a
// byte of its own: eight rows from a multiple of eight share one byte, which
// lanes update at once.
class KraterKarte {
  public:
    explicit KraterKarte(const Dokument& dok);

    std::int64_t frei() const { return frei_; }
    bool unberuehrt(int x, int y) const { return (spalte(x)[y >> 3] >> (y & 7)) & 1u; }
    std::uint8_t* spalte(int x) { return bytes_.data() + std::size_t(x) * proSpalte_; }
    const std::uint8_t* spalte(int x) const { return bytes_.data() + std::size_t(x) * proSpalte_; }
    // The cells of byte `byte` of column x that were untouched (bits `vorher`)
    // and are untouched now (bits `nachher`).
    void wechseln(int x, int byte, unsigned vorher, unsigned nachher) {
        spalte(x)[byte] ^= std::uint8_t(vorher ^ nachher);
        frei_ += std::popcount(nachher) - std::popcount(vorher);
    }

  private:
    std::size_t proSpalte_;
    std::vector<std::uint8_t> bytes_;
    std::int64_t frei_;
};

// The constants of the crater shape for one pass.
struct KraterForm {
    double s, c;    // sine and cosine of the bowl angle
    double dicke;   // Dicke
    double grenze;  // Grenze
};
KraterForm KraterFormVon(const KraterParamRec& p);

// KraterProfil and KraterGewicht on a pass's constants.
double KraterProfil(const KraterForm& f, double d);
double KraterGewicht(const KraterForm& f, double d);

// One crater: centre, radius in cells and depth.
struct Krater {
    int cx, cy, r;
    double tiefe;
};

// Blends crater k into Zweitbild and keeps the map up to date: every cell of
// its disk (squared distance below r²) inside the field, each once. `puffer`
// is working storage kept from crater to crater.
void KraterScheibe(Dokument& dok, KraterKarte& karte, const KraterForm& f, const Krater& k,
                   Befehlssatz satz, std::vector<double>& puffer);

// Writes KeinWert into the cells the map still holds untouched.
void KraterResteLeeren(Dokument& dok, const KraterKarte& karte, Befehlssatz satz);

// KraterBerechnen with a chosen set; the tests hold every set to one field.
void KraterBerechnen(Dokument& dok, const KraterParamRec& p, Befehlssatz satz);

}  // namespace gm
