#include "display/farbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/zufall.h"
#include "display/farbtabelle.h"
#include "display_hilfen.h"

namespace gm {
namespace {

using test::Folge;
using test::rgb;

Palette einfarbig(double r, double g, double b) {
    Palette p;
    p.Punkte[0] = {0.0, r, g, b};
    p.Punkte[1] = {1.0, r, g, b};
    return p;
}

// Rock and snow in pure colours, so any mix stays recognisable.
ColourState renderZustand() {
    ColourState f;
    f.Farbmodus = FarbmodusRender;
    f.Render.FelsFarbe1 = {0, 1, 0, 0};
    f.Render.FelsFarbe2 = {1, 1, 0, 0};
    f.Render.SchneeFarbe1 = {0, 0, 0, 1};
    f.Render.SchneeFarbe2 = {1, 0, 0, 1};
    return f;
}

TEST(HoeheZuFarbe, GreyModeClampsAndPacks) {
    ColourState f;
    f.Farbmodus = FarbmodusGrau;
    Dokument dok;
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, -0.2), rgb(0, 0, 0));
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 1.7), rgb(255, 255, 255));
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.2), rgb(51, 51, 51));
    // 1.5 / 255 * 255 lies on a half: 1.5 goes to 2, 2.5 to 2.
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 1.5 / 255.0), rgb(2, 2, 2));
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 2.5 / 255.0), rgb(2, 2, 2));
}

TEST(HoeheZuFarbe, PaletteModesAndTheDialogPacking) {
    ColourState f;
    f.Paletten[0] = einfarbig(1.0, 0.2, 0.0);
    f.Paletten[1] = einfarbig(0.0, 0.6, 1.0);
    Dokument dok;
    f.Farbmodus = FarbmodusPalette1;
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.3), rgb(255, 51, 0));
    f.Farbmodus = FarbmodusPalette2;
    EXPECT_EQ(HoeheZuFarbe(f, dok, 0.5, 0.3), rgb(0, 153, 255));
    // The dialog packing has red in the low byte.
    EXPECT_EQ(PaletteFarbeTColor(f, 1, 0.3), 0x0033FFu);
    EXPECT_EQ(PaletteFarbeTColor(f, 2, 0.3), 0xFF9900u);
}

TEST(RenderFarbe, TerrainMixFollowsTheRandomSequence) {
    ColourState f;
    f.Paletten[1] = einfarbig(1.0, 0.0, 0.0);
    Dokument dok;
    setzeSeed(dok, 12345);
    Folge folge{12345};
    for (int n = 0; n < 20; ++n) {
        const double m = n / 19.0;
        const Farbe3 c = RenderFarbe(f, dok, m, 0.5);
        const double r = folge.naechste();
        ASSERT_GT(r, 0.0);  // threshold 0: r > q, so t is drawn
        const double t = folge.naechste();
        const double w = 0.5 * (m - 0.0) / (1.0 - 0.0) + (1.0 - 0.5) * t;
        EXPECT_EQ(c.rot, (1.0 - w) * 0.5 + w * 1.0) << n;
        EXPECT_EQ(c.gruen, (1.0 - w) * 0.5 + w * 0.0) << n;
        EXPECT_EQ(dok.RandSeed, folge.seed) << "exactly two draws";
    }
}

TEST(RenderFarbe, HeightJitterDrawsOnlyWhenSet) {
    ColourState f;
    Dokument dok;
    setzeSeed(dok, 7);
    Folge folge{7};
    (void)RenderFarbe(f, dok, 0.5, 0.4);
    folge.naechste();
    folge.naechste();
    EXPECT_EQ(dok.RandSeed, folge.seed);

    // With jitter the first draw moves the height: palette 1 is the grey ramp,
    // palette 2 the same, so the colour is the jittered height itself.
    f.Render.HoehenZufall = 0.1;
    setzeSeed(dok, 7);
    folge = Folge{7};
    const Farbe3 c = RenderFarbe(f, dok, 0.5, 0.4);
    const double h = 0.4 + (folge.naechste() - 0.5) * 2.0 * 0.1;
    folge.naechste();
    folge.naechste();
    EXPECT_EQ(dok.RandSeed, folge.seed) << "three draws";
    EXPECT_NEAR(c.rot, h, 1e-15);

    // Reset palettes without overlays: every colour is grey equal to h.
    f.Render.HoehenZufall = 0.0;
    for (double v : {0.0, 0.13, 0.5, 0.77, 1.0}) {
        const Farbe3 g = RenderFarbe(f, dok, 0.5, v);
        EXPECT_NEAR(g.rot, v, 1e-15);
        EXPECT_NEAR(g.blau, v, 1e-15);
    }
}

