#include "display/ansicht3d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <string>

#include "display_hilfen.h"

namespace gm {
namespace {

using test::grau;
using test::rgb;

std::unique_ptr<Dokument> feld(int punkteX, int punkteY, double (*h)(int x, int y)) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = punkteX - 1;
    dok->MaxY = punkteY - 1;
    for (int x = 0; x < punkteX; ++x)
        for (int y = 0; y < punkteY; ++y)
            dok->Hoehenfeld(x, y) = h(x, y);
    return dok;
}

ColourState grauStufen() {
    ColourState f;
    f.Farbmodus = FarbmodusGrau;
    return f;
}

// The grey of a height as the colour function gives it: times 255, halves to even.
std::uint32_t grauVon(double v) {
    return grau(int(std::nearbyint(std::clamp(v, 0.0, 1.0) * 255.0)));
}

TEST(Ansicht3D, BackgroundRowsFadeFromGreyToBlue) {
    for (int hoehe : {480, 37}) {
        PixelImage bild;
        bild.resize(5, hoehe);
        Hintergrund3D(bild);
        for (int y = 0; y < hoehe; ++y) {
            const int blau = int(std::floor(128.0 * y / hoehe + 63.0 + 0.5));
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(bild.at(x, y), rgb(63, 63, blau)) << "row " << y << " of " << hoehe;
        }
    }
}

// Seen from straight above at zoom 1, vertex (i, j) sits on pixel
// (40 + 4i, 40 + 4j) and each cell shows its two triangles in their colours.
TEST(Ansicht3D, TopViewPutsEveryVertexOnItsPixelAndEveryTriangleInItsColour) {
    auto dok = feld(101, 101, [](int x, int y) { return ((x * 37 + y * 11) % 101) / 100.0; });
    const ColourState farben = grauStufen();
    Landschaft3D l;
    Landschaft3DAufbauen(farben, *dok, 101, l);
    const AnsichtRec a;
    const Projektion p = ProjektionFuer(a, 480, 480);
    for (int i = 0; i <= 100; ++i) {
        for (int j = 0; j <= 100; ++j) {
            const Projiziert q = Projizieren(p, l.lage[i], l.lage[j], l.z[i * 101 + j]);
            ASSERT_EQ(q.punkt.x, 40 + 4 * i);
            ASSERT_EQ(q.punkt.y, 40 + 4 * j);
            ASSERT_EQ(q.tiefe, (dok->Hoehenfeld(i, j) - 0.5) * 80);
        }
    }
    PixelImage hintergrund, bild;
    hintergrund.resize(480, 480);
    Hintergrund3D(hintergrund);
    Ansicht3DPuffer puffer;
    OberflaecheZeichnen(l, a, hintergrund, puffer, bild);
    auto h = [&](int x, int y) { return dok->Hoehenfeld(x, y); };
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j < 100; ++j) {
            const int x = 40 + 4 * i, y = 40 + 4 * j;
            const double erstes = (h(i, j) + h(i, j + 1) + h(i + 1, j + 1)) / 3;
            const double zweites = (h(i, j) + h(i + 1, j + 1) + h(i + 1, j)) / 3;
            ASSERT_EQ(bild.at(x + 1, y + 3), grauVon(erstes)) << "cell " << i << ", " << j;
            ASSERT_EQ(bild.at(x + 3, y + 1), grauVon(zweites)) << "cell " << i << ", " << j;
        }
    }
    // The mesh covers pixels 40..440 and nothing beyond.
    EXPECT_EQ(bild.at(39, 240), hintergrund.at(39, 240));
    EXPECT_EQ(bild.at(441, 240), hintergrund.at(441, 240));
    EXPECT_EQ(bild.at(240, 39), hintergrund.at(240, 39));
    EXPECT_EQ(bild.at(240, 441), hintergrund.at(240, 441));
    EXPECT_NE(bild.at(440, 440), hintergrund.at(440, 440));

    // The colours were fixed at opening: another colour mode changes nothing.
    ColourState andere = farben;
    andere.Farbmodus = FarbmodusPalette1;
    andere.Paletten[0].Punkte[1] = {1.0, 1.0, 0.0, 0.0};
    PixelImage nochmal;
    OberflaecheZeichnen(l, a, hintergrund, puffer, nochmal);
    EXPECT_EQ(nochmal.pixels, bild.pixels);
    Landschaft3DAufbauen(andere, *dok, 101, l);
    OberflaecheZeichnen(l, a, hintergrund, puffer, nochmal);
    EXPECT_EQ(nochmal.at(41, 43),
              rgb(int(std::nearbyint((h(0, 0) + h(0, 1) + h(1, 1)) / 3 * 255)), 0, 0));
}

