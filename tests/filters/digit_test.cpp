#include "filters/digit.h"

#include "core/dokument.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::gleich;
using filtertest::setze;

// A 17 x 17 field whose cells hold n distinct values i / 1000 (n <= 289).
void verschiedene(Dokument& dok, int n) {
    dok.MaxX = dok.MaxY = 16;
    int i = 0;
    for (int x = 0; x <= 16; ++x)
        for (int y = 0; y <= 16; ++y)
            dok.Hoehenfeld(x, y) = double(i++ % n) / 1000.0;
}

TEST(Digit, DistinctValuesAreCountedUpTo256) {
    Dokument dok;
    setze(dok, {{0.5, 0.5, -0.0}, {0.0, 0.25, 0.5}});
    filtertest::maske(dok, {{0, 0, 0}, {0, 1, 0}});  // masked cells count too
    EXPECT_EQ(AnzahlWerte(dok), 3);                  // 0.0 and -0.0 are one value
    for (int n : {255, 256, 257, 289}) {
        verschiedene(dok, n);
        EXPECT_EQ(AnzahlWerte(dok), n < 256 ? n : 256) << n;
    }
}

TEST(Digit, LevelsRoundHalvesToEvenAndClamp) {
    Dokument dok;
    setze(dok, {{0.0, 0.49, 0.5, 0.51, 1.0, 1.3}});
    DigitalisierenAnwenden(dok, 2.0);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.0, 0.0, 1.0, 1.0, 1.0}}));

    setze(dok, {{0.25, 0.75, 0.3, 0.7}});
    DigitalisierenAnwenden(dok, 3.0);  // q = 0.5: 0.5 and 1.5 go to 0 and 2
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 1.0, 0.5, 0.5}}));

    setze(dok, {{0.3, 0.7}});
    DigitalisierenAnwenden(dok, 1.0);  // not above 1: nothing
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.3, 0.7}}));
}

TEST(Digit, InteractiveRunRefusesFewerThanFourValues) {
    Dokument dok;
    setze(dok, {{0.1, 0.4, 0.6, 0.1}});
    dok.UndoBild(0, 0) = 0.42;
    dok.ScriptAufnahme = true;
    EXPECT_FALSE(Digitalisieren(dok, {2.0}));
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.1, 0.4, 0.6, 0.1}}));
    EXPECT_EQ(dok.UndoBild(0, 0), 0.42);
    EXPECT_EQ(dok.ScriptAnzahl, 0);

    setze(dok, {{0.1, 0.4, 0.6, 0.9}, {0.2, 0.2, 0.2, 0.2}});
    filtertest::maske(dok, {{0, 0, 0, 1}, {0, 0, 0, 0}});
    EXPECT_TRUE(Digitalisieren(dok, {2.0}));
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.0, 1.0, 0.9}, {0.0, 0.0, 0.0, 0.0}}));
    EXPECT_EQ(dok.UndoBild(0, 0), 0.1);
    ASSERT_EQ(dok.ScriptAnzahl, 1);
    EXPECT_EQ(dok.ScriptListe[1], "digit(2)");
}

TEST(Digit, ReplayUsesTheCountAsDefaultAndTheValueUnrounded) {
    Dokument dok;
    const filtertest::Zeilen vier = {{0.0, 0.4, 0.6, 1.0}};
    setze(dok, vier);
    auto a = argumente({"2.5"});  // q = 1 / 1.5: 0.4 -> 0.6 -> 1 step
    DigitalisierenNachspielen(dok, a);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 1.0 / 1.5, 1.0 / 1.5, 1.0}}, 1e-15));

    setze(dok, vier);
    auto b = argumente({"9"});  // above the count of 4: the count, q = 1/3
    DigitalisierenNachspielen(dok, b);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 1.0 / 3, 2.0 / 3, 1.0}}, 1e-15));

    setze(dok, vier);
    auto c = argumente({"1"});  // in range but not above 1
    DigitalisierenNachspielen(dok, c);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, vier));

    setze(dok, {{0.0, 0.4, 0.6, 0.6}});  // three values: nothing
    auto d = argumente({"2"});
    DigitalisierenNachspielen(dok, d);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.4, 0.6, 0.6}}));
}

}  // namespace
}  // namespace gm