TEST(RenderFarbe, RockBandEdges) {
    ColourState f = renderZustand();
    f.Render.Fels = true;
    const RenderRec& r = f.Render;
    Dokument dok;
    setzeSeed(dok, 99);
    for (int n = 0; n < 200; ++n) {
        // The upper edge of the height band with Mischwert 1 is always rock.
        const Farbe3 oben = RenderFarbe(f, dok, 1.0, r.FelsHoehe + r.FelsHoeheBreite);
        ASSERT_EQ(FarbePacken(oben), rgb(255, 0, 0)) << n;
        // The lower edge is never rock.
        const Farbe3 unten = RenderFarbe(f, dok, 1.0, r.FelsHoehe - r.FelsHoeheBreite);
        ASSERT_NE(FarbePacken(unten), rgb(255, 0, 0)) << n;
    }
    // Inside the zone the share of rock follows the position in it: at a
    // quarter of the zone roughly a quarter of the pixels.
    int fels = 0;
    for (int n = 0; n < 4000; ++n) {
        if (FarbePacken(RenderFarbe(f, dok, 1.0, 0.25)) == rgb(255, 0, 0)) ++fels;
    }
    EXPECT_GT(fels, 800);
    EXPECT_LT(fels, 1200);
}

TEST(RenderFarbe, RockWinsOverSnowAndFixedRockColour) {
    ColourState f = renderZustand();
    f.Render.Fels = true;
    f.Render.Schnee = true;
    f.Render.FelsMisch = 0.1;
    f.Render.FelsMischBreite = 0.0;
    f.Render.SchneeMisch = 0.9;
    f.Render.SchneeMischBreite = 0.0;
    Dokument dok;
    // Height 0.95 and Mischwert 0.5 lie in both bands.
    EXPECT_EQ(FarbePacken(RenderFarbe(f, dok, 0.5, 0.95)), rgb(255, 0, 0));
    f.Render.Fels = false;
    EXPECT_EQ(FarbePacken(RenderFarbe(f, dok, 0.5, 0.95)), rgb(0, 0, 255));

    // Weight 0 and threshold 1: every rock pixel is exactly FelsFarbe1, with one draw.
    ColourState g;
    g.Render.Fels = true;
    g.Render.FelsGewicht = 0.0;
    g.Render.FelsSchwelle = 1.0;
    g.Render.FelsFarbe1 = {0, 0.3, 0.6, 0.9};
    setzeSeed(dok, 5);
    for (int n = 0; n < 50; ++n) {
        const std::uint32_t vorher = dok.RandSeed;
        const Farbe3 c = RenderFarbe(g, dok, 1.0, 0.5);
        EXPECT_EQ(c.rot, 0.3);
        EXPECT_EQ(c.gruen, 0.6);
        EXPECT_EQ(c.blau, 0.9);
        Folge folge{vorher};
        folge.naechste();
        EXPECT_EQ(dok.RandSeed, folge.seed);
    }
}

TEST(RenderFarbe, SnowMixAndDegenerateLimits) {
    ColourState f;
    f.Render.Schnee = true;
    f.Render.SchneeGewicht = 1.0;
    f.Render.SchneeFarbe1 = {0, 1, 1, 1};
    f.Render.SchneeFarbe2 = {1, 0, 0, 0};
    Dokument dok;
    setzeSeed(dok, 3);
    // Mischwert 0.2 below 0.8 - 0.1 passes; w = 1 * 0.2 / 0.9.
    const Farbe3 c = RenderFarbe(f, dok, 0.2, 0.95);
    const double w = 1.0 * (0.2 - 0.0) / ((0.8 + 0.1) - 0.0);
    EXPECT_EQ(c.rot, (1.0 - w) * 1.0 + w * 0.0);
    // Above the snow limit there is no snow: terrain grey.
    const Farbe3 g = RenderFarbe(f, dok, 0.95, 0.95);
    EXPECT_NEAR(g.gruen, 0.95, 1e-15);

    // A rock limit of width 0 at 1 leaves X1 = X2 = 1 for a Mischwert past 1; the mix must
    // not divide zero by zero. With weight 1 the colour is FelsFarbe1.
    ColourState r;
    r.Render.Fels = true;
    r.Render.FelsMisch = 1.0;
    r.Render.FelsMischBreite = 0.0;
    r.Render.FelsGewicht = 1.0;
    const Farbe3 n = RenderFarbe(r, dok, 1.5, 0.95);
    EXPECT_EQ(n.rot, 0.7);
    EXPECT_EQ(n.blau, 0.7);
    EXPECT_EQ(FarbePacken({std::nan(""), 2.0, -1.0}), rgb(0, 255, 0));
}

