#include "display/profilansicht.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "display_hilfen.h"

namespace gm {
namespace {

using test::rgb;

constexpr std::uint32_t Weiss = rgb(255, 255, 255);
constexpr std::uint32_t Gitter = rgb(96, 112, 112);
constexpr std::uint32_t Rot = rgb(255, 0, 0);

std::unique_ptr<Dokument> zufallsfeld(int punkteX, int punkteY, std::uint32_t seed) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = punkteX - 1;
    dok->MaxY = punkteY - 1;
    test::Folge f{seed};
    for (int x = 0; x < punkteX; ++x)
        for (int y = 0; y < punkteY; ++y)
            dok->Hoehenfeld(x, y) = f.naechste();
    return dok;
}

PixelImage bild(int w, int h) {
    PixelImage b;
    b.resize(w, h);
    return b;
}

TEST(Profilansicht, ZeroFieldShowsOnlyBackgroundAndGridLines) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = dok->MaxY = 64;
    PixelImage p = bild(512, 200);
    ZeichneEinzelprofil(*dok, RichtungVorne, 10, p);
    for (int y = 0; y < 200; ++y) {
        const bool gitter = y % 20 == 0 && y > 0;  // rows 20, 40, ..., 180
        for (int x = 0; x < 512; ++x)
            ASSERT_EQ(p.at(x, y), gitter ? Gitter : 0u) << x << ", " << y;
    }
}

TEST(Profilansicht, SectionStepFollowsTheFieldSize) {
    EXPECT_EQ(ProfilSchnitte(512).size(), 129u);  // step log2(512) - 5 = 4
    EXPECT_EQ(ProfilSchnitte(512)[1], 4);
    EXPECT_EQ(ProfilSchnitte(512).back(), 512);
    EXPECT_EQ(ProfilSchnitte(128)[1], 2);
    EXPECT_EQ(ProfilSchnitte(32).size(), 33u);  // step 1
    EXPECT_EQ(ProfilSchnitte(4).size(), 5u);
    // 2048: step 6, 341 steps; 1024: step 5, 205 steps, the last held at 1024.
    EXPECT_EQ(ProfilSchnitte(2048).size(), 342u);
    EXPECT_EQ(ProfilSchnitte(1024).back(), 1024);
    EXPECT_EQ(ProfilSchnitte(1024)[204], 1020);
}

// One column's white run is round(H * v) high, and the back view is the front
// view mirrored, the left view the right one mirrored.
TEST(Profilansicht, ColumnsShowTheirSampleAndOppositeViewsMirror) {
    auto dok = zufallsfeld(65, 33, 5);
    const int w = 130, h = 90;
    PixelImage vorne = bild(w, h), hinten = bild(w, h), rechts = bild(w, h), links = bild(w, h);
    ZeichneEinzelprofil(*dok, RichtungVorne, 7, vorne);
    ZeichneEinzelprofil(*dok, RichtungHinten, 7, hinten);
    ZeichneEinzelprofil(*dok, RichtungRechts, 40, rechts);
    ZeichneEinzelprofil(*dok, RichtungLinks, 40, links);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            ASSERT_EQ(hinten.at(x, y), vorne.at(w - 1 - x, y));
            ASSERT_EQ(rechts.at(x, y), links.at(w - 1 - x, y));
        }
        // Front: column x shows sample round(64 * x / 129) of row 7.
        const double v = dok->Hoehenfeld(int(std::nearbyint(64.0 * x / (w - 1))), 7);
        const int lauf = int(std::nearbyint(h * v));
        for (int y = 0; y < h; ++y)
            ASSERT_EQ(vorne.at(x, y) == Weiss, y >= h - lauf) << x << ", " << y;
    }
    // Left: column x shows sample round(32 * x / 129) of column 40.
    const double v = dok->Hoehenfeld(40, 32);
    EXPECT_EQ(links.at(w - 1, h - int(std::nearbyint(h * v))), Weiss);
    EXPECT_NE(links.at(w - 1, h - int(std::nearbyint(h * v)) - 1), Weiss);

    // A section beyond the axis (left after front on a wide field) is held
    // at the last one instead of reading outside the field.
    PixelImage jenseits = bild(w, h), letzter = bild(w, h);
    ZeichneEinzelprofil(*dok, RichtungVorne, 64, jenseits);
    ZeichneEinzelprofil(*dok, RichtungVorne, 32, letzter);
    EXPECT_EQ(jenseits.pixels, letzter.pixels);
}

