#include "formats/farbbild.h"

#include <gtest/gtest.h>

#include "formats_hilfen.h"

namespace gm {
namespace {

using test::Bytes;

TEST(FarbbildSchreiben, GreyModeBmpAndTargaBytes) {
    Dokument dok;
    // 0.5 * 255 = 127.5 goes to the even 128; values outside 0..1 are clamped.
    test::feldSetzen(dok, {{0.0, 0.5, 1.0, 1.5, -1.0}, {0.2, 0.2, 0.2, 0.2, 0.2}});
    ColourState farben;
    farben.Farbmodus = FarbmodusGrau;
    const unsigned oben[5] = {0, 128, 255, 255, 0};
    const std::string bmp = test::tempPfad("grau.bmp");
    ASSERT_TRUE(farbBmpSchreiben(dok, farben, bmp).ok());
    Bytes b;
    b.text("BM").u32(54 + 16 * 2).u32(0).u32(54).u32(40).u32(5).u32(2).u16(1).u16(24).null(24);
    for (int i = 0; i < 15; ++i)
        b.u8(51);  // 0.2 * 255 = 51: the bottom row first
    b.u8(0);
    for (unsigned v : oben)
        b.u8(v).u8(v).u8(v);
    b.u8(0);
    EXPECT_EQ(test::dateiInhalt(bmp), b.s);

    const std::string tga = test::tempPfad("grau.tga");
    ASSERT_TRUE(farbTargaSchreiben(dok, farben, tga).ok());
    Bytes t;
    t.u8(0).u8(0).u8(2).null(5).u16(0).u16(0).u16(5).u16(2).u8(24).u8(0);
    for (int i = 0; i < 15; ++i)
        t.u8(51);
    for (unsigned v : oben)
        t.u8(v).u8(v).u8(v);
    EXPECT_EQ(test::dateiInhalt(tga), t.s);
}

}  // namespace
}  // namespace gm
