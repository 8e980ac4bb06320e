// The fractal, crater, dune and cell generators through the command line:
// a seed repeats each field, the renew keys draw new tables, and values
// outside the ranges are refused before anything runs.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using FuellenCli = test::CliLauf;

TEST_F(FuellenCli, SeedRepeatsEveryGeneratorAndRenewalsChangeTheField) {
    const std::string vorher = "--size 41x37 --set Verknuepfungsmodus=1 ";
    const std::string auftraege[] = {
        "--gen craters Anzahl=60 Grenze=0.3",
        "--gen dunes Iterationen=4 Invertieren=1",
        "--gen cells Anzahl=50 Verknuepfung=1",
    };
    const std::string erneuert[] = {"", " NeueLandschaftH=1", " NeueBerechnung=1"};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        const std::string start = auftraege[i] == auftraege[0] ? "--gen random " : "";
        auto laufen = [&](const char* seed, const std::string& zusatz, const std::string& name) {
            return lauf(std::string("--seed ") + seed + " " + vorher + start + auftraege[i] +
                        zusatz + " --save " + datei(name + n + ".fla"));
        };
        ASSERT_EQ(laufen("5", "", "a"), 0) << auftraege[i];
        ASSERT_EQ(laufen("5", "", "b"), 0);
        ASSERT_EQ(laufen("6", "", "c"), 0);
        const std::string a = lesen("a" + n + ".fla");
        ASSERT_EQ(a.size(), 16u + 41u * 37u * 8u);
        EXPECT_EQ(a, lesen("b" + n + ".fla")) << auftraege[i];
        EXPECT_NE(a, lesen("c" + n + ".fla")) << auftraege[i];
        if (erneuert[i].empty()) continue;
        ASSERT_EQ(laufen("5", erneuert[i], "d"), 0);
        EXPECT_NE(a, lesen("d" + n + ".fla")) << auftraege[i] << erneuert[i];
    }
    // The fractal draws nothing; its preset row replaces the window given.
    ASSERT_EQ(lauf("--seed 1 --size 41x37 --gen fractal Art=2 Vorgabe=3 --save " + datei("f1.fla")),
              0);
    ASSERT_EQ(lauf("--seed 2 --size 41x37 --gen fractal Art=2 Vorgabe=3 XMin=-9 --save " +
                   datei("f2.fla")),
              0);
    ASSERT_EQ(lauf("--size 41x37 --gen fractal Art=2 --save " + datei("f3.fla")), 0);
    EXPECT_EQ(lesen("f1.fla"), lesen("f2.fla"));
    EXPECT_NE(lesen("f1.fla"), lesen("f3.fla"));
}

TEST_F(FuellenCli, OutOfRangeValuesAreRefusedAndHelpListsTheKeys) {
    for (const char* falsch :
         {"fractal Tiefe=0", "fractal Tiefe=1001", "fractal XMin=inf", "fractal CY=2e6",
          "fractal Vorgabe=6", "fractal Art=3", "craters Anzahl=8001", "craters Anzahl=0",
          "dunes Iterationen=0", "dunes Iterationen=101", "cells Anzahl=1000",
          "cells Verknuepfung=5", "cells Farbe=1"}) {
        EXPECT_EQ(lauf(std::string("--gen ") + falsch), 2) << falsch;
    }
    const auto hilfe = laufMitAusgabe({"--help"});
    ASSERT_EQ(hilfe.status, 0);
    for (const char* teil :
         {"  fractal\n", "XMin (real", "Tiefe (int, default 50, 10..1000)", "  craters\n",
          "Anzahl (int, default 800, 1..8000)", "  dunes\n", "NeueLandschaftV (0/1", "  cells\n",
          "Verknuepfung (int, default 0, 0..4)", "NeueBerechnung (0/1"}) {
        EXPECT_NE(hilfe.ausgabe.find(teil), std::string::npos) << teil;
    }
}

}  // namespace
}  // namespace gm
