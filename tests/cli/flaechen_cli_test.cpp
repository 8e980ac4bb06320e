// Rotation, function, landscape and spores generators through the command
// line: they run on small fields, and a seed repeats the random ones.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using FlaechenCli = test::CliLauf;

TEST_F(FlaechenCli, RunOnSmallFieldsAndRepeatFromASeed) {
    // The rotation's centre and radii come from the field: not empty at 5 x 5.
    ASSERT_EQ(lauf("--size 5x5 --set Verknuepfungsmodus=1 --gen rotate --save " + datei("r.fla")),
              0);
    EXPECT_NE(lesen("r.fla"), std::string(16 + 25 * 8, '\0'));
    EXPECT_EQ(lauf("--size 9x7 --gen function KurveX=6 WelleY=1 Verknuepfung=3 PeriodenY=2.5"), 0);
    EXPECT_EQ(lauf("--gen function KurveY=9"), 2);
    EXPECT_EQ(lauf("--gen faults Ebenen=3"), 2);  // not a key of this mode
    const std::string auftrag = " --size 40x30 --set Verknuepfungsmodus=1 --gen ";
    for (const std::string gen : {"faults Anzahl=40 Faktor=0.9 Weichheit=0.3",
                                  "quadtree Ebenen=6 Faktor=1.2", "spores SporenZellenX=5"}) {
        ASSERT_EQ(lauf("--seed 5" + auftrag + gen + " --save " + datei("a.fla")), 0) << gen;
        ASSERT_EQ(lauf("--seed 5" + auftrag + gen + " --save " + datei("b.fla")), 0) << gen;
        ASSERT_EQ(lauf("--seed 6" + auftrag + gen + " --save " + datei("c.fla")), 0) << gen;
        EXPECT_EQ(lesen("a.fla"), lesen("b.fla")) << gen;
        EXPECT_NE(lesen("a.fla"), lesen("c.fla")) << gen;
    }
    // The spores tables are kept through the run until NeueBerechnung remakes them.
    ASSERT_EQ(lauf("--seed 5" + auftrag + "spores --gen spores --save " + datei("d.fla")), 0);
    ASSERT_EQ(lauf("--seed 5" + auftrag + "spores --gen spores NeueBerechnung=1 --save " +
                   datei("e.fla")),
              0);
    ASSERT_EQ(lauf("--seed 5" + auftrag + "spores --save " + datei("f.fla")), 0);
    EXPECT_EQ(lesen("d.fla"), lesen("f.fla"));
    EXPECT_NE(lesen("e.fla"), lesen("f.fla"));
}

}  // namespace
}  // namespace gm
