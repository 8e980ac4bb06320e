#include "filters/gamma.h"

#include "core/dokument.h"
#include "filter_hilfen.h"
#include "filters/transferkurve.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::gleich;
using filtertest::setze;

const filtertest::Zeilen Rampe = {{0.0, 0.1, 0.37, 0.5, 0.93, 1.0}};

TEST(Gamma, NeutralCurvesLeaveEveryValueUnchanged) {
    const GammaRec neutral[] = {
        {1.0, 0.5, 0.5, 0.5, 1},  // gamma 1
        {3.0, 0.5, 0.2, 0.5, 2},  // bias 0.5
        {3.0, 0.2, 0.5, 0.5, 3},  // gain 0.5 split at 0.5
    };
    for (const GammaRec& rec : neutral) {
        Dokument dok;
        setze(dok, Rampe);
        GammaKorrekturAnwenden(dok, rec);
        EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, Rampe)) << "mode " << rec.GammaModus;
    }
}

TEST(Gamma, CurvesMapKnownPointsAndKeepZeroAndOne) {
    GammaRec g{2.0, 0.5, 0.5, 0.5, 1};
    EXPECT_DOUBLE_EQ(GammaKurve(g, 0.5), 0.25);
    GammaRec b{1.0, 0.25, 0.5, 0.5, 2};  // exponent ln 0.25 / ln 0.5 = 2
    EXPECT_NEAR(GammaKurve(b, 0.5), 0.25, 1e-12);
    GammaRec gain{1.0, 0.5, 0.25, 0.5, 3};  // bias(t, 0.75) at t = 0.5 is 0.75
    EXPECT_NEAR(GammaKurve(gain, 0.25), 0.375, 1e-12);
    EXPECT_NEAR(GammaKurve(gain, 0.75), 0.625, 1e-12);
    GammaRec versetzt{1.0, 0.5, 0.25, 0.25, 3};  // split moved to 0.25
    EXPECT_NEAR(GammaKurve(versetzt, 0.125), 0.1875, 1e-12);
    EXPECT_NEAR(GammaKurve(versetzt, 0.625), 1.0 - 0.75 * 0.75, 1e-12);

    for (int modus = 1; modus <= 3; ++modus) {
        Dokument dok;
        setze(dok, {{0.0, 1.0, 0.0, 1.0, 0.0}});
        GammaKorrekturAnwenden(dok, {0.3, 0.8, 0.9, 0.3, modus});
        EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 1.0, 0.0, 1.0, 0.0}})) << modus;
    }
}

TEST(Gamma, ValuesOutsideTheRangeGiveNoNaN) {
    // A native file may hold values outside 0..1; the gain curve's upper
    // branch would otherwise take a negative base to a fractional power.
    Dokument dok;
    setze(dok, {{1.5, -0.25, 0.5}});
    GammaKorrekturAnwenden(dok, {1.0, 0.5, 0.3, 0.5, 3});
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(1, 0), 0.0);
}

TEST(Gamma, InteractiveRunSkipsMaskTakesUndoAndRecords) {
    Dokument dok;
    setze(dok, {{0.5, 0.5}, {0.5, 0.0}});
    filtertest::maske(dok, {{0, 1}, {0, 0}});
    dok.ScriptAufnahme = true;
    GammaKorrektur(dok, {2.0, 0.5, 0.5, 0.5, 1});
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.25, 0.5}, {0.25, 0.0}}));
    EXPECT_TRUE(gleich(dok, dok.UndoBild, {{0.5, 0.5}, {0.5, 0.0}}));
    GammaKorrektur(dok, GammaRec{1.0, 0.5, 0.5, 0.5, 3});
    ASSERT_EQ(dok.ScriptAnzahl, 2);
    EXPECT_EQ(dok.ScriptListe[1], "gamma(2.000, 0.500, 0.500, 0.500, 1)");
    EXPECT_EQ(dok.ScriptListe[2], "gamma(1.000, 0.500, 0.500, 0.500, 3)");

    dok.ScriptAufnahme = false;
    GammaKorrektur(dok, GammaRec{});
    EXPECT_EQ(dok.ScriptAnzahl, 2);
}

TEST(Gamma, ReplayReadsArgumentsWithRangesAndDefaults) {
    Dokument dok;
    setze(dok, {{0.5, 0.2}});
    dok.UndoBild(0, 0) = 0.75;
    // The bias curve with bias 0.5 changes nothing although Gamma is 2.
    auto a = argumente({"2.000", "0.500", "0.500", "0.500", "2"});
    GammaKorrekturNachspielen(dok, a);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.5, 0.2}}));

    // A missing mode reads as 0, outside 1..3, and becomes the gamma curve.
    auto b = argumente({"2.000"});
    GammaKorrekturNachspielen(dok, b);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.25, 0.2 * 0.2}}, 1e-15));

    // Gamma 200 is out of range and becomes 1: nothing changes.
    auto c = argumente({"200", "0.5", "0.5", "0.5", "1"});
    GammaKorrekturNachspielen(dok, c);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.25, 0.2 * 0.2}}, 1e-15));
    EXPECT_EQ(dok.UndoBild(0, 0), 0.75);  // replay takes no undo copy
    EXPECT_EQ(dok.ScriptAnzahl, 0);
}

TEST(TransferKurve, LeftHalfRisesRightHalfMirrors) {
    auto id = [](double x) { return x; };
    EXPECT_EQ(TransferKurve(8, id),
              (std::vector<double>{0.25, 0.5, 0.75, 1.0, 1.0, 0.75, 0.5, 0.25}));
    EXPECT_EQ(TransferKurve(5, id), (std::vector<double>{0.5, 1.0, 1.0, 1.0, 0.5}));
    EXPECT_EQ(TransferKurve(1, id), (std::vector<double>{1.0}));
    EXPECT_TRUE(TransferKurve(0, id).empty());
}

}  // namespace
}  // namespace gm
