// The gradient picture and the COFFEE export through the command line: the
// settings keys, the seed, the default and a chosen template, and refusals.

#include <gtest/gtest.h>

#include <fstream>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using VerlaufCli = test::CliLauf;

TEST_F(VerlaufCli, GradientFollowsItsKeysAndRepeatsWithTheSeed) {
    const std::string setzen =
        "--set VerlaufRec.BreiteX=6 --set VerlaufRec.HoeheY=256 --set VerlaufRec.VerlaufZufall=30 "
        "--set VerlaufRec.VerlaufAbweichung=5 --set VerlaufRec.Konstant=1 ";
    ASSERT_EQ(lauf("--seed 9 " + setzen + "--export gradient " + datei("a.bmp")), 0);
    ASSERT_EQ(lauf("--seed 9 " + setzen + "--export gradient " + datei("b.bmp")), 0);
    ASSERT_EQ(lauf("--seed 10 " + setzen + "--export gradient " + datei("c.bmp")), 0);
    const std::string a = lesen("a.bmp");
    ASSERT_EQ(a.size(), 54u + (18 + 2) * 256);
    EXPECT_EQ(a, lesen("b.bmp"));
    EXPECT_NE(a, lesen("c.bmp"));
    EXPECT_EQ(lauf("--set VerlaufRec.HoeheY=10 --export gradient " + datei("d.bmp")), 2);
}

TEST_F(VerlaufCli, CoffeeFillsTheShippedOrAChosenTemplateAndRefusesAMissingOne) {
    auto e = laufMitAusgabe({"--set", "CoffeeRec.PluginID=20000", "--set", "CoffeeRec.Name=Tal 2",
                             "--export", "coffee", datei("a.cof")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    const std::string a = lesen("a.cof");
    EXPECT_NE(a.find("PLUGIN_ID = 20000;"), std::string::npos);
    EXPECT_NE(a.find("\"Tal 2\""), std::string::npos);

    std::ofstream(datei("t.cof")) << "NAME/PLID/SCHV";
    e = laufMitAusgabe({"--coffee-template", datei("t.cof"), "--set", "RenderRec.Schnee=1",
                        "--export", "coffee", datei("b.cof")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(lesen("b.cof"), "Landschaft 01/18812/1");

    e = laufMitAusgabe(
        {"--coffee-template", datei("fehlt.cof"), "--export", "coffee", datei("c.cof")});
    EXPECT_EQ(e.status, 2);
    EXPECT_NE(e.fehler.find("fehlt.cof"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(datei("c.cof")));
}

}  // namespace
}  // namespace gm
