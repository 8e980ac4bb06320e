#include "formats/bmp.h"

#include <gtest/gtest.h>

#include "formats_hilfen.h"

namespace gm {
namespace {

using test::Bytes;

// The header of a written picture: the file size is 54 + rows of 3 nx + nx mod 4 bytes.
Bytes bmpKopf(int nx, int ny) {
    Bytes b;
    b.text("BM")
        .u32(54 + (3 * nx + nx % 4) * ny)
        .u32(0)
        .u32(54)
        .u32(40)
        .u32(nx)
        .u32(ny)
        .u16(1)
        .u16(24)
        .null(24);
    return b;
}

TEST(BmpSchreiben, SmallPictureBytesBottomUpWithPadding) {
    // 5 x 2: every row carries 5 mod 4 = 1 zero byte; row y = 1 comes first.
    auto farbe = [](int x, int y) {
        return RGB8{std::uint8_t(10 * x), std::uint8_t(100 + y), std::uint8_t(200 + x + y)};
    };
    Bytes b = bmpKopf(5, 2);
    for (int y : {1, 0}) {
        for (int x = 0; x < 5; ++x)
            b.u8(200 + x + y).u8(100 + y).u8(10 * x);
        b.u8(0);
    }
    EXPECT_EQ(bmpKodieren(5, 2, farbe), b.s);
}

TEST(BmpSchreiben, RowPaddingFor513And512) {
    auto weiss = [](int, int) { return RGB8{255, 255, 255}; };
    const std::string a = bmpKodieren(513, 513, weiss);
    ASSERT_EQ(a.size(), 54u + 1540u * 513u);
    EXPECT_EQ(a.substr(0, 54), bmpKopf(513, 513).s);
    for (int zeile = 0; zeile < 513; ++zeile) {
        const std::size_t start = 54 + std::size_t(zeile) * 1540;
        ASSERT_EQ(a[start + 1538], char(255));
        ASSERT_EQ(a[start + 1539], '\0') << "row " << zeile;
    }
    const std::string b = bmpKodieren(512, 512, weiss);
    ASSERT_EQ(b.size(), 54u + 1536u * 512u);
    EXPECT_EQ(b.find('\0', 54), std::string::npos);
}

TEST(BmpSchreiben, MaskPictureBlackWhereMaskedAndWrittenAtomically) {
    Dokument dok;
    dok.MaxX = 4;
    dok.MaxY = 4;
    dok.Maske(1, 0) = 1;
    dok.Maske(4, 4) = 1;
    const std::string pfad = test::tempPfad("maske.bmp");
    ASSERT_TRUE(maskeBmpSchreiben(dok, pfad).ok());
    Bytes b = bmpKopf(5, 5);
    for (int y = 4; y >= 0; --y) {
        for (int x = 0; x < 5; ++x) {
            const bool schwarz = (x == 1 && y == 0) || (x == 4 && y == 4);
            const unsigned v = schwarz ? 0 : 255;
            b.u8(v).u8(v).u8(v);
        }
        b.u8(0);
    }
    EXPECT_EQ(test::dateiInhalt(pfad), b.s);
    EXPECT_FALSE(maskeBmpSchreiben(dok, "/nonexistent-folder/m.bmp").ok());
}

// A 24-bit picture built by hand, 3 x 2, bottom-up, with the standard padding.
std::string handBmp24() {
    Bytes b = bmpKopf(3, 2);
    // bottom row (y = 1): blue, green, red pixels; top row (y = 0): grey values
    b.u8(255).u8(0).u8(0).u8(0).u8(255).u8(0).u8(0).u8(0).u8(255).null(3);
    b.u8(1).u8(2).u8(3).u8(4).u8(5).u8(6).u8(7).u8(8).u8(9).null(3);
    return b.s;
}

TEST(BmpLesen, DecodesBottomUpTopDownAndPalettePictures) {
    RGBBild bild;
    ASSERT_TRUE(bmpDekodieren(handBmp24(), 2049, bild).ok());
    ASSERT_EQ(bild.breite, 3);
    ASSERT_EQ(bild.hoehe, 2);
    EXPECT_EQ(bild.pixel(0, 0), (RGB8{3, 2, 1}));
    EXPECT_EQ(bild.pixel(2, 0), (RGB8{9, 8, 7}));
    EXPECT_EQ(bild.pixel(0, 1), (RGB8{0, 0, 255}));
    EXPECT_EQ(bild.pixel(2, 1), (RGB8{255, 0, 0}));

    // 32 bits, top-down (negative height): no padding, fourth byte ignored.
    Bytes t;
    t.text("BM")
        .u32(0)
        .u32(0)
        .u32(54)
        .u32(40)
        .u32(2)
        .u32(std::uint32_t(-2))
        .u16(1)
        .u16(32)
        .null(24);
    t.u8(10).u8(20).u8(30).u8(99).u8(40).u8(50).u8(60).u8(99);
    t.u8(70).u8(80).u8(90).u8(99).u8(1).u8(2).u8(3).u8(99);
    ASSERT_TRUE(bmpDekodieren(t.s, 2049, bild).ok());
    EXPECT_EQ(bild.pixel(0, 0), (RGB8{30, 20, 10}));
    EXPECT_EQ(bild.pixel(1, 1), (RGB8{3, 2, 1}));

    // 8-bit palette of two colours, 2 x 1, row padded to 4 bytes.
    Bytes p;
    p.text("BM").u32(0).u32(0).u32(62).u32(40).u32(2).u32(1).u16(1).u16(8).u32(0).u32(0);
    p.u32(0).u32(0).u32(2).u32(0);
    p.u8(0).u8(0).u8(0).u8(0).u8(10).u8(20).u8(30).u8(0);
    p.u8(1).u8(0).null(2);
    ASSERT_TRUE(bmpDekodieren(p.s, 2049, bild).ok());
    EXPECT_EQ(bild.pixel(0, 0), (RGB8{30, 20, 10}));
    EXPECT_EQ(bild.pixel(1, 0), (RGB8{0, 0, 0}));
}

TEST(BmpLesen, RefusesEveryTruncationAndBadHeaders) {
    const std::string gut = handBmp24();
    RGBBild bild;
    for (std::size_t n = 0; n < gut.size(); ++n) {
        EXPECT_FALSE(bmpDekodieren(gut.substr(0, n), 2049, bild).ok()) << n << " bytes";
    }
    EXPECT_TRUE(bmpDekodieren(gut + '\0', 2049, bild).ok());
    auto mit = [&](std::size_t pos, const std::string& neu) {
        std::string s = gut;
        s.replace(pos, neu.size(), neu);
        return s;
    };
    // The messages say what is wrong: the size in the limits the import has,
    // an offset inside the header as such, not as data running past the end.
    const std::string zuBreit = mit(18, Bytes().u32(2050).s);
    EXPECT_EQ(bmpDekodieren(zuBreit, 2049, bild).meldung(),
              "BMP picture: a picture of 2050 x 2 pixels cannot be imported (5..2049 pixels per "
              "side)");
    EXPECT_EQ(bmpDekodieren(mit(10, Bytes().u32(0).s), 2049, bild).meldung(),
              "BMP picture: the pixel data would start at byte 0, inside the 54-byte header");
    EXPECT_FALSE(bmpDekodieren(mit(18, Bytes().u32(0).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(22, Bytes().u32(0x80000000u).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(10, Bytes().u32(0xFFFFFFF0u).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(28, Bytes().u16(16).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(30, Bytes().u32(1).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(14, Bytes().u32(12).s), 2049, bild).ok());
    EXPECT_FALSE(bmpDekodieren(mit(0, "BN"), 2049, bild).ok());
    // A huge palette count must not be trusted.
    std::string pal = mit(28, Bytes().u16(8).s);
    pal = pal.substr(0, 46) + Bytes().u32(100000).s + pal.substr(50);
    EXPECT_FALSE(bmpDekodieren(pal, 2049, bild).ok());
}

}  // namespace
}  // namespace gm
