// The raster and Terragen formats through the command line: an export by
// format name writes its file, and --open reads it back by its extension.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/cli_lauf.h"

namespace gm {
namespace {

using FormateCli = test::CliLauf;

TEST_F(FormateCli, TerragenExportOpensBackAtItsSizeAndRange) {
    ASSERT_EQ(lauf("--seed 3 --size 9x7 --gen midpoint --save " + datei("a.fla") +
                   " --export ter " + datei("a.ter") + " --export ter-wm " + datei("wm.ter")),
              2)  // the short variant refuses the rectangular field ...
        << "a rectangular field must not be written in the short variant";
    EXPECT_TRUE(lesen("a.ter").empty());  // ... and nothing is put in place

    ASSERT_EQ(lauf("--seed 3 --size 9x7 --gen midpoint --export ter " + datei("a.ter")), 0);
    const std::string ter = lesen("a.ter");
    ASSERT_EQ(ter.substr(0, 16), "TERRAGENTERRAIN ");
    ASSERT_EQ(lauf("--open " + datei("a.ter") + " --save " + datei("b.fla")), 0);
    const std::vector<double> proben = this->proben("b.fla");
    ASSERT_EQ(proben.size(), 63u);
    // An import is stretched to the full range.
    EXPECT_EQ(*std::min_element(proben.begin(), proben.end()), 0.0);
    EXPECT_EQ(*std::max_element(proben.begin(), proben.end()), 1.0);
}

TEST_F(FormateCli, SixteenBitPictureRoundTripsWithinItsQuantisation) {
    std::vector<double> werte;
    for (int i = 0; i < 30; ++i)
        werte.push_back(i / 29.0);
    nativSchreiben("a.fla", 6, 5, werte);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --export png16 " + datei("a.png") +
                   " --export tga16 " + datei("a.tga") + " --export r16 " + datei("a.r16")),
              0);
    // Raw 16 bit: two bytes a sample, nothing else.
    EXPECT_EQ(lesen("a.r16").size(), 60u);
    // 16-bit Targa: an 18-byte header, then three bytes a pixel.
    EXPECT_EQ(lesen("a.tga").size(), 18u + 90u);
    ASSERT_EQ(lauf("--open " + datei("a.png") + " --save " + datei("b.fla")), 0);
    const std::vector<double> zurueck = proben("b.fla");
    ASSERT_EQ(zurueck.size(), werte.size());
    for (std::size_t i = 0; i < werte.size(); ++i)
        EXPECT_NEAR(zurueck[i], werte[i], 0.5 / 65535);
}

TEST_F(FormateCli, BrokenPictureIsRefusedAndNothingIsWritten) {
    ASSERT_EQ(lauf("--size 9x9 --export bmp " + datei("a.bmp")), 0);
    const std::string bmp = lesen("a.bmp");
    ASSERT_GT(bmp.size(), 54u);
    nativSchreiben("kurz.fla", 5, 5, std::vector<double>(25, 0.5));
    {
        std::ofstream f(ordner.pfad() / "kurz.bmp", std::ios::binary);
        f << bmp.substr(0, bmp.size() - 10);
    }
    EXPECT_EQ(lauf("--open " + datei("kurz.bmp") + " --save " + datei("neu.fla")), 2);
    EXPECT_TRUE(lesen("neu.fla").empty());
}

}  // namespace
}  // namespace gm
