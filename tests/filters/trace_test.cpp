#include "filters/trace.h"

#include <memory>
#include <random>

#include "core/puffer.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::gleich;
using filtertest::setze;

// The trace as described, every iteration run in full, y outer and x inner.
void referenzTrace(Dokument& dok, const TraceRec& rec) {
    ZweitbildKopieren(dok);
    const TFeld& h = dok.Hoehenfeld;
    TFeld& z = dok.Zweitbild;
    const double t = rec.TraceToleranz / 30.0, v = TraceHoehe(dok, rec.TraceWert);
    double r = 0.0;
    bool gesetzt = false;
    auto pruefe = [&](int cx, int cy, int mx, int my) {
        if (!(h(mx, my) - t > h(cx, cy) || h(mx, my) + t < h(cx, cy))) return;
        if (!gesetzt) {
            r = h(mx, my);
            gesetzt = true;
            z(cx, cy) = v;
        } else if (h(cx, cy) == r) {
            z(mx, my) = v;
        } else {
            z(cx, cy) = v;
        }
    };
    for (int i = 1; i <= rec.TraceDichte; ++i) {
        for (int y = 0; y <= dok.MaxY - 1; ++y)
            for (int x = 0; x <= dok.MaxX - 2; ++x) {
                pruefe(x, y, x + 1, y);
                pruefe(x, y, x, y + 1);
            }
        if (i >= 2) {
            for (int y = dok.MaxY - 1; y >= 1; --y)
                for (int x = dok.MaxX - 1; x >= 2; --x) {
                    pruefe(x, y, x - 1, y);
                    pruefe(x, y, x, y - 1);
                }
        }
    }
    ZweitbildUebernehmen(dok);
}

TEST(Trace, OutlinesTheStepNextToTheReferenceLevel) {
    auto dok = std::make_unique<Dokument>();
    setze(*dok, {{.2, .2, .2, .6, .6, .6},
                 {.2, .2, .2, .6, .6, .6},
                 {.2, .2, .2, .6, .6, .6},
                 {.2, .2, .2, .6, .6, .6}});
    TraceAnwenden(*dok, TraceRec{0.1, 1, 3, false});
    // The first step is at (2, 0); the last line is not swept.
    EXPECT_TRUE(gleich(*dok, dok->Hoehenfeld,
                       {{0, 0, 1, .5, .5, .5},
                        {0, 0, 1, .5, .5, .5},
                        {0, 0, 1, .5, .5, .5},
                        {0, 0, 0, .5, .5, .5}},
                       1e-15));
}

TEST(Trace, AnyDensityGivesTheResultOfTheFullIterations) {
    // Quantised random fields, so there are levels and steps; the last field's
    // only steps lie in the column before the last, where only the backward
    // sweep finds them (its neighbours differ by less than the tolerance).
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 g(seed);
        std::uniform_int_distribution<int> stufe(0, 3);
        const int px = 5 + int(seed % 3) * 4, py = 4 + int(seed % 2) * 5;
        for (int dichte : {1, 2, 3, 7}) {
            for (int wert : {0, 1, 2, 3}) {
                auto a = std::make_unique<Dokument>();
                auto b = std::make_unique<Dokument>();
                for (Dokument* d : {a.get(), b.get()}) {
                    d->MaxX = px - 1;
                    d->MaxY = py - 1;
                    d->MarkeUnten.Wert = 0.25;
                    d->MarkeOben.Wert = 0.75;
                    d->Maske(1, 1) = 1;
                }
                std::mt19937 gg(seed);
                for (int x = 0; x < px; ++x)
                    for (int y = 0; y < py; ++y) {
                        double v = stufe(gg) / 3.0;
                        if (seed == 6) v = x != px - 2 ? 0.075 : (y >= 2 ? 0.15 : 0.0);
                        a->Hoehenfeld(x, y) = b->Hoehenfeld(x, y) = v;
                    }
                const TraceRec rec{seed == 6 ? 3.0 : 0.5 + seed, dichte, wert, false};
                TraceAnwenden(*a, rec);
                referenzTrace(*b, rec);
                EXPECT_TRUE(gleich(*a, a->Hoehenfeld, filtertest::lese(*b, b->Hoehenfeld)))
                    << seed << " " << dichte << " " << wert;
            }
        }
    }
}

}  // namespace
}  // namespace gm
