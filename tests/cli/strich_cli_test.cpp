// --stroke on the command line: the same result as the replayed "stroke"
// line, settings that stay set, and refused points and tools.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

namespace gm {
namespace {

class StrichCli : public test::CliLauf {};

TEST_F(StrichCli, StrokeAndItsScriptLineGiveTheSameField) {
    const std::string a = datei("a.fla"), b = datei("b.fla"), c = datei("c.fla");
    ASSERT_EQ(lauf("--seed 5 --size 65x65 --stroke mountain2 10,10.5 50,60 --save " + a), 0);
    ASSERT_EQ(lauf("--seed 5 --size 65x65 --line "
                   "'stroke(2, 0, 2, 10, 10.5, 50, 60, 7, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 1, 5, "
                   "0.15, 0.15, 0.5, 5)' --save " +
                   b),
              0);
    const auto pa = proben("a.fla");
    ASSERT_EQ(pa.size(), 65u * 65u);
    EXPECT_EQ(pa, proben("b.fla"));
    double hoechste = 0.0;
    for (double v : pa)
        hoechste = std::max(hoechste, v);
    EXPECT_EQ(hoechste, 1.0);
    // Settings given with a stroke stay set for the next one; Rechts=1 does not.
    ASSERT_EQ(lauf("--seed 5 --size 65x65 --set VerknuepfungsmodusRechts=1 --stroke circle 32,32 "
                   "Platzierung=3 InX=10 Rechts=1 --stroke circle 10,10 --save " +
                   c),
              0);
    const auto pc = proben("c.fla");
    ASSERT_EQ(pc.size(), 65u * 65u);
    EXPECT_EQ(pc[32 * 65 + 32], 1.0);
    EXPECT_EQ(pc[32 * 65 + 43], 0.0);
    EXPECT_EQ(pc[10 * 65 + 10], 1.0);
    EXPECT_EQ(pc[10 * 65 + 21], 0.0);
}

TEST_F(StrichCli, RefusesBadPointsToolsAndOddDragCounts) {
    for (const char* falsch :
         {"--stroke cone 1,1", "--stroke cone 1,nan 3,3", "--stroke cone 1,1 3,20000",
          "--stroke cone 1 3,3", "--stroke wobble 1,1", "--stroke 31 1,1 2,2 Rechts=2",
          "--stroke 31 1,1 2,2 Wobble=3", "--stroke cone",
          "--set Platzierung=2 --stroke cone 1,1 2,2 3,3"}) {
        EXPECT_EQ(lauf(std::string(falsch) + " --save " + datei("x.fla")), 2) << falsch;
    }
    EXPECT_FALSE(std::filesystem::exists(datei("x.fla")));
    EXPECT_EQ(lauf("--set Platzierung=4 --set InY.Streuung=3 --set FormRec.Ecken.Streuung=2 "
                   "--set BergRec.Level=7 --set Gleichmodus=1 --stroke pipette 3,3 -2,4"),
              0);
}

}  // namespace
}  // namespace gm