TEST(Farbtabelle, FastPathEqualsHoeheZuFarbe) {
    ColourState f;
    Palette& p = f.Paletten[0];
    p.MaxIndex = 6;
    const double pos[] = {0.0, 0.05, 0.3, 0.31, 0.6, 0.95, 1.0};
    for (int i = 0; i <= 6; ++i) {
        p.Punkte[i] = {pos[i], (i * 37 % 11) / 10.0, (i * 53 % 7) / 6.0, (i * 13 % 5) / 4.0};
    }
    f.Paletten[1] = p;
    f.Paletten[1].Punkte[3].Position = 0.2;  // unsorted: the slow search must be used
    Dokument dok;
    Folge werte{42};
    for (int modus = 0; modus <= 3; ++modus) {
        f.Farbmodus = modus;
        const Farbtabelle tabelle(f);
        Dokument a, b;
        setzeSeed(a, 9);
        setzeSeed(b, 9);
        for (int n = 0; n < 20000; ++n) {
            double v = werte.naechste() * 1.4 - 0.2;
            if (n < 7) v = pos[n];
            ASSERT_EQ(tabelle.farbe(a, 0.5, v), HoeheZuFarbe(f, b, 0.5, v)) << modus << ' ' << v;
        }
        EXPECT_EQ(a.RandSeed, b.RandSeed);
    }
}

TEST(Farbtabelle, RoundingHalvesBucketEdgesAndUnusualPalettes) {
    std::vector<double> werte;
    for (int k = 0; k <= 255; ++k) {
        const double v = (k + 0.5) / 255.0;
        werte.insert(werte.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1.0), k / 255.0});
    }
    for (int e = 0; e <= 1024; ++e) {
        const double v = e / 1024.0;
        werte.insert(werte.end(), {v, std::nextafter(v, -1.0), std::nextafter(v, 2.0)});
    }
    werte.insert(werte.end(), {-0.0, -1e-300, 1.0 + 1e-16, std::nan(""), 1e300, -1e300});

    std::vector<Palette> paletten(4);
    // A point exactly on a bucket edge and one just above it.
    PunktEinfuegen(paletten[1], 1, {0.5, 0.3, 0.9, 0.1});
    PunktEinfuegen(paletten[1], 2, {std::nextafter(0.5, 1.0), 0.7, 0.2, 0.6});
    // Colours outside 0..1, as a file may hold them.
    paletten[2].Punkte[1] = {1.0, 2.0, -1.0, 0.5};
    // A segment narrower than the slope form trusts.
    PunktEinfuegen(paletten[3], 1, {0.3, 1.0, 0.0, 0.0});
    PunktEinfuegen(paletten[3], 2, {0.300001, 0.0, 1.0, 0.0});
    for (const Palette& p : paletten) {
        ColourState f;
        f.Paletten[1] = p;
        f.Farbmodus = FarbmodusPalette2;
        const Farbtabelle tabelle(f);
        Dokument dok;
        for (double v : werte) {
            ASSERT_EQ(tabelle.farbe(dok, 0.5, v), HoeheZuFarbe(f, dok, 0.5, v)) << v;
        }
        for (int n = 0; n < 20000; ++n) {
            const double v = 0.2999 + n * 1e-8;
            ASSERT_EQ(tabelle.farbe(dok, 0.5, v), HoeheZuFarbe(f, dok, 0.5, v)) << v;
        }
    }
}

}  // namespace
}  // namespace gm
