#include "generators/fuellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/puffer.h"

namespace gm {
namespace {

TEST(Fuellen, ConstantAndRandomFillFreeCellsThroughTheCombination) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, 6, 4, true);
    d->Verknuepfungsmodus = 1;  // "Normal": the layer replaces the field
    d->Maske(2, 3) = 1;
    d->Hoehenfeld(2, 3) = 0.25;
    KonstantFuellen(*d);
    EXPECT_EQ(d->Hoehenfeld(0, 0), 1.0);
    EXPECT_EQ(d->Hoehenfeld(6, 4), 1.0);
    EXPECT_EQ(d->Hoehenfeld(2, 3), 0.25);
    UndoZurueck(*d);
    EXPECT_EQ(d->Hoehenfeld(0, 0), 0.0);

    // The same seed gives the same noise; the stretch spans 0..1.
    auto e = std::make_unique<Dokument>();
    NeueGroesse(*e, 6, 4, true);
    e->Verknuepfungsmodus = 1;
    e->Maske(2, 3) = 1;
    e->Hoehenfeld(2, 3) = 0.25;
    d->RandSeed = e->RandSeed = 12345;
    RauschenFuellen(*d);
    RauschenFuellen(*e);
    double lo = 1.0, hi = 0.0;
    for (int x = 0; x <= 6; ++x)
        for (int y = 0; y <= 4; ++y) {
            if (x == 2 && y == 3) continue;
            ASSERT_EQ(d->Hoehenfeld(x, y), e->Hoehenfeld(x, y));
            lo = std::min(lo, d->Hoehenfeld(x, y));
            hi = std::max(hi, d->Hoehenfeld(x, y));
        }
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 1.0);
    EXPECT_EQ(d->Hoehenfeld(2, 3), 0.25);
}

}  // namespace
}  // namespace gm
