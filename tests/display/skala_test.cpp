#include "display/skala.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/skala_bearbeiten.h"
#include "display_hilfen.h"

namespace gm {
namespace {

using test::grau;

// A bar 90 x 116: rows 108 (value 0) to 8 (value 1), 100 rows per unit.
constexpr int W = 90;
constexpr int H = 116;

struct Beschriftet {
    int x;
    int y;
    std::string text;
    bool operator==(const Beschriftet&) const = default;
};

TEST(Skala, RowsAndValues) {
    EXPECT_EQ(SkalaZeile(H, 0.0), 108);
    EXPECT_EQ(SkalaZeile(H, 1.0), 8);
    // Height 24 has 8 rows per unit: 0.5 rounds to 0, 1.5 to 2.
    EXPECT_EQ(SkalaZeile(24, 0.0625), 16);
    EXPECT_EQ(SkalaZeile(24, 0.1875), 14);
    EXPECT_EQ(SkalaWert(H, 58), 0.5);
    EXPECT_EQ(SkalaWert(H, 108), 0.0);
    EXPECT_EQ(SkalaWert(H, 3), 1.05);
}

TEST(Skala, DrawsBarPointsMarkersAndLabels) {
    ColourState f;
    f.Farbmodus = FarbmodusGrau;
    Dokument dok;
    dok.MarkeUnten = {0.25, 0.1};
    PixelImage bild;
    bild.resize(W, H);
    std::vector<Beschriftet> texte;
    SkalaBeschriftung b{12, [&](int x, int y, std::string_view t) {
                            texte.push_back({x, y, std::string(t)});
                        }};
    ZeichneSkala(f, dok, bild, b);
    EXPECT_EQ(bild.at(0, 0), SkalaHintergrund);
    for (int y : {4, 5, 6, 8})
        EXPECT_EQ(bild.at(8, y), grau(255)) << y;
    for (int y : {108, 110, 111, 112})
        EXPECT_EQ(bild.at(28, y), grau(0)) << y;
    for (int y : {3, 7, 109, 113})
        EXPECT_EQ(bild.at(20, y), SkalaHintergrund) << y;
    EXPECT_EQ(bild.at(18, 58), grau(128));
    EXPECT_EQ(bild.at(18, 88), grau(51));
    EXPECT_EQ(bild.at(7, 58), SkalaHintergrund);
    EXPECT_EQ(bild.at(29, 58), SkalaHintergrund);
    EXPECT_EQ(bild.at(8, 108), grau(0)) << "no points in grey mode";

    // MarkeUnten (0.25, 0.1): row 83, half height 10, boxes reach 71..95.
    for (int y : {71, 83, 95}) {
        EXPECT_EQ(bild.at(38, y), SkalaGrau) << y;
        EXPECT_EQ(bild.at(43, y), SkalaGrau) << y;
    }
    EXPECT_EQ(bild.at(38, 70), SkalaHintergrund);
    EXPECT_EQ(bild.at(38, 96), SkalaHintergrund);
    EXPECT_EQ(bild.at(37, 83), SkalaHintergrund);
    EXPECT_EQ(bild.at(44, 83), SkalaHintergrund);
    // MarkeOben (1, 0): row 8, boxes 6..10 in columns 83..88.
    EXPECT_EQ(bild.at(83, 6), SkalaGrau);
    EXPECT_EQ(bild.at(88, 10), SkalaGrau);
    EXPECT_EQ(bild.at(89, 8), SkalaHintergrund);
    EXPECT_EQ(bild.at(82, 8), SkalaHintergrund);
    EXPECT_EQ(bild.at(83, 11), SkalaHintergrund);

    const std::vector<Beschriftet> erwartet = {
        {46, 83 - 8, "0.250"}, {46, 73 - 8, "0.350"}, {46, 93 - 8, "0.150"}, {46, 8 - 8, "1.000"}};
    EXPECT_EQ(texte, erwartet);

    // Palette I: the points sit as grey circles over the bar ends.
    f.Farbmodus = FarbmodusPalette1;
    f.Skala.punktZiehen = true;
    f.Skala.gewaehlt = {1, 0};
    ZeichneSkala(f, dok, bild, {});
    EXPECT_EQ(bild.at(8, 108), SkalaGrau);
    EXPECT_EQ(bild.at(4, 108), SkalaGrau);
    EXPECT_EQ(bild.at(11, 107), SkalaGrau);
    EXPECT_EQ(bild.at(4, 104), SkalaHintergrund) << "corner outside the circle";
    EXPECT_EQ(bild.at(12, 108), grau(0)) << "bar beside the circle";
    EXPECT_EQ(bild.at(8, 8), SkalaRot) << "the dragged point is red";
    EXPECT_EQ(bild.at(28, 108), grau(0)) << "no palette 2 points in mode 1";
    f.Farbmodus = FarbmodusRender;
    ZeichneSkala(f, dok, bild, {});
    EXPECT_EQ(bild.at(28, 108), SkalaGrau);
}

TEST(Skala, RenderModeSpreadsMischwertOverColumns) {
    ColourState f;
    f.Farbmodus = FarbmodusRender;
    f.Render.Fels = true;
    f.Render.FelsHoehe = 0.0;
    f.Render.FelsHoeheBreite = 0.0;
    f.Render.FelsMisch = 0.5;
    f.Render.FelsMischBreite = 0.0;
    f.Render.FelsGewicht = 0.0;
    f.Render.FelsSchwelle = 1.0;
    f.Render.FelsFarbe1 = {0, 1, 0, 0};
    Dokument dok;
    PixelImage bild;
    bild.resize(W, H);
    ZeichneSkala(f, dok, bild, {});
    // Row 58 (height 0.5): rock right of Mischwert 0.5, i.e. from column 19 on.
    EXPECT_EQ(bild.at(18, 58), grau(128));
    EXPECT_EQ(bild.at(19, 58), test::rgb(255, 0, 0));
    EXPECT_EQ(bild.at(28, 58), test::rgb(255, 0, 0));
}

TEST(Skala, TinyPicturesDrawWithoutOverrun) {
    ColourState f;
    Dokument dok;
    dok.MarkeOben = {1.0, 1.0};
    for (int h : {0, 1, 10, 16, 17, 20}) {
        for (int w : {0, 5, 40}) {
            PixelImage bild;
            bild.resize(w, h);
            ZeichneSkala(f, dok, bild, {});
        }
    }
}

TEST(SkalaMarken, LeftButtonSetsWertRightButtonStreuung) {
    Dokument dok;
    // Divide between the markers: (90 - 36) / 2 + 36 = 63.
    EXPECT_FALSE(SkalaMarkeBearbeiten(dok, 63, 33, Maustaste::Links, W, H));
    EXPECT_FALSE(SkalaMarkeBearbeiten(dok, 36, 33, Maustaste::Links, W, H));
    EXPECT_FALSE(SkalaMarkeBearbeiten(dok, 40, 33, Maustaste::Mitte, W, H));
    EXPECT_EQ(dok.MarkeUnten.Wert, 0.0);

    ASSERT_TRUE(SkalaMarkeBearbeiten(dok, 37, 33, Maustaste::Links, W, H));
    EXPECT_EQ(dok.MarkeUnten.Wert, 0.75);
    // Above row 8 one step up per event, below row H - 8 one step down.
    SkalaMarkeBearbeiten(dok, 50, 2, Maustaste::Links, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeUnten.Wert, 0.751);
    SkalaMarkeBearbeiten(dok, 50, 112, Maustaste::Links, W, H);
    SkalaMarkeBearbeiten(dok, 50, 112, Maustaste::Links, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeUnten.Wert, 0.749);
    // Row 8 and row H - 8 take their values.
    SkalaMarkeBearbeiten(dok, 50, 108, Maustaste::Links, W, H);
    EXPECT_EQ(dok.MarkeUnten.Wert, 0.0);
    SkalaMarkeBearbeiten(dok, 50, 112, Maustaste::Links, W, H);
    EXPECT_EQ(dok.MarkeUnten.Wert, 0.0) << "clamped at 0";

    // MarkeOben (1, 0) with the right button: the distance to the row's value.
    dok.MarkeOben = {0.5, 0.0};
    ASSERT_TRUE(SkalaMarkeBearbeiten(dok, 89, 83, Maustaste::Rechts, W, H));
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Streuung, 0.25);
    SkalaMarkeBearbeiten(dok, 64, 3, Maustaste::Rechts, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Streuung, 0.251);
    EXPECT_FALSE(SkalaMarkeBearbeiten(dok, 90, 83, Maustaste::Rechts, W, H));
}

TEST(SkalaMarken, SpreadStaysInsideZeroToOne) {
    Dokument dok;
    dok.MarkeOben = {0.95, 0.0};
    // Row 33 stands for 0.75: requested spread 0.2, limited to 1 - 0.95.
    SkalaMarkeBearbeiten(dok, 80, 33, Maustaste::Rechts, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Streuung, 0.05);
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Wert, 0.95);
    // Moving the value down to 0.02 keeps the spread within the value.
    SkalaMarkeBearbeiten(dok, 80, 106, Maustaste::Links, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Wert, 0.02);
    EXPECT_DOUBLE_EQ(dok.MarkeOben.Streuung, 0.02);
    // Three decimals: a bar of 1000 rows per unit gives the exact row value, a
    // taller one rounds.
    EXPECT_DOUBLE_EQ(SkalaDreiStellen(0.12345), 0.123);
    EXPECT_DOUBLE_EQ(SkalaDreiStellen(0.0125), 0.012);  // 12.5 to even
    EXPECT_EQ(SkalaDreiStellen(1.0004), 1.0);
    EXPECT_EQ(SkalaDreiStellen(-0.2), 0.0);
}

