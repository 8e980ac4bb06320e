#include "script/zeile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/script_argumente.h"
#include "skript_hilfen.h"

namespace gm {
namespace {

using skripttest::feldIst;
using skripttest::setzeFeld;
using skripttest::setzeMaske;

std::vector<std::string> slots(const ScriptArgumente& a, int bis) {
    return std::vector<std::string>(a.slot.begin() + 1, a.slot.begin() + 1 + bis);
}

TEST(ZeileZerlegen, GammaWithOddBlanksAndCaseSplitsLikeTheRecordedLine) {
    ScriptArgumente kanonisch, frei;
    auto w1 = ZeileZerlegen("gamma(1.000, 0.500, 0.500, 0.500, 1)", kanonisch);
    auto w2 = ZeileZerlegen("   Gamma ( 1.000 ,0.500,  0.500 ,0.500,1 )", frei);
    ASSERT_TRUE(w1 && w2);
    EXPECT_EQ(*w1, "gamma");
    EXPECT_EQ(*w2, "gamma");
    const std::vector<std::string> erwartet = {"1.000", "0.500", "0.500", "0.500", "1", ""};
    EXPECT_EQ(slots(kanonisch, 6), erwartet);
    EXPECT_EQ(slots(frei, 6), erwartet);
}

TEST(ZeileZerlegen, CommentIsCutBeforeTheLengthRules) {
    ScriptArgumente a;
    a.slot[1] = "stale";
    auto w = ZeileZerlegen("invert // turns it upside down", a);
    ASSERT_TRUE(w);
    EXPECT_EQ(*w, "invert");
    EXPECT_EQ(a.slot[1], "");  // a bare word leaves every slot empty
    EXPECT_FALSE(ZeileZerlegen("inv//ert", a));
    EXPECT_FALSE(ZeileZerlegen("// clear", a));
    EXPECT_EQ(ZeileZerlegen("clear//x", a).value_or(""), "clear");
    EXPECT_EQ(ZeileZerlegen("paintmode(3) // mode 3, not 4", a).value_or(""), "paintmode");
    EXPECT_EQ(a.slot[1], "3");
    EXPECT_EQ(a.slot[2], "");
}

TEST(ZeileZerlegen, ShortLinesAndShortWordsAreIgnored) {
    ScriptArgumente a;
    EXPECT_FALSE(ZeileZerlegen("", a));
    EXPECT_FALSE(ZeileZerlegen("blur", a));       // 4 characters
    EXPECT_FALSE(ZeileZerlegen("abc", a));        // 3 letters
    EXPECT_FALSE(ZeileZerlegen("  abc  ", a));    // word of 3 letters after stripping
    EXPECT_FALSE(ZeileZerlegen("abc(1, 2)", a));  // word of 3 letters with arguments
    EXPECT_FALSE(ZeileZerlegen("    (1)", a));    // no word at all
    EXPECT_EQ(ZeileZerlegen("BLUR(3)", a).value_or(""), "blur");
    EXPECT_EQ(ZeileZerlegen("abcd ", a).value_or(""), "abcd");
}

TEST(ArgumenteTeilen, IrregularListsEndWithinTheText) {
    ScriptArgumente a;
    ArgumenteTeilen(a, "1, 2");  // no closing bracket
    EXPECT_EQ(slots(a, 3), (std::vector<std::string>{"1", "2", ""}));
    ArgumenteTeilen(a, ")");  // empty list
    EXPECT_EQ(slots(a, 2), (std::vector<std::string>{"", ""}));
    ArgumenteTeilen(a, "1,)");  // trailing comma
    EXPECT_EQ(slots(a, 3), (std::vector<std::string>{"1", "", ""}));
    ArgumenteTeilen(a, "4) tail");  // text after ")" is dropped
    EXPECT_EQ(slots(a, 2), (std::vector<std::string>{"4", ""}));
    ArgumenteTeilen(a, "a)b, c)");  // commas are split first
    EXPECT_EQ(slots(a, 3), (std::vector<std::string>{"a)b", "c", ""}));
    ArgumenteTeilen(a, "");
    EXPECT_EQ(slots(a, 1), (std::vector<std::string>{""}));
}

TEST(ArgumenteTeilen, TakesAtMostThirtyArguments) {
    std::string text;
    for (int i = 1; i <= 33; ++i)
        text += std::to_string(i) + (i < 33 ? ", " : ")");
    ScriptArgumente a;
    ArgumenteTeilen(a, text);
    for (int i = 1; i <= ScriptMaxArgumente; ++i)
        EXPECT_EQ(a.slot[i], std::to_string(i));
    EXPECT_EQ(a.slot[0], "");
}

TEST(ArgumenteTeilen, NumbersReadWithExponentBlanksAndTabs) {
    ScriptArgumente a;
    ArgumenteTeilen(a, "1.5e0,  2.250 , 1E3, x, , 7\t9)");
    EXPECT_EQ(ArgumentZahl(a, 1, -1, 10, -10), 1.5);
    EXPECT_EQ(ArgumentZahl(a, 2, -1, 10, -10), 2.25);
    EXPECT_EQ(ArgumentZahl(a, 3, -1, 1e4, 0), 1000.0);
    EXPECT_EQ(ArgumentZahl(a, 3, -1, 1e4, 0), 0.0);  // consumed: now empty, reads 0
    EXPECT_EQ(ArgumentZahl(a, 5, -1, 10, 0), 0.0);   // empty reads as 0, within range
    EXPECT_EQ(ArgumentZahl(a, 5, -1, 10, 1), -1.0);  // empty reads as 0, below range
    EXPECT_EQ(ArgumentGanzzahl(a, 6, 0, 20, 1), 7);  // up to the tab
    EXPECT_EQ(ArgumentGanzzahl(a, 6, 0, 20, 1), 9);  // the rest after the tab
}

class ZeileAusfuehrenTest : public ::testing::Test {
  protected:
    std::unique_ptr<Sitzung> s = std::make_unique<Sitzung>();
    Dokument& dok = s->dok;
};

TEST_F(ZeileAusfuehrenTest, PaintmodeReadsAWholeNumberWithDefaultTwo) {
    const std::pair<const char*, int> faelle[] = {
        {"paintmode(14)", 2},     {"paintmode(0)", 2}, {"paintmode(7)", 7}, {"paintmode(3, 9)", 3},
        {"PaintMode ( 13 )", 13}, {"paintmode()", 2},  {"paintmode(x)", 2}, {"paintmode(1.5e0)", 2},
        {"paintmode(1)", 1},      {"paintmode", 2}};
    for (auto [zeile, modus] : faelle) {
        dok.Verknuepfungsmodus = 5;
        ZeileAusfuehren(*s, zeile);
        EXPECT_EQ(dok.Verknuepfungsmodus, modus) << zeile;
    }
    dok.Verknuepfungsmodus = 5;
    ZeileAusfuehren(*s, "paintmod(7)");  // not a table word
    ZeileAusfuehren(*s, "paint(7)");
    EXPECT_EQ(dok.Verknuepfungsmodus, 5);
}

TEST_F(ZeileAusfuehrenTest, ClearZeroesTheWholeFieldAndUnknownWordsChangeNothing) {
    setzeFeld(dok, {{0.5, 0.25, 1.0, 0.5, 0.5}, {0.1, 0.2, 0.3, 0.4, 0.5}});
    setzeMaske(dok, {{1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    ZeileAusfuehren(*s, "foobar(1, 2, 3)");
    ZeileAusfuehren(*s, "clea");
    ZeileAusfuehren(*s, "cleared");
    EXPECT_TRUE(feldIst(dok, {{0.5, 0.25, 1.0, 0.5, 0.5}, {0.1, 0.2, 0.3, 0.4, 0.5}}));
    ZeileAusfuehren(*s, "  CLEAR  ");
    EXPECT_TRUE(feldIst(dok, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}));
}

TEST_F(ZeileAusfuehrenTest, ModifyUsesThePanelSettingsAndSkipsMaskedCells) {
    setzeFeld(dok, {{0.25, 1.0, 0.0, 0.5, 0.25}});
    setzeMaske(dok, {{0, 0, 0, 0, 1}});
    dok.ModEinstellungen.Invertieren = true;  // identity curve, then 1 - r
    ZeileAusfuehren(*s, "modify");
    EXPECT_TRUE(feldIst(dok, {{0.75, 0.0, 1.0, 0.5, 0.25}}));
}

TEST_F(ZeileAusfuehrenTest, AReplayedLineIsNeverRecorded) {
    dok.ScriptAufnahme = true;
    dok.ScriptAnzahl = 0;
    ZeileAusfuehren(*s, "clear");
    ZeileAusfuehren(*s, "paintmode(4)");
    ZeileAusfuehren(*s, "modify");
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    EXPECT_TRUE(dok.ScriptAufnahme);
    EXPECT_EQ(dok.Verknuepfungsmodus, 4);
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

TEST(ZeileZerlegen, HugeLinesAndNulBytesAreHandled) {
    ScriptArgumente a;
    const std::string lang = "paintmode(7" + std::string(1 << 20, ' ') + ")";
    EXPECT_EQ(ZeileZerlegen(lang, a).value_or(""), "paintmode");
    EXPECT_EQ(a.slot[1], "7");
    std::string kommas = "gamma(";
    for (int i = 0; i < 100000; ++i)
        kommas += "1,";
    EXPECT_EQ(ZeileZerlegen(kommas, a).value_or(""), "gamma");
    EXPECT_EQ(a.slot[30], "1");
    const std::string nul("cle\0ar", 6);
    EXPECT_EQ(ZeileZerlegen(nul, a).value_or(""), nul);  // not the word "clear"
    auto s = std::make_unique<Sitzung>();
    s->dok.Hoehenfeld(0, 0) = 0.5;
    ZeileAusfuehren(*s, nul);
    ZeileAusfuehren(*s, std::string("clear\0", 6));
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 0.5);
    ZeileAusfuehren(*s, std::string("clear//\0x", 9));  // the comment hides the NUL
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 0.0);
}

}  // namespace
}  // namespace gm
