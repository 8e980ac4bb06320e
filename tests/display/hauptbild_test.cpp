#include "display/hauptbild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/zahlen.h"
#include "core/zufall.h"
#include "display/farbe.h"
#include "display_hilfen.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

using test::Blau;
using test::grau;
using test::Pixelzeilen;
using test::zeilenAus;

// A 3 x 2 field of grey steps 0, 51, ..., 255 with two masked samples.
void dreiMalZwei(Dokument& dok) {
    test::setzeFeld(dok, dok.Hoehenfeld, {{0.0, 0.4, 0.8}, {0.2, 0.6, 1.0}});
    test::setzeMaske(dok, {{0, 0, 1}, {0, 1, 0}});
}

void erwarteBild(const PixelImage& bild, const Pixelzeilen& erwartet) {
    const Pixelzeilen ist = zeilenAus(bild);
    EXPECT_EQ(ist, erwartet) << "got\n"
                             << test::zeigen(ist) << "expected\n"
                             << test::zeigen(erwartet);
}

TEST(ZeichneHauptbild, KnownFieldAtZoomOneTwoAndHalf) {
    auto dok = std::make_unique<Dokument>();
    dreiMalZwei(*dok);
    ColourState f;
    f.Farbmodus = FarbmodusGrau;
    PixelImage bild;

    ZeichneHauptbild(f, *dok, 1.0, bild);
    erwarteBild(bild, {{grau(0), grau(102), Blau}, {grau(51), grau(153), grau(255)}});

    // Zoom 2: pixel x shows sample round(x / 2), halves to even, kept inside
    // the field (pixel row 3 would round to the sample row past the edge).
    ZeichneHauptbild(f, *dok, 2.0, bild);
    const auto a = grau(0), b = grau(102), c = grau(204), d = grau(51), e = grau(153),
               g = grau(255);
    erwarteBild(
        bild,
        {{a, a, b, c, Blau, c}, {a, a, b, c, c, c}, {d, d, Blau, g, g, g}, {d, d, e, g, g, g}});

    // Zoom 1/2: 2 x 1 pixels showing samples 0 and 2 of row 0; the mask of
    // sample (2, 0) falls on an odd column and is not shown.
    ZeichneHauptbild(f, *dok, 0.5, bild);
    erwarteBild(bild, {{a, c}});

    // Palette mode uses palette 1: a red-to-green palette.
    f.Farbmodus = FarbmodusPalette1;
    f.Paletten[0].Punkte[0] = {0.0, 1.0, 0.0, 0.0};
    f.Paletten[0].Punkte[1] = {1.0, 0.0, 1.0, 0.0};
    ZeichneHauptbild(f, *dok, 1.0, bild);
    erwarteBild(bild, {{test::rgb(255, 0, 0), test::rgb(153, 102, 0), Blau},
                       {test::rgb(204, 51, 0), test::rgb(102, 153, 0), test::rgb(0, 255, 0)}});
}

TEST(ZeichneHauptbild, ZoomThirdAndSizes) {
    EXPECT_EQ(HauptbildGroesse(2048, 2048, 0.5).breite, 1024);  // 1024.5 to even
    EXPECT_EQ(HauptbildGroesse(512, 256, 1.0 / 3.0).breite, 171);
    EXPECT_EQ(HauptbildGroesse(512, 256, 1.0 / 3.0).hoehe, 86);  // 85.67
    EXPECT_EQ(HauptbildGroesse(4, 6, 3.0).hoehe, 21);
    EXPECT_EQ(HauptbildProbe(9, 2.0, 100), 4);  // 4.5 to the even 4
    EXPECT_EQ(HauptbildProbe(11, 2.0, 100), 6);
    EXPECT_EQ(HauptbildProbe(5, 1.0 / 3.0, 100), 15);
    EXPECT_EQ(HauptbildProbe(14, 3.0, 4), 4);  // 4.67 would be past the edge
}

TEST(ZeichneHauptbild, RenderModeColoursColumnByColumn) {
    auto dok = std::make_unique<Dokument>();
    dreiMalZwei(*dok);
    dok->Maske.fuellen(0);
    ColourState f;
    f.Farbmodus = FarbmodusRender;
    f.Paletten[1].Punkte[1] = {1.0, 1.0, 0.0, 0.0};
    setzeSeed(*dok, 77);
    PixelImage bild;
    ZeichneHauptbild(f, *dok, 1.0, bild);
    auto ref = std::make_unique<Dokument>();
    setzeSeed(*ref, 77);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(bild.at(x, y), HoeheZuFarbe(f, *ref, 0.5, dok->Hoehenfeld(x, y))) << x << y;
        }
    }
    EXPECT_EQ(dok->RandSeed, ref->RandSeed);
}

