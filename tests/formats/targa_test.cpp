#include "formats/targa.h"

#include <gtest/gtest.h>

#include "formats/raw16.h"
#include "formats_hilfen.h"

namespace gm {
namespace {

using test::Bytes;

Bytes tgaKopf(int nx, int ny, unsigned deskriptor) {
    Bytes b;
    b.u8(0).u8(0).u8(2).null(5).u16(0).u16(0).u16(nx).u16(ny).u8(24).u8(deskriptor);
    return b;
}

TEST(TargaSchreiben, ColourPictureRowsBottomUpWithoutFooter) {
    auto farbe = [](int x, int y) {
        return RGB8{std::uint8_t(x), std::uint8_t(y), std::uint8_t(x * 10 + y)};
    };
    Bytes b = tgaKopf(3, 2, 0);
    for (int y : {1, 0}) {
        for (int x = 0; x < 3; ++x)
            b.u8(x * 10 + y).u8(y).u8(x);
    }
    EXPECT_EQ(targaKodieren(3, 2, farbe), b.s);
    const std::string gross = targaKodieren(300, 200, farbe);
    EXPECT_EQ(gross.substr(0, 18), tgaKopf(300, 200, 0).s);
    EXPECT_EQ(gross.size(), 18u + 300u * 200u * 3u);
}

TEST(TargaSchreiben, Gray16TopLeftRedHighGreenLowHalfToEven) {
    Dokument dok;
    // 1.0 -> 65535; 0.5 -> 32767.5 -> 32768 (even); values outside 0..1 clamp.
    test::feldSetzen(dok, {{1.0, 0.5, 0.0, 1.5, -0.25}, {1.0 / 65535, 0.25, 0.75, 0.1, 0.9}});
    Bytes b = tgaKopf(5, 2, 32);
    b.u8(0).u8(255).u8(255);  // 65535
    b.u8(0).u8(0).u8(128);    // 32768
    b.u8(0).u8(0).u8(0);
    b.u8(0).u8(255).u8(255);
    b.u8(0).u8(0).u8(0);
    b.u8(0).u8(1).u8(0);        // 1
    b.u8(0).u8(0x00).u8(0x40);  // 16383.75 -> 16384
    b.u8(0).u8(0xFF).u8(0xBF);  // 49151.25 -> 49151
    b.u8(0).u8(0x9A).u8(0x19);  // 6553.5 -> 6554, the even neighbour
    b.u8(0).u8(0x66).u8(0xE6);  // 58981.5 -> 58982, the even neighbour
    EXPECT_EQ(targa16Kodieren(dok), b.s);

    test::feldSetzen(dok, std::vector<std::vector<double>>(200, std::vector<double>(300, 0.5)));
    const std::string gross = targa16Kodieren(dok);
    EXPECT_EQ(gross.substr(0, 18), tgaKopf(300, 200, 32).s);
    EXPECT_EQ(gross.size(), 18u + 300u * 200u * 3u);
}

TEST(Raw16Schreiben, LittleEndianRowsTopDown) {
    Dokument dok;
    test::feldSetzen(dok, {{0.0, 1.0}, {0.5, 0.25}, {2.0, -1.0}});
    Bytes b;
    b.u16(0).u16(65535).u16(32768).u16(16384).u16(65535).u16(0);
    EXPECT_EQ(raw16Kodieren(dok), b.s);
    const std::string pfad = test::tempPfad("feld.r16");
    ASSERT_TRUE(raw16Schreiben(dok, pfad).ok());
    EXPECT_EQ(test::dateiInhalt(pfad), b.s);
}

}  // namespace
}  // namespace gm