// Palette 1 with a middle point at 0.5 (row 58).
ColourState dreiPunkte() {
    ColourState f;
    PunktEinfuegen(f.Paletten[0], 1, {0.5, 1.0, 0.0, 0.0});
    return f;
}

TEST(SkalaPunkte, HitTestsFollowModeAndColumns) {
    ColourState f = dreiPunkte();
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 55, H), 1);
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 61, H), 1);
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 62, H), -1);
    EXPECT_EQ(SkalaPunktTreffen(f, 3, 58, H), -1);
    EXPECT_EQ(SkalaPunktTreffen(f, 13, 58, H), -1);
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 106, H), 0);
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 112, H), -1) << "row H - 4 is outside the column";
    EXPECT_EQ(SkalaPunktTreffen(f, 28, 108, H), -1) << "palette 2 not shown in mode 1";
    f.Farbmodus = FarbmodusRender;
    EXPECT_EQ(SkalaPunktTreffen(f, 28, 108, H), 0);
    EXPECT_EQ(f.Skala.aktivePalette, 2);
    EXPECT_EQ(SkalaPunktTreffen(f, 50, 58, H), -1);
    EXPECT_EQ(f.Skala.aktivePalette, 1);
    f.Farbmodus = FarbmodusGrau;
    EXPECT_EQ(SkalaPunktTreffen(f, 8, 58, H), -1);
}