// The stack against painting every section far to near, as written out.
TEST(Profilansicht, StackEqualsPaintingFarToNear) {
    auto dok = zufallsfeld(40, 23, 9);
    const int w = 97, h = 60, boden = h - 10;
    for (int richtung = 1; richtung <= 4; ++richtung) {
        PixelImage ist = bild(w, h), soll = bild(w, h);
        ZeichneProfilStapel(*dok, richtung, ist);
        const bool quer = richtung >= 3, spiegel = richtung == 2 || richtung == 3;
        const int m = quer ? dok->MaxX : dok->MaxY, l = quer ? dok->MaxY : dok->MaxX;
        for (int y = 0; y < h; ++y) {
            const int blau = int(std::nearbyint(128.0 * y / boden + 63));
            for (int x = 0; x < w; ++x)
                soll.row(y)[x] = y <= boden ? rgb(63, 63, blau) : 0u;
        }
        std::vector<int> schnitte = ProfilSchnitte(m);
        ASSERT_EQ(schnitte.size(), std::size_t(m + 1));  // M below 64: every section
        if (richtung == 2 || richtung == 4) std::reverse(schnitte.begin(), schnitte.end());
        for (int s : schnitte) {
            const int d = richtung == 1 || richtung == 3 ? s : m - s;
            const std::uint32_t gruen = rgb(0, int(std::nearbyint(224.0 * d / m + 15)), 0);
            for (int x = 0; x < w; ++x) {
                const int i = int(std::nearbyint(double(l) * x / (w - 1)));
                const double v = quer ? dok->Hoehenfeld(s, i) : dok->Hoehenfeld(i, s);
                const int px = spiegel ? w - 1 - x : x;
                for (int y = boden - int(std::nearbyint(boden * v)); y < boden; ++y)
                    soll.row(y)[px] = gruen;
            }
        }
        EXPECT_EQ(ist.pixels, soll.pixels) << "direction " << richtung;
    }
}

// The marker divides by the size across the sections: rows for front and
// back by the y size, columns for right and left by the x size.
TEST(Profilansicht, MarkerLiesOnItsSectionOfARectangularField) {
    auto dok = zufallsfeld(65, 33, 3);
    ColourState farben;
    PixelImage draufsicht = bild(256, 256), mitMarke;
    ZeichneDraufsicht(farben, *dok, draufsicht);
    auto roteZeilen = [&](const PixelImage& b) {
        std::vector<int> z;
        for (int y = 0; y < 256; ++y)
            if (std::all_of(b.row(y), b.row(y) + 256, [](auto p) { return p == Rot; }))
                z.push_back(y);
        return z;
    };
    ZeichneSchnittMarke(draufsicht, *dok, RichtungVorne, 16, mitMarke);
    EXPECT_EQ(roteZeilen(mitMarke), std::vector<int>{128});
    ZeichneSchnittMarke(draufsicht, *dok, RichtungHinten, 0, mitMarke);
    EXPECT_EQ(roteZeilen(mitMarke), std::vector<int>{0});
    ZeichneSchnittMarke(draufsicht, *dok, RichtungVorne, 32, mitMarke);
    EXPECT_EQ(roteZeilen(mitMarke), std::vector<int>{255});  // the last section stays inside
    ZeichneSchnittMarke(draufsicht, *dok, RichtungRechts, 16, mitMarke);
    EXPECT_TRUE(roteZeilen(mitMarke).empty());
    for (int y = 0; y < 256; ++y)
        ASSERT_EQ(mitMarke.at(64, y), Rot);
    // Only the marker differs from the top view.
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            if (x == 64) continue;
            ASSERT_EQ(mitMarke.at(x, y), draufsicht.at(x, y));
        }
}

}  // namespace
}  // namespace gm
