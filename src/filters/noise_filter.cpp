#include "filters/noise_filter.h"

#include <cstdint>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "filters/zellen.h"

namespace gm {

namespace {
double maxX(const Dokument& dok) {
    return dok.MaxX;
}
}  // namespace

const Parameter NoiseFilterParameter[1] = {
    Param<&NoiseFilterRec::Noiseweite>("Noiseweite", 3.0, 1.0, double(FeldMaxIndex - 1),
                                       Skala::Logarithmisch, 1, "Noiseweite"),
};

const ScriptArgument NoiseFilterArgumente[1] = {
    ArgBisMitVorgabe<&NoiseFilterRec::Noiseweite>(3.0, &maxX, 1.0, ArgForm::Dezimal),
};

int Spiegeln(int i, int max) {
    // Repeated reflection at 0 and max has period 2 max.
    const int periode = 2 * max;
    int r = i % periode;
    if (r < 0) r += periode;
    return r > max ? periode - r : r;
}

namespace {

// roundToInt for the small offsets here (well inside the range of int), with
// the same steps: floor, then up when the rest is above a half or exactly a
// half with an odd floor.
// Written without branches: the rest is above a half for about every other
// cell, which no branch predictor can guess.
inline int rundenHalbGerade(double v) {
    int i = int(v);
    i -= int(double(i) > v);
    const double rest = v - i;
    return i + (int(rest > 0.5) | (int(rest == 0.5) & (i & 1)));
}

// Columns [anfang, ende), drawing from `seed` as the cell at (anfang, 0)
// would in a run over the whole field.
void spaltenStreuen(Dokument& dok, double w, std::uint32_t seed, int anfang, int ende) {
    Zufallsfolge zufall(seed);
    const int mx = dok.MaxX, my = dok.MaxY;
    const TFeld& h = dok.Hoehenfeld;
    for (int x = anfang; x < ende; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= my; ++y) {
            const double r1 = zufall();
            const double r2 = zufall();
            int sx = x + rundenHalbGerade((r1 - 0.5) * w);
            int sy = y + rundenHalbGerade((r2 - 0.5) * w);
            if (unsigned(sx) > unsigned(mx)) sx = Spiegeln(sx, mx);
            if (unsigned(sy) > unsigned(my)) sy = Spiegeln(sy, my);
            z[y] = h(sx, sy);
        }
    }
}

}  // namespace

void NoiseFilterAnwenden(Dokument& dok, const NoiseFilterRec& rec) {
    // Every active cell is written, so Zweitbild needs no clearing. Two draws
    // per cell in x-outer order: the second half of the columns starts from
    // the seed its first cell would see.
    const int n = dok.MaxX + 1;
    const std::uint64_t proSpalte = 2 * std::uint64_t(dok.MaxY + 1);
    const std::uint32_t start = dok.RandSeed;
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, n);
        spaltenStreuen(dok, rec.Noiseweite,
                       ZufallVoraus(start, proSpalte * std::uint64_t(s.anfang)), s.anfang, s.ende);
    });
    dok.RandSeed = ZufallVoraus(start, proSpalte * std::uint64_t(n));
    ZweitbildUebernehmen(dok);
}

}  // namespace gm
