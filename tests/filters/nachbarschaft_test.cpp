#include "filters/nachbarschaft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {
namespace {

// The straightforward filters the fast ones must match bit for bit: clear
// Zweitbild, gather the nine clamped-index neighbours of every cell, combine
// them in the kernel's row order, deliver with ZweitbildUebernehmen.
using Kern = std::array<std::array<double, 3>, 3>;  // [i + 1][j + 1] for offset (i, j)

template <class Wert>
void wieBeschrieben(Dokument& dok, Wert wert) {
    ZweitbildLeeren(dok);
    Kern n;
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y) {
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    n[i][j] = dok.Hoehenfeld(std::clamp(x + i - 1, 0, dok.MaxX),
                                             std::clamp(y + j - 1, 0, dok.MaxY));
            dok.Zweitbild(x, y) = wert(n);
        }
    ZweitbildUebernehmen(dok);
}

auto gefaltet(const Kern& k) {
    return [k](const Kern& n) {
        double summe = 0.0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                summe += k[i][j] * n[i][j];
        return clamp01(summe);
    };
}

double kleinster(const Kern& n) {
    double m = n[0][0];
    for (const auto& zeile : n)
        for (double v : zeile)
            m = std::min(m, v);
    return m;
}

double groesster(const Kern& n) {
    double m = n[0][0];
    for (const auto& zeile : n)
        for (double v : zeile)
            m = std::max(m, v);
    return m;
}

TEST(Nachbarschaft, FastKernelsMatchTheStraightforwardOnesBitForBit) {
    const Kern scharf = {{{0, -1, 0}, {-1, 5, -1}, {0, -1, 0}}};
    const Kern weich = {{{0.05, 0.15, 0.05}, {0.15, 0.2, 0.15}, {0.05, 0.15, 0.05}}};
    auto schnell = std::make_unique<Dokument>();
    auto ref = std::make_unique<Dokument>();
    for (auto [nx, ny] : {std::pair{5, 5}, {17, 9}, {6, 33}, {129, 65}}) {
        for (int filter = 0; filter < 4; ++filter) {
            schnell->MaxX = ref->MaxX = nx - 1;
            schnell->MaxY = ref->MaxY = ny - 1;
            setzeSeed(*schnell, std::uint32_t(nx * 31 + ny + filter));
            for (int x = 0; x < nx; ++x)
                for (int y = 0; y < ny; ++y) {
                    // Values a little outside 0..1 too, as a native file may hold.
                    ref->Hoehenfeld(x, y) = schnell->Hoehenfeld(x, y) =
                        -0.1 + 1.2 * Random(*schnell);
                    ref->Maske(x, y) = schnell->Maske(x, y) = Random(*schnell) < 0.2;
                }
            switch (filter) {
                case 0:
                    Schaerfen(*schnell);
                    wieBeschrieben(*ref, gefaltet(scharf));
                    break;
                case 1:
                    Weichzeichnen(*schnell);
                    wieBeschrieben(*ref, gefaltet(weich));
                    break;
                case 2:
                    Erodieren(*schnell);
                    wieBeschrieben(*ref, kleinster);
                    break;
                default:
                    Dilatieren(*schnell);
                    wieBeschrieben(*ref, groesster);
            }
            for (int x = 0; x < nx; ++x) {
                ASSERT_EQ(std::memcmp(schnell->Hoehenfeld.spalte(x), ref->Hoehenfeld.spalte(x),
                                      sizeof(double) * std::size_t(ny)),
                          0)
                    << nx << "x" << ny << " filter " << filter << " column " << x;
                ASSERT_EQ(std::memcmp(schnell->Zweitbild.spalte(x), ref->Zweitbild.spalte(x),
                                      sizeof(double) * std::size_t(ny)),
                          0)
                    << nx << "x" << ny << " filter " << filter << " column " << x;
            }
        }
    }
}

std::unique_ptr<Dokument> feld5(double wert) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, 4, 4, true);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            d->Hoehenfeld(x, y) = wert;
    return d;
}

TEST(Nachbarschaft, ErosionRemovesAPeakThatDilationThenCannotRestore) {
    auto d = feld5(0.0);
    d->Hoehenfeld(2, 2) = 1.0;
    Dilatieren(*d);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            EXPECT_EQ(d->Hoehenfeld(x, y), (x >= 1 && x <= 3 && y >= 1 && y <= 3) ? 1.0 : 0.0)
                << x << "," << y;
    auto e = feld5(0.0);
    e->Hoehenfeld(2, 2) = 1.0;
    Erodieren(*e);
    Dilatieren(*e);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            EXPECT_EQ(e->Hoehenfeld(x, y), 0.0) << x << "," << y;
}

TEST(Nachbarschaft, KernelsRepeatTheBorderKeepAFlatLevelAndStretchTheResult) {
    auto flach = feld5(0.4);
    Schaerfen(*flach);
    EXPECT_DOUBLE_EQ(flach->Hoehenfeld(0, 0), 0.4);
    EXPECT_DOUBLE_EQ(flach->Hoehenfeld(4, 2), 0.4);

    // A corner sees its own value for the missing neighbours.
    auto ecke = feld5(0.0);
    ecke->Hoehenfeld(0, 0) = 1.0;
    ecke->Maske(4, 4) = 1;
    ecke->Hoehenfeld(4, 4) = 0.7;
    Weichzeichnen(*ecke);
    const double mitte = 0.05 + 0.15 + 0.15 + 0.2;
    EXPECT_DOUBLE_EQ(ecke->Hoehenfeld(0, 0), 1.0);
    EXPECT_DOUBLE_EQ(ecke->Hoehenfeld(1, 0), (0.05 + 0.15) / mitte);
    EXPECT_DOUBLE_EQ(ecke->Hoehenfeld(0, 1), (0.05 + 0.15) / mitte);
    EXPECT_DOUBLE_EQ(ecke->Hoehenfeld(1, 1), 0.05 / mitte);
    EXPECT_EQ(ecke->Hoehenfeld(2, 2), 0.0);
    EXPECT_EQ(ecke->Hoehenfeld(4, 4), 0.7);  // masked

    // Sharpen of a field in 0.2..0.8 spans exactly 0..1.
    auto rampe = feld5(0.0);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            rampe->Hoehenfeld(x, y) = 0.2 + 0.6 * ((x * 7 + y * 3) % 5) / 4.0;
    Schaerfen(*rampe);
    double lo = 1.0, hi = 0.0;
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y) {
            lo = std::min(lo, rampe->Hoehenfeld(x, y));
            hi = std::max(hi, rampe->Hoehenfeld(x, y));
        }
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 1.0);
}

}  // namespace
}  // namespace gm
