#include "filters/hell_kontr.h"

#include "core/dokument.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::gleich;
using filtertest::setze;

TEST(HellKontr, NeutralSettingsAreSkippedWithoutUndo) {
    const HellKontrRec neutral[] = {{0.0, 1.0}, {0.3, 0.0}};
    for (const HellKontrRec& rec : neutral) {
        Dokument dok;
        setze(dok, {{0.1, 0.6, 0.9}});
        dok.UndoBild(0, 0) = 0.42;
        dok.ScriptAufnahme = true;
        HelligkeitKontrast(dok, rec);
        EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.1, 0.6, 0.9}}));
        EXPECT_EQ(dok.UndoBild(0, 0), 0.42);
        EXPECT_EQ(dok.ScriptAnzahl, 1);
    }
}

TEST(HellKontr, WindowIsStretchedOntoTheRange) {
    Dokument dok;
    setze(dok, {{0.1, 0.2, 0.45}, {0.7, 0.95, 0.3}});
    filtertest::maske(dok, {{0, 0, 0}, {0, 0, 1}});
    dok.ScriptAufnahme = true;
    HelligkeitKontrast(dok, {0.2, 0.5});
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.0, 0.5}, {1.0, 1.0, 0.3}}, 1e-12));
    EXPECT_TRUE(gleich(dok, dok.UndoBild, {{0.1, 0.2, 0.45}, {0.7, 0.95, 0.3}}));
    EXPECT_EQ(dok.ScriptListe[1], "lumcontr(0.200, 0.500)");

    // A negative brightness lifts the values; a wide window lowers contrast.
    EXPECT_NEAR(HellKontrKurve({-0.5, 2.0}, 0.5), 0.5, 1e-15);
    EXPECT_NEAR(HellKontrKurve({-0.5, 2.0}, 0.0), 0.25, 1e-15);
}

TEST(HellKontr, ReplayUsesRangesAndDefaults) {
    Dokument dok;
    setze(dok, {{0.1, 0.45, 0.8}});
    auto aus = argumente({"5", "3"});  // both out of range: 0 and 1, skipped
    HelligkeitKontrastNachspielen(dok, aus);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.1, 0.45, 0.8}}));
    auto ein = argumente({"0.200", "0.500"});
    HelligkeitKontrastNachspielen(dok, ein);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.5, 1.0}}, 1e-12));
    auto nurHell = argumente({"-0.5"});  // missing contrast reads 0, below 0.01: 1
    setze(dok, {{0.0, 0.25, 0.6}});
    HelligkeitKontrastNachspielen(dok, nurHell);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.5, 0.75, 1.0}}, 1e-12));
}

TEST(HellKontr, HistogramCountsEveryCellRoundingHalvesToEven) {
    Dokument dok;
    // 32 x: 0, 0.5 (bin 0), 1.5 (bin 2), 2.5 (bin 2), 32, 48 (clamped), -6.4 (clamped)
    setze(dok, {{0.0, 1.0 / 64, 3.0 / 64, 5.0 / 64}, {1.0, 1.5, -0.2, 3.0 / 64}});
    filtertest::maske(dok, {{1, 1, 1, 1}, {1, 1, 1, 1}});  // the mask is ignored
    Histogramm h = HistogrammFuellen(dok);
    EXPECT_EQ(h.anzahl[0], 3);
    EXPECT_EQ(h.anzahl[1], 0);
    EXPECT_EQ(h.anzahl[2], 3);
    EXPECT_EQ(h.anzahl[32], 2);
    EXPECT_EQ(h.groesste, 3);
    int summe = 0;
    for (int n : h.anzahl)
        summe += n;
    EXPECT_EQ(summe, 8);
}

}  // namespace
}  // namespace gm
