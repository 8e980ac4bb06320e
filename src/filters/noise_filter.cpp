#include "filters/noise_filter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "filters/zellen.h"
#include "filters/ziehungen.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_KERN __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define GM_KERN
#endif

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

// The displacement of one draw: the whole number nearest to (r - 0.5) w.
// r - 0.5 is exactly (seed - 2^31) 2^-32, which converts from a signed value
// (one instruction in vector code, where an unsigned one takes several).
inline int versatz(std::uint32_t seed, double w) {
    return roundToInt(double(std::int32_t(seed ^ 0x80000000u)) * 0x1p-32 * w);
}

// Rows [y0, y1) of column x whose sources need no reflection.
GM_KERN void innenStreuen(const double* __restrict quelle, const std::uint32_t* __restrict folge,
                          double w, int y0, int y1, double* __restrict z) {
    for (int y = y0; y < y1; ++y)
        z[y] = quelle[y + versatz(folge[2 * y], w) * FeldKante + versatz(folge[2 * y + 1], w)];
}

// Any rows of column x, each source reflected into the grid along its axis.
void randStreuen(const TFeld& h, int x, int mx, int my, const std::uint32_t* folge, double w,
                 int y0, int y1, double* z) {
    for (int y = y0; y < y1; ++y) {
        int sx = x + versatz(folge[2 * y], w);
        int sy = y + versatz(folge[2 * y + 1], w);
        if (unsigned(sx) > unsigned(mx)) sx = Spiegeln(sx, mx);
        if (unsigned(sy) > unsigned(my)) sy = Spiegeln(sy, my);
        z[y] = h(sx, sy);
    }
}

// Columns [anfang, ende), drawing from `seed` as the cell at (anfang, 0)
// would in a run over the whole field.
void spaltenStreuen(Dokument& dok, double w, std::uint32_t seed, int anfang, int ende) {
    const int mx = dok.MaxX, my = dok.MaxY, n = my + 1;
    // No displacement reaches further than this, so cells at least this far
    // from the edges read inside the grid.
    const int reichweite = w / 2.0 + 2.0 < FeldKante ? int(w / 2.0) + 2 : FeldKante;
    const int innenAnfang = std::min(reichweite, n);
    const int innenEnde = std::max(innenAnfang, n - reichweite);
    const auto laenge = static_cast<std::size_t>(n);
    std::vector<std::uint32_t> folge(2 * laenge);
    const TFeld& h = dok.Hoehenfeld;
    for (int x = anfang; x < ende; ++x) {
        ZiehungenFolge(seed, 2 * n, folge.data());
        seed = folge.back();
        double* z = dok.Zweitbild.spalte(x);
        if (x < reichweite || x > mx - reichweite) {
            randStreuen(h, x, mx, my, folge.data(), w, 0, n, z);
            continue;
        }
        randStreuen(h, x, mx, my, folge.data(), w, 0, innenAnfang, z);
        innenStreuen(h.spalte(x), folge.data(), w, innenAnfang, innenEnde, z);
        randStreuen(h, x, mx, my, folge.data(), w, innenEnde, n, z);
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
