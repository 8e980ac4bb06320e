#include "formats/png16.h"

#include <gtest/gtest.h>
#include <png.h>

#include "formats_hilfen.h"

namespace gm {
namespace {

// Reads a PNG with libpng's simplified API, independent of the code under test.
bool pngLesen(const std::string& daten, png_image& bild, std::vector<std::uint16_t>& werte) {
    bild = png_image{};
    bild.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&bild, daten.data(), daten.size())) return false;
    bild.format = PNG_FORMAT_LINEAR_Y;
    werte.resize(PNG_IMAGE_SIZE(bild) / 2);
    return png_image_finish_read(&bild, nullptr, werte.data(), 0, nullptr) != 0;
}

TEST(Png16, WritesSixteenBitGreyThatReadsBack) {
    Dokument dok;
    test::feldSetzen(dok, {{0, 1, 0.5, 0.25, 2},
                           {0.75, 0, 0, 0, 0},
                           {0, 0, 0, 0, 0},
                           {0, 0, 0, 0, 0},
                           {0, 0, 0, 0, 0},
                           {0, 0, 0, 0, 1}});
    std::string png;
    ASSERT_TRUE(png16Kodieren(dok, png).ok());
    // Signature, then IHDR: width 5, height 6, depth 16, colour type 0 (grey).
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 10), std::string("\0\0\0\x05\0\0\0\x06\x10\0", 10));

    Dokument neu;
    test::musterSetzen(neu);
    const std::string pfad = test::tempPfad("feld.png");
    ASSERT_TRUE(png16Schreiben(dok, pfad).ok());
    ASSERT_TRUE(png16Lesen(neu, pfad).ok());
    ASSERT_EQ(neu.MaxX, 4);
    ASSERT_EQ(neu.MaxY, 5);
    EXPECT_EQ(neu.Hoehenfeld(1, 0), 1.0);
    EXPECT_EQ(neu.Hoehenfeld(2, 0), 32768 / 65535.0);
    EXPECT_EQ(neu.Hoehenfeld(3, 0), 16384 / 65535.0);
    EXPECT_EQ(neu.Hoehenfeld(4, 0), 1.0);
    EXPECT_EQ(neu.Hoehenfeld(0, 1), 49151 / 65535.0);
    EXPECT_EQ(neu.Hoehenfeld(4, 5), 1.0);
    EXPECT_EQ(neu.Maske(1, 0), 0);
    EXPECT_EQ(neu.UndoBild(2, 0), neu.Hoehenfeld(2, 0));
}

TEST(Png16, ReadsEightBitColourByLuminanceAndRefusesDamage) {
    // An 8-bit RGB picture written by libpng: white and black pixels.
    png_image bild{};
    bild.version = PNG_IMAGE_VERSION;
    bild.width = 6;
    bild.height = 5;
    bild.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixel(6 * 5 * 3, 255);
    pixel[0] = pixel[1] = pixel[2] = 0;
    std::vector<std::uint8_t> speicher(1 << 16);
    png_alloc_size_t groesse = speicher.size();
    ASSERT_TRUE(
        png_image_write_to_memory(&bild, speicher.data(), &groesse, 0, pixel.data(), 0, nullptr));
    const std::string gut(reinterpret_cast<char*>(speicher.data()), groesse);
    Grau16Bild grau;
    ASSERT_TRUE(png16Dekodieren(gut, grau).ok());
    EXPECT_EQ(grau.breite, 6);
    EXPECT_EQ(grau.werte[0], 0);
    EXPECT_EQ(grau.werte[1], 65535);

    for (std::size_t n = 0; n < gut.size(); ++n) {
        ASSERT_FALSE(png16Dekodieren(gut.substr(0, n), grau).ok()) << n;
    }
    std::string kaputt = gut;
    kaputt[40] ^= 0x40;  // inside the compressed data: the CRC no longer matches
    EXPECT_FALSE(png16Dekodieren(kaputt, grau).ok());
    // libpng refused a width over 2049 with "Invalid IHDR data"; the reader
    // now says it in the words of every picture import.
    std::string breit = gut;
    breit[18] = 0x08;  // width 0x0806 = 2054, with the IHDR chunk's CRC to match
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 12; i < 29; ++i) {
        crc ^= std::uint8_t(breit[i]);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    crc = ~crc;
    for (int k = 0; k < 4; ++k)
        breit[std::size_t(29 + k)] = char(crc >> (24 - 8 * k));
    EXPECT_EQ(png16Dekodieren(breit, grau).meldung(),
              "PNG picture: a picture of 2054 x 5 pixels cannot be imported (5..2049 pixels per "
              "side)");
    std::string klein = gut;
    klein[23] = 4;  // height 4 (the IHDR CRC is checked after the size)
    EXPECT_FALSE(png16Dekodieren(klein, grau).ok());

    Dokument dok;
    test::musterSetzen(dok);
    const test::Abbild vorher = test::abbild(dok);
    const std::string pfad = test::tempPfad("kaputt.png");
    test::dateiAnlegen(pfad, kaputt);
    EXPECT_FALSE(png16Lesen(dok, pfad).ok());
    EXPECT_TRUE(test::abbild(dok) == vorher);

    // Our own file round-trips through libpng's reader as well.
    Dokument quelle;
    test::feldSetzen(
        quelle,
        {{0, 0.5, 1, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0.25}});
    std::string png;
    ASSERT_TRUE(png16Kodieren(quelle, png).ok());
    std::vector<std::uint16_t> werte;
    ASSERT_TRUE(pngLesen(png, bild, werte));
    EXPECT_EQ(werte[1], 32768);
    EXPECT_EQ(werte[2], 65535);
    EXPECT_EQ(werte[24], 16384);
}

}  // namespace
}  // namespace gm
