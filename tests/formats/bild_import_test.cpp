#include "formats/bild_import.h"

#include <gtest/gtest.h>

#include <cmath>

#include "formats/jpeg.h"
#include "formats_hilfen.h"
#include "jpeg_hilfen.h"

namespace gm {
namespace {

using test::Bytes;
using test::jpeg;

// A 24-bit BMP built by hand from rows given top-down.
std::string bmp(const std::vector<std::vector<RGB8>>& zeilen) {
    const int w = int(zeilen[0].size()), h = int(zeilen.size());
    Bytes b;
    b.text("BM").u32(0).u32(0).u32(54).u32(40).u32(w).u32(h).u16(1).u16(24).null(24);
    for (int y = h - 1; y >= 0; --y) {
        for (const RGB8& c : zeilen[std::size_t(y)])
            b.u8(c.b).u8(c.g).u8(c.r);
        b.null(std::size_t(w % 4));
    }
    return b.s;
}

std::vector<std::uint8_t> flaeche(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> v;
    for (int i = 0; i < w * h; ++i)
        v.insert(v.end(), {r, g, b});
    return v;
}

TEST(BildImport, HeightIsColourLengthNormalised) {
    const RGB8 w{255, 255, 255}, k{0, 0, 0}, g{0, 30, 40};  // |g| = 50
    const RGB8 m{0, 60, 80};                                // |m| = 100
    Dokument dok;
    test::musterSetzen(dok);
    RGBBild bild;
    ASSERT_TRUE(bildDekodieren(bmp({{k, g, m, w, w},
                                    {w, w, w, w, w},
                                    {w, w, w, w, w},
                                    {w, w, w, w, w},
                                    {w, w, w, w, k},
                                    {m, m, m, m, m}}),
                               bild)
                    .ok());
    ASSERT_TRUE(BildImportieren(dok, bild).ok());
    ASSERT_EQ(dok.MaxX, 4);
    ASSERT_EQ(dok.MaxY, 5);
    const double voll = std::sqrt(3.0 * 255 * 255);
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(1, 0), 50 / voll);
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(2, 0), 100 / voll);
    EXPECT_EQ(dok.Hoehenfeld(3, 0), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(4, 4), 0.0);
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(4, 5), 100 / voll);
    EXPECT_EQ(dok.UndoBild(1, 0), dok.Hoehenfeld(1, 0));
    EXPECT_EQ(dok.Maske(1, 0), 0);  // the mask and second grid are cleared
    EXPECT_EQ(dok.Zweitbild(1, 1), 0.0);
    EXPECT_FALSE(dok.AblageBelegt());

    // One flat colour gives zeros everywhere.
    const std::vector<RGB8> zeile(6, RGB8{10, 200, 30});
    ASSERT_TRUE(bildDekodieren(bmp(std::vector(5, zeile)), bild).ok());
    ASSERT_TRUE(BildImportieren(dok, bild).ok());
    for (int x = 0; x <= 5; ++x) {
        for (int y = 0; y <= 4; ++y)
            ASSERT_EQ(dok.Hoehenfeld(x, y), 0.0);
    }
}

TEST(BildImport, PicturesOutsideTheFieldSizesAreRefusedUnchanged) {
    const RGB8 w{255, 255, 255}, k{0, 0, 0};
    std::vector<std::string> dateien = {bmp({{k, w}}), bmp(std::vector(4, std::vector(5, w))),
                                        "GIF89a", "", "B"};
    Bytes breit;
    breit.text("BM").u32(0).u32(0).u32(54).u32(40).u32(2050).u32(5).u16(1).u16(24).null(24);
    dateien.push_back(breit.s + std::string(6152 * 5, '\0'));
    dateien.push_back(jpeg(2050, 8, flaeche(2050, 8, 1, 2, 3)));
    dateien.push_back(jpeg(4, 8, flaeche(4, 8, 1, 2, 3)));
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        Dokument dok;
        test::musterSetzen(dok);
        const test::Abbild vorher = test::abbild(dok);
        RGBBild bild;
        Status s = bildDekodieren(dateien[i], bild);
        if (s) s = BildImportieren(dok, bild);
        EXPECT_FALSE(s.ok()) << i;
        EXPECT_TRUE(test::abbild(dok) == vorher) << i;
    }
}

TEST(JpegLesen, DecodesAndReportsEveryDamage) {
    // Left half black, right half white, 16 x 8.
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x)
            rgb.insert(rgb.end(), 3, x < 8 ? 0 : 255);
    }
    const std::string gut = jpeg(16, 8, rgb);
    Dokument dok;
    ASSERT_TRUE(bildDekodieren(gut, *std::make_unique<RGBBild>()).ok());
    const std::string pfad = test::tempPfad("bild.jpg");
    test::dateiAnlegen(pfad, gut);
    ASSERT_TRUE(BildImportieren(dok, pfad).ok());
    EXPECT_EQ(dok.MaxX, 15);
    EXPECT_NEAR(dok.Hoehenfeld(0, 3), 0.0, 0.02);
    EXPECT_NEAR(dok.Hoehenfeld(15, 3), 1.0, 0.02);

    RGBBild bild;
    for (std::size_t n = 0; n + 1 < gut.size(); ++n) {
        ASSERT_FALSE(jpegDekodieren(gut.substr(0, n), 2049, bild).ok()) << n;
    }
    // A Huffman table whose length runs past the file, and no marker after SOI.
    std::string kaputt = gut;
    const std::size_t dht = kaputt.find("\xFF\xC4");
    ASSERT_NE(dht, std::string::npos);
    kaputt[dht + 2] = kaputt[dht + 3] = '\xFF';
    EXPECT_FALSE(jpegDekodieren(kaputt, 2049, bild).ok());
    kaputt = gut;
    kaputt[2] = 0;
    EXPECT_FALSE(jpegDekodieren(kaputt, 2049, bild).ok());

    const std::string prog = jpeg(16, 8, rgb, true);
    EXPECT_TRUE(jpegDekodieren(prog, 2049, bild).ok());
    const Status s = jpegDekodieren(prog, 2049, bild, 2);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.meldung().find("scans"), std::string::npos);
    EXPECT_EQ(
        jpegDekodieren(gut, 15, bild).meldung(),
        "JPEG picture: a picture of 16 x 8 pixels cannot be imported (5..15 pixels per side)");
}

}  // namespace
}  // namespace gm
