#include "display/palette.h"

#include <gtest/gtest.h>

#include "display/farbe.h"
#include "display/farbstand.h"

namespace gm {
namespace {

Palette fuenfPunkte() {
    Palette p;
    p.MaxIndex = 4;
    p.Punkte[0] = {0.0, 1.0, 0.0, 0.0};
    p.Punkte[1] = {0.1, 0.0, 1.0, 0.0};
    p.Punkte[2] = {0.25, 0.0, 0.0, 1.0};
    p.Punkte[3] = {0.6, 1.0, 1.0, 0.0};
    p.Punkte[4] = {1.0, 0.2, 0.4, 0.6};
    return p;
}

void erwarteGleich(const Palette& a, const Palette& b) {
    ASSERT_EQ(a.MaxIndex, b.MaxIndex);
    for (int i = 0; i <= a.MaxIndex; ++i) {
        EXPECT_NEAR(a.Punkte[i].Position, b.Punkte[i].Position, 1e-15) << i;
        EXPECT_EQ(a.Punkte[i].Rot, b.Punkte[i].Rot) << i;
        EXPECT_EQ(a.Punkte[i].Gruen, b.Punkte[i].Gruen) << i;
        EXPECT_EQ(a.Punkte[i].Blau, b.Punkte[i].Blau) << i;
    }
}

TEST(Palette, ResetPaletteIsAGreyRamp) {
    ColourState f;
    Dokument dok;
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.2), 0x333333u);  // 51, 51, 51
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.0), 0x000000u);
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 1.0), 0xFFFFFFu);
    // 0.5 * 255 = 127.5 goes to the even 128.
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.5), 0x808080u);
    EXPECT_EQ(dok.RandSeed, 0u);  // palette modes draw nothing
}

TEST(Palette, ColourAtPointsBetweenThemAndOutside) {
    const Palette p = fuenfPunkte();
    Farbe3 c = PaletteFarbe(p, 0.25);
    EXPECT_EQ(c.rot, 0.0);
    EXPECT_EQ(c.gruen, 0.0);
    EXPECT_EQ(c.blau, 1.0);
    c = PaletteFarbe(p, 0.0);
    EXPECT_EQ(c.rot, 1.0);
    EXPECT_EQ(c.gruen, 0.0);
    c = PaletteFarbe(p, 1.0);
    EXPECT_DOUBLE_EQ(c.rot, 0.2);
    EXPECT_DOUBLE_EQ(c.blau, 0.6);
    // Halfway between 0.6 (1, 1, 0) and 1.0 (0.2, 0.4, 0.6).
    c = PaletteFarbe(p, 0.8);
    EXPECT_NEAR(c.rot, 0.6, 1e-15);
    EXPECT_NEAR(c.gruen, 0.7, 1e-15);
    EXPECT_NEAR(c.blau, 0.3, 1e-15);
    // Extrapolation along the first segment, then clamped: red 1 + 0.5 * 1 -> 1,
    // green 0 - 0.5 -> 0.
    c = PaletteFarbe(p, -0.05);
    EXPECT_EQ(c.rot, 1.0);
    EXPECT_EQ(c.gruen, 0.0);
    // Along the last segment past 1: red 0.2 - 0.8 * 0.25 / 0.4 * ... stays in range.
    c = PaletteFarbe(p, 1.1);
    EXPECT_NEAR(c.rot, 0.0, 1e-15);     // 0.2 - 0.2 = 0
    EXPECT_NEAR(c.gruen, 0.25, 1e-15);  // 0.4 - 0.15
    EXPECT_NEAR(c.blau, 0.75, 1e-15);   // 0.6 + 0.15
}

TEST(Palette, ArrangeSpreadsPointsEvenly) {
    Palette zwei;
    zwei.Punkte[1].Rot = 0.3;
    Palette kopie = zwei;
    PaletteAnordnen(zwei);
    erwarteGleich(zwei, kopie);

    Palette p = fuenfPunkte();
    PaletteAnordnen(p);
    const double erwartet[] = {0.0, 0.25, 0.5, 0.75, 1.0};
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(p.Punkte[i].Position, erwartet[i]);
    EXPECT_EQ(p.Punkte[2].Blau, 1.0);  // colours stay with their index
    EXPECT_EQ(p.Punkte[3].Gruen, 1.0);
}