// The straightforward drawing: every pixel through HoeheZuFarbe, x outer, y inner.
PixelImage referenzbild(const ColourState& f, Dokument& dok, double zoom) {
    PixelImage bild;
    bild.resize(int(roundHalfEven((dok.MaxX + 1) * zoom)),
                int(roundHalfEven((dok.MaxY + 1) * zoom)));
    for (int x = 0; x < bild.width; ++x) {
        for (int y = 0; y < bild.height; ++y) {
            const int px = std::min(int(roundHalfEven(x / zoom)), dok.MaxX);
            const int py = std::min(int(roundHalfEven(y / zoom)), dok.MaxY);
            std::uint32_t c = HoeheZuFarbe(f, dok, 0.5, dok.Hoehenfeld(px, py));
            if (x % 2 == 0 && y % 2 == 0 && dok.Maske(px, py)) c = Blau;
            bild.row(y)[x] = c;
        }
    }
    return bild;
}

TEST(ZeichneHauptbild, LargeSeededFieldsMatchTheStraightforwardDrawing) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = 300;  // wide enough for two threads at every zoom below
    dok->MaxY = 260;
    test::Folge folge{2024};
    for (int x = 0; x <= dok->MaxX; ++x) {
        for (int y = 0; y <= dok->MaxY; ++y) {
            dok->Hoehenfeld(x, y) = folge.naechste() * 1.2 - 0.1;
            dok->Maske(x, y) = folge.naechste() < 0.3 ? 1 : 0;
        }
    }
    ColourState f;
    f.Paletten[0].MaxIndex = 4;
    f.Paletten[0].Punkte[1] = {0.2, 0.1, 0.8, 0.3};
    f.Paletten[0].Punkte[2] = {0.45, 0.9, 0.9, 0.0};
    f.Paletten[0].Punkte[3] = {0.7, 0.5, 0.25, 0.1};
    f.Paletten[0].Punkte[4] = {1.0, 1.0, 1.0, 1.0};
    f.Paletten[1] = f.Paletten[0];
    PaletteUmkehren(f.Paletten[1]);
    f.Render.Schnee = f.Render.Fels = true;
    for (int modus = 0; modus <= 3; ++modus) {
        f.Farbmodus = modus;
        for (double zoom : {1.0, 2.0, 0.5, 1.0 / 3.0, 3.0}) {
            setzeSeed(*dok, 11);
            PixelImage bild;
            ZeichneHauptbild(f, *dok, zoom, bild);
            const std::uint32_t nachher = dok->RandSeed;
            setzeSeed(*dok, 11);
            const PixelImage ref = referenzbild(f, *dok, zoom);
            ASSERT_EQ(bild.width, ref.width);
            ASSERT_EQ(bild.height, ref.height);
            ASSERT_TRUE(bild.pixels == ref.pixels) << "mode " << modus << " zoom " << zoom;
            EXPECT_EQ(nachher, dok->RandSeed);
        }
    }
}

// The pixels showing a box of cells, drawn alone, equal the whole drawing's
// pixels there, at every zoom, for boxes inside, at the edges, partly off the
// field and of one cell; they sit exactly where those cells show, and a cell
// no pixel shows gives none.
TEST(ZeichneHauptbild, ABoxDrawnAloneEqualsTheWholeDrawingThere) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = 36;
    dok->MaxY = 28;
    test::Folge folge{77};
    for (int x = 0; x <= dok->MaxX; ++x) {
        for (int y = 0; y <= dok->MaxY; ++y) {
            dok->Hoehenfeld(x, y) = folge.naechste();
            dok->Maske(x, y) = folge.naechste() < 0.3 ? 1 : 0;
        }
    }
    ColourState f;
    const Rechteck boxen[] = {{5, 7, 12, 9},  {0, 0, 3, 28},  {30, 20, 36, 28},
                              {17, 3, 17, 3}, {-4, -6, 2, 1}, {35, 0, 50, 40}};
    for (int modus : {0, 1, 2}) {
        f.Farbmodus = modus;
        for (double zoom : {0.25, 1.0 / 3.0, 0.5, 1.0, 2.0, 3.0, 4.0}) {
            PixelImage ganz;
            ZeichneHauptbild(f, *dok, zoom, ganz);
            for (const Rechteck& b : boxen) {
                PixelImage stueck;
                const auto wo = ZeichneHauptbildBereich(f, *dok, zoom, b, stueck);
                ASSERT_TRUE(wo.has_value());
                Rechteck erwartet{1 << 20, 1 << 20, -1, -1};
                for (int x = 0; x < ganz.width; ++x) {
                    for (int y = 0; y < ganz.height; ++y) {
                        const int px = HauptbildProbe(x, zoom, dok->MaxX);
                        const int py = HauptbildProbe(y, zoom, dok->MaxY);
                        if (px < b.x0 || px > b.x1 || py < b.y0 || py > b.y1) continue;
                        erwartet = {std::min(erwartet.x0, x), std::min(erwartet.y0, y),
                                    std::max(erwartet.x1, x), std::max(erwartet.y1, y)};
                    }
                }
                if (erwartet.leer()) {  // a cell between the samples of a small zoom
                    EXPECT_TRUE(wo->leer());
                    continue;
                }
                ASSERT_EQ(wo->x0, erwartet.x0) << "zoom " << zoom << " box " << b.x0;
                ASSERT_EQ(wo->y0, erwartet.y0) << "zoom " << zoom << " box " << b.x0;
                ASSERT_EQ(wo->x1, erwartet.x1) << "zoom " << zoom << " box " << b.x0;
                ASSERT_EQ(wo->y1, erwartet.y1) << "zoom " << zoom << " box " << b.x0;
                ASSERT_EQ(stueck.width, wo->x1 - wo->x0 + 1);
                ASSERT_EQ(stueck.height, wo->y1 - wo->y0 + 1);
                for (int x = 0; x < stueck.width; ++x)
                    for (int y = 0; y < stueck.height; ++y)
                        ASSERT_EQ(stueck.at(x, y), ganz.at(wo->x0 + x, wo->y0 + y))
                            << "mode " << modus << " zoom " << zoom << " box " << b.x0 << ","
                            << b.y0 << " pixel " << x << "," << y;
            }
        }
    }
    // An empty box or one wholly off the field shows nowhere; colours that
    // draw random numbers are not drawn in pieces.
    PixelImage stueck;
    EXPECT_TRUE(ZeichneHauptbildBereich(f, *dok, 1.0, {}, stueck)->leer());
    EXPECT_TRUE(ZeichneHauptbildBereich(f, *dok, 1.0, {40, 0, 45, 5}, stueck)->leer());
    f.Farbmodus = FarbmodusRender;
    EXPECT_FALSE(ZeichneHauptbildBereich(f, *dok, 1.0, {2, 2, 3, 3}, stueck).has_value());
}

