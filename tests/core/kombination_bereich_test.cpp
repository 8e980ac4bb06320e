// The combination over a rectangle gives the field the whole-grid
// combination gives when Zweitbild is empty outside the rectangle, and
// ignores whatever Zweitbild holds outside it.

#include <gtest/gtest.h>

#include <memory>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace gm {
namespace {

TEST(KombinationBereich, EqualsTheWholeGridAndIgnoresCellsOutside) {
    auto a = std::make_unique<Dokument>();
    auto b = std::make_unique<Dokument>();
    for (Dokument* d : {a.get(), b.get()}) {
        NeueGroesse(*d, 40, 30, true);
        for (int x = 0; x <= 40; ++x)
            for (int y = 0; y <= 30; ++y)
                d->Hoehenfeld(x, y) = 0.01 * ((x * 7 + y * 11) % 50);
        d->Maske(12, 9) = 1;
        d->MarkeOben.Streuung = 0.3;
        d->ModEinstellungen.Aktiv = true;
        d->ModEinstellungen.Gamma = 2.0;
        setzeSeed(*d, 31);
        ZweitbildLeeren(*d);
    }
    const Rechteck r{10, 5, 25, 12};
    for (int x = r.x0; x <= r.x1; ++x)
        for (int y = r.y0; y <= r.y1; ++y)
            a->Zweitbild(x, y) = b->Zweitbild(x, y) = 0.1 * ((x + y) % 9);
    // Leftovers of an earlier operation outside the rectangle.
    b->Zweitbild(3, 3) = 0.7;
    b->Zweitbild(40, 30) = 5.0;
    for (int modus : {2, 3, 7}) {
        ZweitbildVerknuepfen(*a, modus);
        ZweitbildVerknuepfen(*b, modus, r);
        for (int x = 0; x <= 40; ++x)
            for (int y = 0; y <= 30; ++y) {
                ASSERT_EQ(a->Hoehenfeld(x, y), b->Hoehenfeld(x, y))
                    << modus << " " << x << "," << y;
                ASSERT_EQ(a->UndoBild(x, y), b->UndoBild(x, y));
            }
        EXPECT_EQ(a->RandSeed, b->RandSeed);
    }
}

}  // namespace
}  // namespace gm