TEST(Palette, ReverseMirrorsAndTwiceRestores) {
    Palette p = fuenfPunkte();
    PaletteUmkehren(p);
    EXPECT_EQ(p.Punkte[0].Position, 0.0);
    EXPECT_EQ(p.Punkte[4].Position, 1.0);
    EXPECT_DOUBLE_EQ(p.Punkte[1].Position, 0.4);
    EXPECT_EQ(p.Punkte[1].Gruen, 1.0);  // old point 3 (yellow)
    EXPECT_DOUBLE_EQ(p.Punkte[3].Position, 0.9);
    EXPECT_EQ(p.Punkte[4].Rot, 1.0);  // old point 0 (red)
    EXPECT_TRUE(PaletteGueltig(p));
    PaletteUmkehren(p);
    erwarteGleich(p, fuenfPunkte());
}

TEST(Palette, CopyAndExchangeBetweenThePalettes) {
    ColourState f;
    f.Paletten[1] = fuenfPunkte();
    PaletteKopieren(f.Paletten[1], f.Paletten[0]);  // "P2 --> P1"
    erwarteGleich(f.Paletten[0], fuenfPunkte());
    erwarteGleich(f.Paletten[1], fuenfPunkte());

    PaletteZuruecksetzen(f.Paletten[0]);  // "Gr --> P1"
    erwarteGleich(f.Paletten[0], Palette{});
    PalettenTauschen(f);  // "P1 <-> P2"
    erwarteGleich(f.Paletten[0], fuenfPunkte());
    erwarteGleich(f.Paletten[1], Palette{});
    // The exchange is of all 256 points: a stale point past MaxIndex moves too.
    f.Paletten[0].Punkte[200].Rot = 0.5;
    PalettenTauschen(f);
    EXPECT_EQ(f.Paletten[1].Punkte[200].Rot, 0.5);
}

TEST(Palette, InsertAndDeleteKeepTheInvariants) {
    Palette p;
    EXPECT_FALSE(PunktLoeschen(p, 0));
    EXPECT_FALSE(PunktLoeschen(p, 1));
    EXPECT_FALSE(PunktEinfuegen(p, 1, {1.0, 0, 0, 0}));  // not strictly inside
    EXPECT_FALSE(PunktEinfuegen(p, 0, {0.5, 0, 0, 0}));
    ASSERT_TRUE(PunktEinfuegen(p, 1, {0.5, 1, 0, 0}));
    ASSERT_TRUE(PunktEinfuegen(p, 1, {0.25, 0, 1, 0}));
    EXPECT_EQ(p.MaxIndex, 3);
    EXPECT_EQ(p.Punkte[1].Position, 0.25);
    EXPECT_EQ(p.Punkte[2].Position, 0.5);
    EXPECT_EQ(p.Punkte[3].Position, 1.0);
    EXPECT_TRUE(PaletteGueltig(p));
    ASSERT_TRUE(PunktLoeschen(p, 2));
    EXPECT_EQ(p.MaxIndex, 2);
    EXPECT_EQ(p.Punkte[1].Gruen, 1.0);
    EXPECT_EQ(p.Punkte[2].Position, 1.0);

    // A palette of 256 points takes no more.
    Palette voll;
    voll.MaxIndex = 255;
    for (int i = 0; i <= 255; ++i)
        voll.Punkte[i].Position = i / 255.0;
    EXPECT_TRUE(PaletteGueltig(voll));
    EXPECT_FALSE(PunktEinfuegen(voll, 1, {0.5 / 255.0, 0, 0, 0}));
    EXPECT_EQ(voll.MaxIndex, 255);
}

TEST(Palette, ValidityCheck) {
    Palette p = fuenfPunkte();
    EXPECT_TRUE(PaletteGueltig(p));
    p.Punkte[2].Position = 0.1;  // equal to its predecessor
    EXPECT_FALSE(PaletteGueltig(p));
    p = fuenfPunkte();
    p.Punkte[4].Position = 0.99;
    EXPECT_FALSE(PaletteGueltig(p));
    p = fuenfPunkte();
    p.MaxIndex = 0;
    EXPECT_FALSE(PaletteGueltig(p));
    p.MaxIndex = 256;
    EXPECT_FALSE(PaletteGueltig(p));
}

TEST(Palette, BrokenPositionsDoNotDivideByZero) {
    Palette p;
    p.Punkte[1].Position = 0.0;  // both points at 0
    const Farbe3 c = PaletteFarbe(p, 0.5);
    EXPECT_EQ(c.rot, 1.0);
    EXPECT_EQ(c.gruen, 1.0);
}

}  // namespace
}  // namespace gm