TEST(SkalaPunkte, DraggingStopsBeforeTheNeighbours) {
    ColourState f = dreiPunkte();
    Dokument dok;
    SkalaAntwort a = SkalaMouseDown(f, dok, 8, 60, Maustaste::Links, W, H);
    EXPECT_TRUE(f.Skala.punktZiehen);
    EXPECT_FALSE(f.Skala.markeZiehen);
    EXPECT_TRUE(a.skalaNeu);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.48) << "moves at once";
    a = SkalaMouseMove(f, dok, 8, 11, W, H);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.97);
    EXPECT_EQ(a.status, "Farbskala(x, r, g, b): (0.970000, 255, 0, 0)");
    SkalaMouseMove(f, dok, 8, 10, W, H);  // only 2 rows from the top point
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.97);
    SkalaMouseMove(f, dok, 8, 105, W, H);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.03);
    SkalaMouseMove(f, dok, 8, 106, W, H);
    SkalaMouseMove(f, dok, 8, 130, W, H);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.03);
    EXPECT_TRUE(PaletteGueltig(f.Paletten[0]));
    a = SkalaMouseUp(f, dok, 8, 130, Maustaste::Links, H);
    EXPECT_FALSE(f.Skala.punktZiehen);
    EXPECT_TRUE(a.hauptbildNeu) << "the palette changed";

    // The first and last points start a marker drag instead.
    dok.MarkeUnten = {0.3, 0.0};
    SkalaMouseDown(f, dok, 8, 108, Maustaste::Links, W, H);
    EXPECT_FALSE(f.Skala.punktZiehen);
    EXPECT_TRUE(f.Skala.markeZiehen);
    a = SkalaMouseMove(f, dok, 40, 58, W, H);
    EXPECT_TRUE(a.skalaNeu);
    EXPECT_EQ(dok.MarkeUnten.Wert, 0.5);
    EXPECT_EQ(f.Paletten[0].Punkte[0].Position, 0.0);
    SkalaMouseUp(f, dok, 40, 58, Maustaste::Links, H);
    EXPECT_FALSE(f.Skala.markeZiehen);
    // Right button drags edit the spread.
    SkalaMouseDown(f, dok, 40, 58, Maustaste::Rechts, W, H);
    SkalaMouseMove(f, dok, 40, 48, W, H);
    EXPECT_DOUBLE_EQ(dok.MarkeUnten.Streuung, 0.1);
}

