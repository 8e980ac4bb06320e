#include "core/maske.h"

#include <gtest/gtest.h>

#include "core/ablage.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

using test::setzeFeld;
using Bytes = std::vector<std::vector<int>>;

Bytes leseMaske(const Dokument& dok) {
    Bytes b(dok.MaxY + 1, std::vector<int>(dok.MaxX + 1));
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            b[y][x] = dok.Maske(x, y);
    return b;
}

TEST(Maske, HeightRangeInNewModeSelectsExactlyTheRange) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.1, 0.2, 0.5}, {0.8, 0.81, 0.0}});
    dok.MarkeUnten.Wert = 0.2;
    dok.MarkeOben.Wert = 0.8;
    dok.Maske(2, 1) = 1;
    MaskeHoehe(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 1, 1}, {1, 0, 0}}));

    MaskeNachHoehe(dok, 0.9, 0.1);  // empty range: new mode just clears
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 0, 0}, {0, 0, 0}}));
}

TEST(Maske, PlusAddsAndMinusRemoves) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.0, 0.5, 1.0}, {1.0, 0.0, 0.99}});
    dok.Maske(1, 0) = 1;
    dok.Maskenmodus = 2;
    MaskeNull(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{1, 1, 0}, {0, 1, 0}}));

    MaskeAlles(dok);
    dok.Maskenmodus = 3;
    dok.MarkeOben.Wert = 1.0;
    MaskeUeberHoehe(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{1, 1, 0}, {0, 1, 1}}));

    dok.MarkeUnten.Wert = 0.5;
    MaskeUnterHoehe(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 0, 0}, {0, 0, 1}}));
}

TEST(Maske, InvertTwiceRestoresAndTouchesOnlyTheActiveArea) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0, 0}, {0, 0}});
    dok.Maske(0, 1) = 1;
    MaskeInvertieren(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{1, 1}, {0, 1}}));
    EXPECT_EQ(dok.Maske(2, 2), 0);
    MaskeInvertieren(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 0}, {1, 0}}));
}

TEST(Maske, AllProtectsEveryCellButCombinationStillTakesUndo) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.3, 0.4}});
    setzeFeld(dok, dok.UndoBild, {{0.0, 0.0}});
    MaskeAlles(dok);
    dok.Verknuepfungsmodus = 1;
    setzeFeld(dok, dok.Zweitbild, {{1.0, 0.0}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(test::feldGleich(dok, dok.Hoehenfeld, {{0.3, 0.4}}));
    EXPECT_TRUE(test::feldGleich(dok, dok.UndoBild, {{0.3, 0.4}}));
    EXPECT_EQ(dok.Maske(2049, 2049), 1);
}

TEST(Maske, FromZweitbildFollowsTheModeAndMatchesWhatCutTakes) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.3, 0.4, 0.5}});
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 0.2, 0.0}});
    MaskeAusZweitbild(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 1, 1}}));
    dok.Maskenmodus = 3;
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, KeinWert, 0.7}});
    MaskeAusZweitbild(dok);
    EXPECT_EQ(leseMaske(dok), (Bytes{{0, 1, 0}}));

    Ausschneiden(dok);
    EXPECT_TRUE(test::feldGleich(dok, dok.Hoehenfeld, {{0.3, 0.0, 0.5}}));
    EXPECT_TRUE(test::feldGleich(dok, *dok.Ablagebild, {{KeinWert, 0.4, KeinWert}}));
}

}  // namespace
}  // namespace gm
