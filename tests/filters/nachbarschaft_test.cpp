#include "filters/nachbarschaft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/puffer.h"

namespace gm {
namespace {

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