TEST(Ansicht3D, FlatFieldLiesAtDepthZeroAndWinkelXTurnsHeightSideways) {
    auto dok = feld(33, 17, [](int, int) { return 0.5; });
    Landschaft3D l;
    Landschaft3DAufbauen(grauStufen(), *dok, 101, l);
    for (double winkel : {0.0, 35.0, -120.0, 180.0}) {
        AnsichtRec a;
        a.WinkelY = winkel;  // the turn about the height axis
        a.HoehenFaktor = 200;
        const Projektion p = ProjektionFuer(a, 480, 480);
        for (int i = 0; i < 101; ++i)
            for (int j = 0; j < 101; ++j)
                ASSERT_EQ(Projizieren(p, l.lage[i], l.lage[j], l.z[i * 101 + j]).tiefe, 0.0);
    }
    // WinkelX 90: the height runs along the screen's x, x2 = -z'.
    AnsichtRec a;
    a.WinkelX = 90;
    const Projektion p = ProjektionFuer(a, 480, 480);
    EXPECT_EQ(Projizieren(p, 0, 0, 1.0).punkt.x, 200);  // z' = 40
    EXPECT_EQ(Projizieren(p, 0, 0, 0.0).punkt.x, 280);
    EXPECT_EQ(Projizieren(p, 0, 0, 1.0).punkt.y, 240);
    // Cut towards zero, not down: -0.5 lands on 0 in a picture centred at 0.
    EXPECT_EQ(Projizieren(ProjektionFuer(AnsichtRec{}, 0, 0), -0.5, 0, 0.5).punkt.x, 0);
}

// Vertex i samples grid position i * MaxX / (kante - 1): the first and last
// vertex on the first and last sample, blended like Umrechnen in between.
TEST(Ansicht3D, MeshSamplesTheWholeFieldEndToEnd) {
    auto dok = feld(9, 5, [](int x, int y) { return x * 0.1 + y * 0.01 + (x == 8 ? 0.05 : 0); });
    Landschaft3D l;
    Landschaft3DAufbauen(grauStufen(), *dok, 101, l);
    auto z = [&](int i, int j) { return l.z[std::size_t(i) * 101 + j]; };
    EXPECT_EQ(z(0, 0), dok->Hoehenfeld(0, 0));
    EXPECT_EQ(z(100, 100), dok->Hoehenfeld(8, 4));
    EXPECT_EQ(z(100, 0), dok->Hoehenfeld(8, 0));
    EXPECT_EQ(z(50, 25), dok->Hoehenfeld(4, 1));
    // Position (0.4, 0.6): bilinear between the four neighbours.
    const double erwartet = (0.0 * 0.6 + 0.1 * 0.4) * 0.4 + (0.01 * 0.6 + 0.11 * 0.4) * 0.6;
    EXPECT_NEAR(z(5, 15), erwartet, 1e-15);
    EXPECT_NEAR(z(99, 0), 0.7 + 0.92 * 0.15, 1e-15);  // position 7.92: toward the raised edge
    // A small mesh over the largest field still ends on its last sample.
    auto gross = feld(2049, 2049, [](int x, int y) { return (x + 2 * y) / 6144.0; });
    Landschaft3DAufbauen(grauStufen(), *gross, 257, l);
    EXPECT_EQ(l.z.back(), gross->Hoehenfeld(2048, 2048));
    EXPECT_EQ(l.lage.front(), -200.0);
    EXPECT_EQ(l.lage.back(), 200.0);
    EXPECT_EQ(l.farben.size(), 2u * 256 * 256);
}

TEST(Ansicht3D, TrianglesSortByDepthThenIndex) {
    // Depths with many ties, both zeros and negatives, against a stable sort.
    const int kante = 23;
    std::vector<double> tiefe(kante * kante);
    for (std::size_t v = 0; v < tiefe.size(); ++v) {
        const double werte[] = {-0.0, 0.0, 1.5, -1.5, -1e300, 7.25, 1e-300, -3.0};
        tiefe[v] = werte[(v * 7 + v / 5) % 8];
    }
    Ansicht3DPuffer puffer;
    DreieckeSortieren(tiefe, kante, puffer);
    std::vector<std::uint32_t> erwartet(2 * 22 * 22);
    std::iota(erwartet.begin(), erwartet.end(), 0u);
    std::stable_sort(erwartet.begin(), erwartet.end(), [&](std::uint32_t a, std::uint32_t b) {
        return tiefe[Ecken(kante, int(a)).a] < tiefe[Ecken(kante, int(b)).a];
    });
    EXPECT_EQ(puffer.ordnung, erwartet);
}