TEST(SkalaPunkte, HoverShowsTheValueAndColour) {
    ColourState f;
    Dokument dok;
    SkalaAntwort a = SkalaMouseMove(f, dok, 8, 88, W, H);
    EXPECT_EQ(a.status, "Farbskala(x, r, g, b): (0.200000, 51, 51, 51)");
    a = SkalaMouseMove(f, dok, 50, 88, W, H);
    EXPECT_EQ(a.status, "");
    EXPECT_FALSE(a.skalaNeu);
}

TEST(SkalaPunkte, RightClickPresetsTheColourDialog) {
    ColourState f = dreiPunkte();
    Dokument dok;
    SkalaAntwort a = SkalaMouseUp(f, dok, 8, 58, Maustaste::Rechts, H);
    ASSERT_TRUE(a.farbDialog.has_value());
    EXPECT_EQ(*a.farbDialog, 0x0000FFu);  // red in the low byte
    EXPECT_TRUE(a.skalaNeu);
    EXPECT_TRUE(a.hauptbildNeu);
    PunktFarbeSetzen(f, 0, 51, 255);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Rot, 0.0);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Gruen, 0.2);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Blau, 1.0);
    // Left button and misses open no dialog.
    EXPECT_FALSE(SkalaMouseUp(f, dok, 8, 58, Maustaste::Links, H).farbDialog.has_value());
    a = SkalaMouseUp(f, dok, 8, 30, Maustaste::Rechts, H);
    EXPECT_FALSE(a.farbDialog.has_value());
    EXPECT_FALSE(a.skalaNeu);
}

TEST(SkalaPunkte, DoubleClickInsertsAndDeletes) {
    ColourState f = dreiPunkte();
    Dokument dok;
    // Between point 0 (row 108) and point 1 (row 58): value 0.25, colour of the
    // palette there (halfway between black and red).
    SkalaMouseMove(f, dok, 8, 83, W, H);
    SkalaAntwort a = SkalaDblClick(f, H);
    EXPECT_TRUE(a.skalaNeu);
    ASSERT_EQ(f.Paletten[0].MaxIndex, 3);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.25);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Rot, 0.5);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Gruen, 0.0);
    EXPECT_EQ(f.Paletten[0].Punkte[2].Position, 0.5);

    // On the inner point: deleted, selection cleared.
    SkalaMouseMove(f, dok, 8, 84, W, H);
    a = SkalaDblClick(f, H);
    EXPECT_TRUE(a.skalaNeu);
    ASSERT_EQ(f.Paletten[0].MaxIndex, 2);
    EXPECT_EQ(f.Paletten[0].Punkte[1].Position, 0.5);
    EXPECT_EQ(f.Skala.gewaehlt[0], 0);
    // The first and last point stay.
    SkalaMouseMove(f, dok, 8, 9, W, H);
    SkalaDblClick(f, H);
    EXPECT_EQ(f.Paletten[0].MaxIndex, 2);
    // Outside the palette columns nothing is inserted.
    SkalaMouseMove(f, dok, 50, 83, W, H);
    a = SkalaDblClick(f, H);
    EXPECT_EQ(f.Paletten[0].MaxIndex, 2);
    EXPECT_FALSE(a.skalaNeu);
    // A full palette takes no more points.
    Palette& voll = f.Paletten[1];
    voll.MaxIndex = 255;
    for (int i = 0; i <= 255; ++i)
        voll.Punkte[i].Position = i < 255 ? i / 1000.0 : 1.0;
    f.Farbmodus = FarbmodusPalette2;
    SkalaMouseMove(f, dok, 28, 30, W, H);
    SkalaDblClick(f, H);
    EXPECT_EQ(voll.MaxIndex, 255);
}

}  // namespace
}  // namespace gm
