// The transforms through the command line: the mirrors and rotations by
// name, the script words by name and by line, and the size-changing ones.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using TransformCli = test::CliLauf;

// A 7 x 5 field spanning 0..1 with every value distinct, x outer.
std::vector<double> feld75() {
    std::vector<double> w;
    for (int i = 0; i < 35; ++i)
        w.push_back(((i * 11) % 35) / 34.0);
    return w;
}

TEST_F(TransformCli, MirrorsAndRotationsByName) {
    const std::vector<double> a = feld75();
    nativSchreiben("a.fla", 7, 5, a);
    const std::string normal = " --set Verknuepfungsmodus=1 ";
    // mirror-x takes column MaxX - x; the field spans 0..1, so mode Normal
    // gives the moved samples themselves.
    ASSERT_EQ(
        lauf("--open " + datei("a.fla") + normal + "--filter mirror-x --save " + datei("b.fla")),
        0);
    const std::vector<double> b = proben("b.fla");
    ASSERT_EQ(b.size(), 35u);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(b[x * 5 + y], a[(6 - x) * 5 + y]);
    // rotate-90 exchanges the extents: (x, y) takes (y, MaxX - x) of the new MaxX = 4.
    ASSERT_EQ(
        lauf("--open " + datei("a.fla") + normal + "--filter rotate-90 --save " + datei("c.fla")),
        0);
    const std::string kopf = lesen("c.fla").substr(0, 16);
    double maxima[2];
    std::memcpy(maxima, kopf.data(), 16);
    EXPECT_EQ(maxima[0], 4.0);
    EXPECT_EQ(maxima[1], 6.0);
    const std::vector<double> c = proben("c.fla");
    ASSERT_EQ(c.size(), 35u);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 7; ++y)
            EXPECT_EQ(c[x * 7 + y], a[y * 5 + (4 - x)]) << x << "," << y;
    for (const char* name :
         {"mirror-y", "mirror-diag", "mirror-antidiag", "rotate-180", "rotate-270", "polar"})
        EXPECT_EQ(lauf("--open " + datei("a.fla") + " --filter " + name), 0) << name;
    EXPECT_EQ(lauf("--filter rotate-90 Winkel=3"), 2);
}

TEST_F(TransformCli, ScriptWordsByNameMatchTheirLines) {
    nativSchreiben("a.fla", 7, 5, feld75());
    struct Fall {
        std::string name, zeile;
    };
    const Fall faelle[] = {
        {"tile_normal", "tile_normal"},
        {"tile_mirror", "tile_mirror"},
        {"twirl TwirlWinkel=200 TwirlRadius=4", "twirl(3, 2, 200.000, 4.000)"},
        {"wave WellenX=1.5 AmplitudeY=2", "wave(1.500, 3.000, 32.000, 2.000)"},
        {"trace TraceToleranz=0.5 TraceWert=3", "trace(0.500, 1, 3, 0)"},
    };
    for (const Fall& f : faelle) {
        ASSERT_EQ(
            lauf("--open " + datei("a.fla") + " --filter " + f.name + " --save " + datei("b.fla")),
            0)
            << f.name;
        ASSERT_EQ(
            lauf("--open " + datei("a.fla") + " --line '" + f.zeile + "' --save " + datei("c.fla")),
            0)
            << f.zeile;
        EXPECT_EQ(proben("b.fla"), proben("c.fla")) << f.name;
        EXPECT_NE(proben("b.fla"), feld75()) << f.name;
    }
    EXPECT_NE(lauf("--open " + datei("a.fla") + " --filter twirl TwirlX=7"), 0);
    // The command line takes the tolerance the script line takes, up to 100.
    EXPECT_EQ(lauf("--open " + datei("a.fla") + " --filter trace TraceToleranz=100"), 0);
    EXPECT_EQ(lauf("--open " + datei("a.fla") + " --filter trace TraceToleranz=0"), 2);
}

TEST_F(TransformCli, ShiftAndEnlarge) {
    const std::vector<double> a = feld75();
    nativSchreiben("a.fla", 7, 5, a);
    ASSERT_EQ(
        lauf("--open " + datei("a.fla") +
             " --filter shift VerschiebenWeite=2 VerschiebenRichtung=3 --save " + datei("b.fla")),
        0);
    const std::vector<double> b = proben("b.fla");
    ASSERT_EQ(b.size(), 35u);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(b[((x + 2) % 7) * 5 + y], a[x * 5 + y]);
    ASSERT_EQ(lauf("--open " + datei("a.fla") +
                   " --filter enlarge NeuMaxX=8 NeuMaxY=5 Anker=1 --save " + datei("c.fla")),
              0);
    const std::vector<double> c = proben("c.fla");
    ASSERT_EQ(c.size(), 9u * 6u);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(c[x * 6 + y], x < 7 && y < 5 ? a[x * 5 + y] : 0.0);
    EXPECT_EQ(lauf("--open " + datei("a.fla") + " --filter enlarge NeuMaxX=3"), 2);
}

}  // namespace
}  // namespace gm
