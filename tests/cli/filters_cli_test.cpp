// The tone filters and rain erosion through the command line: a filter by
// name with its fields as keys gives the same field as its script line.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/cli_lauf.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace gm {
namespace {

namespace fs = std::filesystem;

using FilterCli = test::CliLauf;

TEST_F(FilterCli, GammaByNameMatchesItsLineAndTheCurve) {
    std::vector<double> werte;
    for (int i = 0; i < 25; ++i)
        werte.push_back(i / 24.0);
    nativSchreiben("a.fla", 5, 5, werte);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --filter gamma Gamma=2 --save " + datei("b.fla")),
              0);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --line 'gamma(2.000, 0.500, 0.500, 0.500, 1)'" +
                   " --save " + datei("c.fla")),
              0);
    const std::vector<double> b = proben("b.fla");
    ASSERT_EQ(b.size(), 25u);
    for (int i = 0; i < 25; ++i)
        EXPECT_DOUBLE_EQ(b[i], (i / 24.0) * (i / 24.0)) << i;
    EXPECT_EQ(b, proben("c.fla"));
}

TEST_F(FilterCli, ErosionAndQuantisingByName) {
    std::vector<double> werte;
    for (int i = 0; i < 9 * 7; ++i)
        werte.push_back(((i * 37) % 23) / 23.0);
    nativSchreiben("a.fla", 9, 7, werte);
    ASSERT_EQ(lauf("--open " + datei("a.fla") +
                   " --filter raining Zyklen=3 Regenmenge=0.2 --save " + datei("b.fla")),
              0);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --line 'raining(3, 0.200, 0.100, 0.030)'" +
                   " --save " + datei("c.fla")),
              0);
    EXPECT_EQ(proben("b.fla"), proben("c.fla"));
    EXPECT_NE(proben("b.fla"), werte);

    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --filter digit AnzahlStufen=2 --save " +
                   datei("d.fla")),
              0);
    for (double v : proben("d.fla"))
        EXPECT_TRUE(v == 0.0 || v == 1.0) << v;

    nativSchreiben("flach.fla", 5, 5, std::vector<double>(25, 0.5));
    EXPECT_NE(lauf("--open " + datei("flach.fla") + " --filter digit"), 0);
    EXPECT_EQ(lauf("--filter raining Zyklen=0"), 2);
    EXPECT_EQ(lauf("--filter gamma Gamma=200"), 2);
    EXPECT_EQ(lauf("--filter invert Gamma=2"), 2);
}

TEST_F(FilterCli, NeighbourhoodFiltersByNameMatchTheirLinesAndNoiseStaysTheGenerator) {
    std::vector<double> werte;
    for (int i = 0; i < 9 * 6; ++i)
        werte.push_back(((i * 29) % 31) / 31.0);
    nativSchreiben("a.fla", 9, 6, werte);
    const std::pair<std::string, std::string> faelle[] = {
        {"terrace Stufen=3 BegrenzenUnten=0",
         "terrace(0.000, 3, -1.000, 2.000, 0.500, 1.000, 1.000, 0.000, 1.000, 0, 1)"},
        {"crater Schnittlevel=0.4 Randbreite=0.2 Zufall=0.5", "crater(0.400, 0.200, 1.000, 0.500)"},
        {"sharpen", "sharpen"},
        {"blur BlurModus=2 Weichabstand=2", "blur(0.500, 2.000, 1.000, 2)"},
        {"pass PassTyp=-2", "pass(0.500, 1.000, -2)"},
        {"noise Noiseweite=5", "noise(5.000)"},
    };
    for (const auto& [filter, zeile] : faelle) {
        // A fixed seed makes the random filters repeat.
        const std::string start = "--open " + datei("a.fla") + " --seed 17";
        ASSERT_EQ(lauf(start + " --filter " + filter + " --save " + datei("b.fla")), 0) << filter;
        ASSERT_EQ(lauf(start + " --line '" + zeile + "' --save " + datei("c.fla")), 0) << zeile;
        EXPECT_EQ(proben("b.fla"), proben("c.fla")) << zeile;
        EXPECT_NE(proben("b.fla"), werte) << filter;
    }
    EXPECT_EQ(lauf("--open " + datei("a.fla") + " --filter noise Noiseweite=9"), 2);
    EXPECT_EQ(lauf("--filter pass PassTyp=0"), 2);
    EXPECT_EQ(lauf("--filter crater Tiefe=11"), 2);
    EXPECT_EQ(lauf("--gen noise --save " + datei("g.fla")), 0);
}

}  // namespace
}  // namespace gm
