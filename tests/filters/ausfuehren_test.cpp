#include <gtest/gtest.h>

#include "core/dokument.h"
#include "filter_hilfen.h"
#include "filters/digit.h"
#include "filters/gamma.h"
#include "filters/hell_kontr.h"
#include "filters/invertieren.h"
#include "filters/regen_erosion.h"

namespace gm {
namespace {

using filtertest::gleich;
using filtertest::setze;

TEST(FilterAusfuehren, RunsTakeUndoApplyAndRecordLikeTheMenu) {
    Dokument dok;
    setze(dok, {{0.2, 0.4, 0.6, 0.8}});
    dok.ScriptAufnahme = true;
    ASSERT_TRUE(GammaAusfuehren(dok, {2.0, 0.5, 0.5, 0.5, 1}).ok());
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.04, 0.16, 0.36, 0.64}}, 1e-15));
    ASSERT_TRUE(InvertierenAusfuehren(dok, {}).ok());
    EXPECT_TRUE(gleich(dok, dok.UndoBild, {{0.04, 0.16, 0.36, 0.64}}, 1e-15));
    ASSERT_TRUE(SkalierenAusfuehren(dok, {0.0, 0.5}).ok());
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{0.5, 0.4, 0.7 / 3, 0.0}}, 1e-12));
    ASSERT_TRUE(HelligkeitKontrastAusfuehren(dok, {0.0, 0.5}).ok());
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{1.0, 0.8, 1.4 / 3, 0.0}}, 1e-12));
    ASSERT_TRUE(DigitalisierenAusfuehren(dok, {3.0}).ok());
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{1.0, 1.0, 0.5, 0.0}}));
    ASSERT_TRUE(ModifizierenAusfuehren(dok, {}).ok());  // defaults: the identity
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, {{1.0, 1.0, 0.5, 0.0}}));
    ASSERT_EQ(dok.ScriptAnzahl, 6);
    EXPECT_EQ(dok.ScriptListe[1], "gamma(2.000, 0.500, 0.500, 0.500, 1)");
    EXPECT_EQ(dok.ScriptListe[2], "invert");
    EXPECT_EQ(dok.ScriptListe[3], "scale(0.000, 0.500)");
    EXPECT_EQ(dok.ScriptListe[4], "lumcontr(0.000, 0.500)");
    EXPECT_EQ(dok.ScriptListe[5], "digit(3)");
    EXPECT_EQ(dok.ScriptListe[6], "modify");
}

TEST(FilterAusfuehren, QuantisingAFieldOfFewValuesFailsWithAMessage) {
    Dokument dok;
    setze(dok, {{0.0, 0.5, 1.0, 0.5, 0.0}});
    dok.UndoBild(0, 0) = 0.42;
    Status s = DigitalisierenAusfuehren(dok, {2.0});
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.meldung(), "quantising needs at least 4 distinct heights; the field has 3");
    EXPECT_EQ(dok.UndoBild(0, 0), 0.42);
}

TEST(FilterAusfuehren, ErosionRecordsItsLine) {
    Dokument dok;
    setze(dok, std::vector<std::vector<double>>(5, std::vector<double>(6, 0.5)));
    dok.ScriptAufnahme = true;
    ASSERT_TRUE(RegenErosionAusfuehren(dok, {3, 0.2, 0.05, 0.01}).ok());
    EXPECT_EQ(dok.ScriptListe[1], "raining(3, 0.200, 0.050, 0.010)");
}

}  // namespace
}  // namespace gm
