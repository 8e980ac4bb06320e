// The 3D preview picture through the command line: its view settings are
// keys of --set, and --export view3d writes what the window shows on opening.

#include <gtest/gtest.h>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using AnsichtCli = test::CliLauf;

// Red, green and blue of picture pixel (x, y) of a 480 x 480 24-bit BMP.
std::array<int, 3> pixel(const std::string& bmp, int x, int y) {
    const std::size_t i = 54 + (std::size_t(479 - y) * 480 + std::size_t(x)) * 3;
    return {std::uint8_t(bmp[i + 2]), std::uint8_t(bmp[i + 1]), std::uint8_t(bmp[i])};
}

TEST_F(AnsichtCli, View3dWritesThePreviewWithItsSettings) {
    nativSchreiben("eins.fla", 9, 9, std::vector<double>(81, 1.0));
    const std::string vorsatz = "--open " + datei("eins.fla") + " --set Farbmodus=0 ";
    ASSERT_EQ(lauf(vorsatz + "--export view3d " + datei("oben.bmp")), 0);
    const std::string oben = lesen("oben.bmp");
    ASSERT_EQ(oben.size(), 54u + 480u * 480u * 3u);
    EXPECT_EQ(pixel(oben, 240, 240), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(pixel(oben, 10, 10), (std::array<int, 3>{63, 63, 66}));  // 128 * 10 / 480 + 63

    // Turned by 90 degrees about X the plane at height 1 stands edge-on at
    // x = 240 - 40 (HoehenFaktor 80 lifts it by 40).
    ASSERT_EQ(lauf(vorsatz +
                   "--set AnsichtRec.WinkelX=90 --set AnsichtRec.Detail=257 "
                   "--export view3d " +
                   datei("seite.bmp")),
              0);
    const std::string seite = lesen("seite.bmp");
    EXPECT_EQ(pixel(seite, 200, 240), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(pixel(seite, 240, 240), (std::array<int, 3>{63, 63, 127}));

    EXPECT_EQ(lauf(vorsatz + "--set AnsichtRec.Zoom=20 --export view3d " + datei("x.bmp")), 2);
    EXPECT_TRUE(lesen("x.bmp").empty());
}

}  // namespace
}  // namespace gm