TEST(ZeichneVorschau, ScalesInvertsAndClamps) {
    auto v = std::make_unique<Vorschaufeld>();
    v->werte[0][0] = 0.5;
    v->werte[1][0] = 0.75;
    v->werte[0][1] = 1.5;
    v->werte[255][255] = -1.0;
    ColourState f;
    f.Farbmodus = FarbmodusGrau;
    Dokument dok;
    PixelImage bild;
    ZeichneVorschau(f, dok, *v, false, 1.0, 0.0, bild);
    ASSERT_EQ(bild.width, 256);
    ASSERT_EQ(bild.height, 256);
    EXPECT_EQ(bild.at(0, 0), grau(128));  // first index is the column
    EXPECT_EQ(bild.at(1, 0), grau(191));  // 191.25
    EXPECT_EQ(bild.at(0, 1), grau(255));
    EXPECT_EQ(bild.at(255, 255), grau(0));
    // Range 0.5..1: 0.75 becomes 0.5; inverted.
    ZeichneVorschau(f, dok, *v, true, 1.0, 0.5, bild);
    EXPECT_EQ(bild.at(1, 0), grau(128));
    EXPECT_EQ(bild.at(0, 0), grau(255));  // 1 - 0
    EXPECT_EQ(bild.at(0, 1), grau(0));    // 1 - 2, clamped
    // Equal maximum and minimum: values taken as they are.
    ZeichneVorschau(f, dok, *v, false, 0.7, 0.7, bild);
    EXPECT_EQ(bild.at(1, 0), grau(191));
}

TEST(Zoom, StepsLimitsAndFitting) {
    EXPECT_EQ(ZoomGroesser(0.25), 1.0 / 3.0);
    EXPECT_EQ(ZoomGroesser(1.0 / 3.0), 0.5);
    EXPECT_EQ(ZoomGroesser(1.0), 2.0);
    EXPECT_EQ(ZoomGroesser(4.0), std::nullopt);
    EXPECT_EQ(ZoomKleiner(4.0), 3.0);
    EXPECT_EQ(ZoomKleiner(0.5), 1.0 / 3.0);
    EXPECT_EQ(ZoomKleiner(1.0 / 3.0), 0.25);
    EXPECT_EQ(ZoomKleiner(0.25), std::nullopt);
    // 2049 points: zoom 1 is not allowed (2048 is not below 1541), 1/2 is.
    EXPECT_FALSE(ZoomErlaubt(2048, 2048, 1.0));
    EXPECT_TRUE(ZoomErlaubt(2048, 2048, 0.5));
    EXPECT_TRUE(ZoomErlaubt(770, 100, 2.0));
    EXPECT_FALSE(ZoomErlaubt(100, 771, 2.0));
    EXPECT_EQ(ZoomEinpassen(2048, 2048, 1.0), 0.5);
    EXPECT_EQ(ZoomEinpassen(512, 512, 4.0), 2.0);  // 514 * 3 = 1542 is too large
    EXPECT_EQ(ZoomEinpassen(511, 100, 4.0), 3.0);  // 513 * 3 = 1539
    EXPECT_EQ(ZoomEinpassen(100, 100, 0.5), 0.5);  // never raised
}

}  // namespace
}  // namespace gm