TEST(Ansicht3D, BoxOutlineFromAboveIsOneRectangle) {
    PixelImage hintergrund, bild;
    hintergrund.resize(480, 480);
    Hintergrund3D(hintergrund);
    KastenZeichnen(AnsichtRec{}, hintergrund, bild);
    const std::uint32_t schwarz = 0;
    for (int k = 40; k <= 440; ++k) {
        ASSERT_EQ(bild.at(k, 40), schwarz);
        ASSERT_EQ(bild.at(k, 440), schwarz);
        ASSERT_EQ(bild.at(40, k), schwarz);
        ASSERT_EQ(bild.at(440, k), schwarz);
    }
    int schwarze = 0;
    for (auto p : bild.pixels)
        schwarze += p == schwarz;
    EXPECT_EQ(schwarze, 4 * 400);
    // A box larger than the picture is clipped, not drawn out of bounds.
    AnsichtRec nah;
    nah.Zoom = 10;
    nah.WinkelZ = 30;
    KastenZeichnen(nah, hintergrund, bild);
    EXPECT_EQ(bild.width, 480);
}

TEST(Ansicht3D, ShadingDarkensSlopesTurnedFromTheLight) {
    // A roof: rising towards x = 8 and falling after; the light comes from the
    // upper left, so the falling side is darker than the rising one.
    auto dok =
        feld(17, 17, [](int x, int) { return x <= 8 ? 0.5 + x / 40.0 : 0.7 - (x - 8) / 40.0; });
    Landschaft3D l;
    Landschaft3DAufbauen(grauStufen(), *dok, 17, l);
    PixelImage hintergrund, flach, hell;
    hintergrund.resize(480, 480);
    Hintergrund3D(hintergrund);
    AnsichtRec a;
    Ansicht3DPuffer puffer;
    OberflaecheZeichnen(l, a, hintergrund, puffer, flach);
    a.Schattierung = true;
    OberflaecheZeichnen(l, a, hintergrund, puffer, hell);
    auto grauwert = [](std::uint32_t p) { return int(p & 0xFF); };
    const int steigend = grauwert(hell.at(140, 240)), fallend = grauwert(hell.at(340, 240));
    EXPECT_LT(fallend, steigend);
    EXPECT_LT(steigend, grauwert(flach.at(140, 240)));

    // A flat field: the whole colour times (64 + 192 * cos) / 256, cos = 2 / sqrt(6).
    auto eben = feld(9, 9, [](int, int) { return 0.5; });
    Landschaft3DAufbauen(grauStufen(), *eben, 9, l);
    OberflaecheZeichnen(l, a, hintergrund, puffer, hell);
    const int f = int(64 + 192 * (2 / std::sqrt(6.0)));
    EXPECT_EQ(hell.at(240, 240), grau((128 * f + 128) >> 8));
}

// Characters of a small picture: '.' background, '#' black, a digit per
// tenth of grey.
std::string alsText(const PixelImage& bild, const PixelImage& hintergrund) {
    std::string s;
    for (int y = 0; y < bild.height; ++y) {
        for (int x = 0; x < bild.width; ++x) {
            const std::uint32_t p = bild.at(x, y);
            s += p == hintergrund.at(x, y) ? '.' : p == 0 ? '#' : char('0' + (p & 0xFF) * 10 / 256);
        }
        s += '\n';
    }
    return s;
}

// A pyramid turned and tilted, at a small picture size: guards the whole
// road of mesh, projection, order and fill against unnoticed changes.
TEST(Ansicht3D, PyramidPictureStaysTheSame) {
    auto dok = feld(21, 21, [](int x, int y) {
        return 1.0 - std::max(std::abs(x - 10), std::abs(y - 10)) / 10.0;
    });
    Landschaft3D l;
    Landschaft3DAufbauen(grauStufen(), *dok, 11, l);
    AnsichtRec a;
    a.WinkelY = 30;
    a.WinkelZ = -55;
    a.HoehenFaktor = 150;
    PixelImage hintergrund, bild;
    hintergrund.resize(44, 36);
    Hintergrund3D(hintergrund);
    Ansicht3DPuffer puffer;
    OberflaecheZeichnen(l, a, hintergrund, puffer, bild);
    const std::string erwartet = R"(
............................................
............................................
............................................
............................................
............................................
............................................
............................................
............................................
............................................
............................................
..........................##................
........................331##...............
.....................27753320...............
..................2888877642200.............
...............66888888886644200............
............26667788888887764420............
........00245566777888777776642200..........
......02244455577777777777776644200.........
...00222334555557776677777776554420.........
.000112333334555566666677765555442200.......
..011111233355455566655555555555433200......
....0111333334555555555555555453333220......
....111112333335554455555554333333332200....
.....011111233334444455543333333333321100...
.......0111332333444444333333333332111100...
.......111112333333333333333231111111111000.
........011111233223333332211111111110110...
..........01113322223332111111111110110.....
..........11111222222211111111111010........
...........01111112111111111110010..........
.............011111111110110010.............
.............1110011110110..................
..............000000110.....................
................#0000.......................
................##..........................
............................................
)";
    EXPECT_EQ("\n" + alsText(bild, hintergrund), erwartet) << alsText(bild, hintergrund);
}

}  // namespace
}  // namespace gm
