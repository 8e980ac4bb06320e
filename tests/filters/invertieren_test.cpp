#include "filters/invertieren.h"

#include "core/dokument.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::gleich;
using filtertest::setze;

TEST(Invertieren, ClampsBelowZeroButNotAboveOne) {
    Dokument dok;
    setze(dok, {{0.25, 1.2, -0.3}, {0.0, 1.0, 0.6}});
    filtertest::maske(dok, {{0, 0, 0}, {0, 0, 1}});
    dok.ScriptAufnahme = true;
    Invertieren(dok);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.75, 0.0, 1.3}, {1.0, 0.0, 0.6}}));
    EXPECT_TRUE(gleich(dok, dok.UndoBild, {{0.25, 1.2, -0.3}, {0.0, 1.0, 0.6}}));
    EXPECT_EQ(dok.ScriptListe[1], "invert");
    ScriptArgumente leer;
    InvertierenNachspielen(dok, leer);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.25, 1.0, 0.0}, {0.0, 1.0, 0.6}}));
    EXPECT_EQ(dok.ScriptAnzahl, 1);
}

TEST(Skalieren, MaskedCellsKeepTheirValuesButSetTheRange) {
    Dokument dok;
    setze(dok, {{0.1, 0.3}, {0.5, 0.9}});
    filtertest::maske(dok, {{1, 0}, {0, 0}});
    auto a = argumente({"0.200", "0.800"});
    SkalierenNachspielen(dok, a);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.1, 0.35}, {0.5, 0.8}}, 1e-12));
}

TEST(Skalieren, MenuCommandsRecordTheirRange) {
    Dokument dok;
    setze(dok, {{0.2, 0.4}, {0.6, 0.4}});
    dok.ScriptAufnahme = true;
    StreckenNullEins(dok);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.5}, {1.0, 0.5}}, 1e-12));
    EXPECT_TRUE(gleich(dok, dok.UndoBild, {{0.2, 0.4}, {0.6, 0.4}}));
    dok.MarkeUnten = {0.25, 0.1};  // spreads are not used
    dok.MarkeOben = {0.75, 0.2};
    StreckenMarken(dok);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.25, 0.5}, {0.75, 0.5}}, 1e-12));
    ASSERT_EQ(dok.ScriptAnzahl, 2);
    EXPECT_EQ(dok.ScriptListe[1], "scale(0.000, 1.000)");
    EXPECT_EQ(dok.ScriptListe[2], "scale(0.250, 0.750)");

    auto aus = argumente({"1.5", "-1"});  // both out of range: 0 and 1
    SkalierenNachspielen(dok, aus);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.0, 0.5}, {1.0, 0.5}}, 1e-12));
}

TEST(Modifizieren, ReplayUsesThePanelSettingsWithoutUndo) {
    Dokument dok;
    setze(dok, {{0.3, 0.5}, {0.8, 0.2}});
    filtertest::maske(dok, {{0, 0}, {1, 0}});
    dok.ModEinstellungen.Digits = 2;  // 0.3 and 0.5 -> 0.5, 0.2 -> 0, then inverted
    dok.ModEinstellungen.Invertieren = true;
    ScriptArgumente leer;
    ModifizierenNachspielen(dok, leer);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.5, 0.5}, {0.8, 1.0}}));
    EXPECT_EQ(dok.UndoBild(0, 0), 0.0);
}

}  // namespace
}  // namespace gm
