#pragma once
// Craterize's two passes over one column, cell by cell and, where the
// processor has the 512-bit vector instructions, eight cells at a time with
// the same results.

#include <cstdint>

#include "filters/krater_band.h"

namespace gm {

// Where a pass stands in its column: the next row, the open cells passed, and
// draws: the fixed draws of the half before the row when listing, the
// column's draws used when setting.
struct SpaltenStand {
    int y = 0;
    std::uint32_t offen = 0;
    std::uint32_t ziehungen = 0;
};

// Lists the open cells of rows [stand.y, n): their values in offenX and the
// fixed draws of the half before each in offenFest, from index stand.offen on.
// Both need room for 8 entries past the last.
void OffeneSammeln(const KraterBand& b, const double* h, const std::uint8_t* m, int n,
                   SpaltenStand& stand, double* offenX, std::uint32_t* offenFest, bool vektor);

// Replaces the free cells of rows [stand.y, n) by their new values. folge[i]
// is the seed after the column's draw i + 1, with 16 to spare after the
// column's last; zweite[i] says whether the column's open cell i draws twice.
// On the way, the eight-cell form fetches the next column to be read (n
// values and mask bytes) into the cache, and the next one to be written,
// ready for writing.
struct NaechsteSpalte {
    const double* h;
    const std::uint8_t* m;
    double* schreiben;
};
void SpalteSetzen(const KraterBand& b, double* h, const std::uint8_t* m, int n, SpaltenStand& stand,
                  const std::uint32_t* folge, const std::uint8_t* zweite, NaechsteSpalte naechste,
                  bool vektor);

// aus[i] := KraterIntervallVon(b, offenX[i]) for i < n.
void Intervalle(const KraterBand& b, const double* offenX, std::uint32_t n, KraterIntervall* aus,
                bool vektor);

// Whether this processor runs the eight-cell forms.
bool KraterVektorVerfuegbar();

}  // namespace gm
