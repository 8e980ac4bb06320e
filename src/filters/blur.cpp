#include "filters/blur.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/zahlen.h"

namespace gm {

const Parameter BlurParameter[4] = {
    Param<&BlurRec::Filterstaerke>("Filterstaerke", 0.5, 0.0, 1.0, Skala::Linear, 0.01,
                                   "Filterstärke"),
    Param<&BlurRec::Weichabstand>("Weichabstand", 10.0, 1.0, 99.0, Skala::Logarithmisch, 1,
                                  "Filterstärke"),
    Param<&BlurRec::Filterstaerke2>("Filterstaerke2", 1.0, 1.0, 99.0, Skala::Logarithmisch, 1,
                                    "Filterstärke2"),
    Param<&BlurRec::BlurModus>("BlurModus", 1, 1, 2, Skala::Linear, 1, "Modus"),
};

const ScriptArgument BlurArgumente[4] = {
    Arg<&BlurRec::Filterstaerke>(0.5, 1.0, 0.0),
    Arg<&BlurRec::Weichabstand>(10.0, 99.0, 0.0),
    Arg<&BlurRec::Filterstaerke2>(1.0, 99.0, 0.0),
    Arg<&BlurRec::BlurModus>(1, 2, 1),
};

namespace {

// One forward and one backward sweep along a contiguous column.
void spalteGlaetten(double* h, const std::uint8_t* m, int n, double a, double b,
                    std::vector<double>& v) {
    v[0] = h[0];
    for (int y = 1; y <= n; ++y)
        v[std::size_t(y)] = a * v[std::size_t(y - 1)] + b * h[y];
    for (int y = 0; y <= n; ++y)
        if (m[y] == 0) h[y] = v[std::size_t(y)];
    for (int y = n - 1; y >= 0; --y)
        v[std::size_t(y)] = a * v[std::size_t(y + 1)] + b * h[y];
    for (int y = 0; y <= n; ++y)
        if (m[y] == 0) h[y] = v[std::size_t(y)];
}

// The sweeps along x for all rows at once, one column of running values per
// direction, so the grid is read column by column. Each row gets exactly the
// operations of its own sweep.
void zeilenGlaetten(Dokument& dok, double a, double b) {
    const int ny = dok.MaxY + 1;
    std::vector<double> v(dok.Hoehenfeld.spalte(0), dok.Hoehenfeld.spalte(0) + ny);
    for (int x = 1; x <= dok.MaxX; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y < ny; ++y) {
            v[std::size_t(y)] = a * v[std::size_t(y)] + b * h[y];
            if (m[y] == 0) h[y] = v[std::size_t(y)];
        }
    }
    for (int x = dok.MaxX - 1; x >= 0; --x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y < ny; ++y) {
            v[std::size_t(y)] = a * v[std::size_t(y)] + b * h[y];
            if (m[y] == 0) h[y] = v[std::size_t(y)];
        }
    }
}

}  // namespace

void BlurStandard(Dokument& dok, double a) {
    const double b = 1.0 - a;
    std::vector<double> v(std::size_t(dok.MaxY) + 1);
    for (int x = 0; x <= dok.MaxX; ++x)
        spalteGlaetten(dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), dok.MaxY, a, b, v);
    zeilenGlaetten(dok, a, b);
}

void BlurWeich(Dokument& dok, const BlurRec& rec) {
    const int d = roundToInt(std::clamp(rec.Weichabstand, 0.0, 99.0));
    const int durchgaenge = std::max(1, roundToInt(std::clamp(rec.Filterstaerke2, 0.0, 99.0)));
    TFeld& h = dok.Hoehenfeld;
    for (int n = 0; n < durchgaenge; ++n) {
        for (int y = 0; y <= dok.MaxY; ++y) {
            const int yL = y - d > 0 ? y - d : y;
            const int yR = y + d <= dok.MaxY ? y + d : y;
            for (int x = 0; x <= dok.MaxX; ++x) {
                if (dok.Maske(x, y) != 0) continue;
                const int xU = x - d > 0 ? x - d : x;
                const int xD = x + d <= dok.MaxX ? x + d : x;
                h(x, y) = (h(xU, yL) + h(xU, yR) + h(xD, yL) + h(xD, yR)) / 4.0;
            }
        }
    }
}

void BlurAnwenden(Dokument& dok, const BlurRec& rec) {
    if (rec.BlurModus == 1) BlurStandard(dok, rec.Filterstaerke);
    if (rec.BlurModus == 2) BlurWeich(dok, rec);
}

}  // namespace gm
