// The generators through the command line: seeded midpoint fields repeat bit
// for bit, and a noise seed on the command line selects its tables.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/cli_lauf.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace gm {
namespace {

namespace fs = std::filesystem;

using GeneratorenCli = test::CliLauf;

TEST_F(GeneratorenCli, SeededMidpointRepeatsBitForBit) {
    const std::string auftrag = "--size 67x41 --gen midpoint Ebenen=5 Hoehenabhaengigkeit=0.5";
    ASSERT_EQ(lauf("--seed 7 " + auftrag + " --save " + datei("a.fla")), 0);
    ASSERT_EQ(lauf("--seed 7 " + auftrag + " --save " + datei("b.fla")), 0);
    ASSERT_EQ(lauf("--seed 8 " + auftrag + " --save " + datei("c.fla")), 0);
    const std::string a = lesen("a.fla");
    ASSERT_EQ(a.size(), 16u + 67u * 41u * 8u);
    EXPECT_EQ(a, lesen("b.fla"));
    EXPECT_NE(a, lesen("c.fla"));
    // Two runs in one process continue the sequence: a new field.
    ASSERT_EQ(lauf("--seed 7 " + auftrag + " --gen midpoint --save " + datei("d.fla")), 0);
    EXPECT_NE(a, lesen("d.fla"));
}

TEST_F(GeneratorenCli, NoiseSeedSelectsTablesAndBadValuesFail) {
    const std::string auftrag = "--size 33x33 --set Verknuepfungsmodus=1 --gen noise ";
    ASSERT_EQ(lauf(auftrag + "Startwert=321 --save " + datei("a.fla")), 0);
    ASSERT_EQ(lauf("--seed 99 " + auftrag + "Startwert=321 --save " + datei("b.fla")), 0);
    ASSERT_EQ(lauf(auftrag + "Startwert=322 --save " + datei("c.fla")), 0);
    EXPECT_EQ(lesen("a.fla"), lesen("b.fla"));
    EXPECT_NE(lesen("a.fla"), lesen("c.fla"));
    // The same field through the recorded line.
    ASSERT_EQ(lauf("--size 33x33 --set Verknuepfungsmodus=1 --line 'build_noise(2.000, 2.000, "
                   "0.500, 1.000, 321.000, 0, 0, 0, 4095, 0, 2, 100.000, 0.000, 1, 100.000, "
                   "0.000)' --save " +
                   datei("d.fla")),
              0);
    EXPECT_EQ(lesen("a.fla"), lesen("d.fla"));
    EXPECT_EQ(lauf("--gen noise Startwert=12.5"), 2);
    EXPECT_EQ(lauf("--gen noise Startwert=0"), 2);
    EXPECT_EQ(lauf("--gen noise Methode=11"), 2);
    EXPECT_EQ(lauf("--gen midpoint Ebenen=1"), 2);
}

}  // namespace
}  // namespace gm
