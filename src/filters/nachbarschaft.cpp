#include "filters/nachbarschaft.h"

#include <algorithm>
#include <array>

#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm {

namespace {

using Kern = std::array<std::array<double, 3>, 3>;  // [i + 1][j + 1] for offset (i, j)

// Calls wert(n) for every active cell with its nine neighbours n[i + 1][j + 1]
// (indices clamped into the field) and delivers the result.
template <class Wert>
void nachbarschaftAnwenden(Dokument& dok, Wert wert) {
    ZweitbildLeeren(dok);
    std::array<std::array<double, 3>, 3> n;
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* spalten[3] = {dok.Hoehenfeld.spalte(std::max(x - 1, 0)),
                                    dok.Hoehenfeld.spalte(x),
                                    dok.Hoehenfeld.spalte(std::min(x + 1, dok.MaxX))};
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const int zeilen[3] = {std::max(y - 1, 0), y, std::min(y + 1, dok.MaxY)};
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    n[i][j] = spalten[i][zeilen[j]];
            z[y] = wert(n);
        }
    }
    ZweitbildUebernehmen(dok);
}

void falten(Dokument& dok, const Kern& k) {
    nachbarschaftAnwenden(dok, [&k](const Kern& n) {
        double summe = 0.0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                summe += k[i][j] * n[i][j];
        return clamp01(summe);
    });
}

constexpr Kern kScharf = {{{0, -1, 0}, {-1, 5, -1}, {0, -1, 0}}};
constexpr Kern kWeich = {{{0.05, 0.15, 0.05}, {0.15, 0.2, 0.15}, {0.05, 0.15, 0.05}}};

}  // namespace

void Schaerfen(Dokument& dok) {
    falten(dok, kScharf);
}

void Weichzeichnen(Dokument& dok) {
    falten(dok, kWeich);
}

void Erodieren(Dokument& dok) {
    nachbarschaftAnwenden(dok, [](const Kern& n) {
        double m = n[0][0];
        for (const auto& zeile : n)
            for (double v : zeile)
                m = std::min(m, v);
        return m;
    });
}

void Dilatieren(Dokument& dok) {
    nachbarschaftAnwenden(dok, [](const Kern& n) {
        double m = n[0][0];
        for (const auto& zeile : n)
            for (double v : zeile)
                m = std::max(m, v);
        return m;
    });
}

}  // namespace gm
