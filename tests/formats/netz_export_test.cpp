// Sample grid, selection, regular mesh and the export's edge cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

#include "core/puffer.h"
#include "core/zufall.h"
#include "formats/netz_auswahl.h"
#include "formats/netz_export.h"
#include "formats/netz_stichproben.h"
#include "support/test_ordner.h"

namespace gm {
namespace {

std::unique_ptr<Dokument> dokument(int punkteX, int punkteY, double (*h)(int, int)) {
    auto dok = std::make_unique<Dokument>();
    NeueGroesse(*dok, punkteX - 1, punkteY - 1, false);
    for (int x = 0; x < punkteX; ++x)
        for (int y = 0; y < punkteY; ++y)
            dok->Hoehenfeld(x, y) = h(x, y);
    return dok;
}

double rauh(int x, int y) {
    return ((x * 7919 + y * 104729 + x * y * 31) % 1000) / 1000.0;
}

NetzRec einstellungen(int nx, int ny) {
    NetzRec r;
    r.NetzPunkteX = nx;
    r.NetzPunkteY = ny;
    return r;
}

TEST(NetzExport, SampleGridCopiesOrResamplesAndMirrorsTheBorder) {
    auto dok = dokument(11, 11, [](int x, int y) { return x * 0.1 + y * 0.01; });
    const Stichproben gleich = StichprobenBilden(*dok, einstellungen(11, 11));
    EXPECT_EQ(gleich(3, 4), 0.34);
    EXPECT_EQ(gleich(-1, 4), gleich(0, 4));
    EXPECT_EQ(gleich(11, 4), gleich(10, 4));
    EXPECT_EQ(gleich(5, -1), gleich(5, 0));
    EXPECT_EQ(gleich(11, 11), gleich(10, 10));
    // 11 samples onto 10: position i * 10 / 9, first and last on the field's
    // first and last sample; the plane is reproduced exactly enough.
    const Stichproben klein = StichprobenBilden(*dok, einstellungen(10, 10));
    EXPECT_NEAR(klein(1, 2), (0.1 + 0.02) * 10 / 9, 1e-12);
    EXPECT_EQ(klein(9, 9), 1.1);
}

// A 300 x 200 field at 513 x 513 mesh points reached 151.58 with Hoehe 150: the
// last mesh samples extrapolated past the field's edge.
TEST(NetzExport, FinerMeshSamplesStayWithinTheField) {
    auto dok = dokument(300, 200, [](int x, int y) { return x / 299.0 * (0.5 + y / 398.0); });
    const Stichproben s = StichprobenBilden(*dok, einstellungen(513, 513));
    double groesste = 0.0;
    for (int i = 0; i < 513; ++i)
        for (int j = 0; j < 513; ++j)
            groesste = std::max(groesste, s(i, j));
    EXPECT_EQ(groesste, 1.0);
    EXPECT_EQ(s(512, 512), 1.0);
    EXPECT_EQ(s(0, 0), 0.0);
}

// The regular mesh wrote (-h, -h, -1) per corner, shading by height and
// facing down; the network scaled its points by 0.1. Both now carry the
// surface normal, wind their faces up (counter-clockwise seen from above in
// the right-handed OBJ frame <x, z, y>) and span Laenge x Breite.
TEST(NetzExport, BothMeshesCarryTheSurfaceNormalFaceUpAndSpanTheirSize) {
    // A tilted plane: dz/dx = 0.02 * 1500 / 100 = 0.3, dz/dy = -0.01 * 1500 / 50 = -0.3.
    auto dok = dokument(12, 9, [](int x, int y) { return 0.3 + 0.02 * x - 0.01 * y; });
    const double laenge = std::sqrt(0.3 * 0.3 + 0.3 * 0.3 + 1.0);
    const Netzpunkt erwartet{0, 0, 0, -0.3 / laenge, 0.3 / laenge, 1.0 / laenge};
    for (bool optimiert : {false, true}) {
        SCOPED_TRACE(optimiert);
        NetzRec r = einstellungen(12, 9);
        r.Optimierung = optimiert;
        r.NetzZufall = 0.7;
        r.Laenge = 1100;
        r.Breite = 400;
        r.Hoehe = 1500;
        Netz n;
        ASSERT_TRUE(NetzBilden(*dok, r, NetzOptionenMitSeed(5), n).ok());
        ASSERT_GT(n.dreiecke.size(), 4u);
        double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
        for (const Netzpunkt& p : n.punkte) {
            EXPECT_NEAR(p.nx, erwartet.nx, 1e-12);
            EXPECT_NEAR(p.ny, erwartet.ny, 1e-12);
            EXPECT_NEAR(p.nz, erwartet.nz, 1e-12);
            xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
        }
        EXPECT_EQ(xMin, -550.0);
        EXPECT_EQ(xMax, 550.0);
        EXPECT_EQ(yMin, -200.0);
        EXPECT_EQ(yMax, 200.0);
        for (const Dreieck& t : n.dreiecke) {
            // Corners in the OBJ frame: x, height, y.
            auto obj = [&](int k) {
                const Netzpunkt& p = n.punkte[std::size_t(k - 1)];
                return std::array<double, 3>{p.x, p.z, p.y};
            };
            const auto a = obj(t.p1), b = obj(t.p2), c = obj(t.p3);
            const std::array<double, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const std::array<double, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            const std::array<double, 3> f{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                          u[0] * v[1] - u[1] * v[0]};
            const double betrag = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
            // The face normal is the written normal (x, z, y) of the plane.
            EXPECT_NEAR(f[0] / betrag, erwartet.nx, 1e-9);
            EXPECT_NEAR(f[1] / betrag, erwartet.nz, 1e-9);
            EXPECT_NEAR(f[2] / betrag, erwartet.ny, 1e-9);
        }
    }
}

TEST(NetzExport, DifferenceStatistics) {
    Stichproben s(3, 3);
    // Rows of the picture are j; values differ by 0.5 at most, 0.25 at least.
    const double w[3][3] = {{0.0, 0.25, 0.5}, {0.0, 0.25, 0.5}, {0.5, 0.5, 0.5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            s(i, j) = w[i][j];
    const Abweichung a = AbweichungBerechnen(s);
    EXPECT_EQ(a.Dmax, 0.5);
    EXPECT_EQ(a.Dmin, 0.25);
    EXPECT_TRUE(a.nutzbar());
    Stichproben flach(4, 4);
    EXPECT_FALSE(AbweichungBerechnen(flach).nutzbar());
}

TEST(NetzExport, FlatGridKeepsOnlyTheCornersAndGivesTwoTriangles) {
    auto dok = dokument(20, 30, [](int, int) { return 0.4; });
    NetzRec r = einstellungen(20, 30);
    r.NetzZufall = 0.0;
    std::vector<std::pair<int, int>> markiert;
    NetzOptionen o;
    o.seed = 7;
    o.markierung = [&](int i, int j) { markiert.push_back({i, j}); };
    Netz n;
    ASSERT_TRUE(NetzBilden(*dok, r, o, n).ok());
    ASSERT_EQ(n.punkte.size(), 4u);
    ASSERT_EQ(n.dreiecke.size(), 2u);
    EXPECT_EQ(markiert, (std::vector<std::pair<int, int>>{{0, 0}, {0, 29}, {19, 0}, {19, 29}}));
    // x and y centred in Laenge x Breite, z = h * Hoehe, the flat surface's
    // normal straight up.
    EXPECT_EQ(n.punkte[0].x, -5000.0);
    EXPECT_EQ(n.punkte[3].y, 5000.0);
    EXPECT_DOUBLE_EQ(n.punkte[3].z, 0.4 * 1500);
    EXPECT_EQ(n.punkte[3].nx, 0.0);
    EXPECT_EQ(n.punkte[3].nz, 1.0);
    // Zufall 1 keeps every sample.
    r.NetzZufall = 1.0;
    ASSERT_TRUE(NetzBilden(*dok, r, o, n).ok());
    EXPECT_EQ(n.punkte.size(), 600u);
    EXPECT_EQ(n.dreiecke.size(), 2u * 19 * 29);
}

TEST(NetzExport, ToleranceExponentSpansDmaxToDmin) {
    auto dok = dokument(64, 64, rauh);
    NetzRec r = einstellungen(64, 64);
    r.NetzStreuung = 0.0;
    r.NetzZufall = 0.0;
    r.NetzAbweichung = 0.0;  // tolerance Dmax: nearly every sample predictable
    setzeSeed(*dok, 1);
    const NetzZaehlung grob = PunkteZaehlen(*dok, r);
    EXPECT_LT(grob.zufall, 64 * 64 / 10);
    EXPECT_EQ(grob.fest, grob.zufall);
    r.NetzAbweichung = 1.0;  // tolerance Dmin: nearly every sample stays
    const NetzZaehlung fein = PunkteZaehlen(*dok, r);
    EXPECT_GT(fein.zufall, 64 * 64 * 9 / 10);
    EXPECT_EQ(fein.maximal, 64 * 64);
    // Zufall 0.5 keeps about a quarter of the predictable samples.
    r.NetzAbweichung = 0.0;
    r.NetzZufall = 0.5;
    const NetzZaehlung viertel = PunkteZaehlen(*dok, r);
    const double anteil = double(viertel.zufall - viertel.fest) / (64 * 64 - viertel.fest);
    EXPECT_NEAR(anteil, 0.25, 0.04);
}

TEST(NetzExport, SelectionKeepsASpikeAndItsNeighbours) {
    // A spike (difference 0.5) and a bump (0.01) that the tolerance
    // 0.5 * 10^(0.5 * log10(0.01 / 0.5)) = 0.0707 forgives.
    auto dok = dokument(12, 12, [](int x, int y) {
        return x == 5 && y == 6 ? 1.0 : (x == 9 && y == 2 ? 0.51 : 0.5);
    });
    NetzRec r = einstellungen(12, 12);
    r.NetzZufall = 0.0;
    r.NetzStreuung = 0.0;
    r.NetzAbweichung = 0.5;
    Netz n;
    NetzOptionen o;
    o.seed = 3;
    std::vector<std::pair<int, int>> markiert;
    o.markierung = [&](int i, int j) { markiert.push_back({i, j}); };
    ASSERT_TRUE(NetzBilden(*dok, r, o, n).ok());
    const std::vector<std::pair<int, int>> erwartet = {{0, 0}, {0, 11}, {4, 5},  {4, 6}, {4, 7},
                                                       {5, 5}, {5, 6},  {5, 7},  {6, 5}, {6, 6},
                                                       {6, 7}, {11, 0}, {11, 11}};
    EXPECT_EQ(markiert, erwartet);
    EXPECT_EQ(n.punkte.size(), erwartet.size());
    // Same seed, same selection; the counting pass agrees.
    setzeSeed(*dok, 3);
    EXPECT_EQ(PunkteZaehlen(*dok, r).zufall, long(erwartet.size()));
}

TEST(NetzExport, RegularMeshOfTenByTen) {
    auto dok = dokument(10, 10, [](int x, int y) { return x * 0.1 + y * 0.01; });
    NetzRec r = einstellungen(10, 10);
    r.Optimierung = false;
    r.Laenge = 900;
    r.Breite = 90;
    r.Hoehe = 100;
    Netz n;
    ASSERT_TRUE(NetzBilden(*dok, r, {}, n).ok());
    ASSERT_EQ(n.dreiecke.size(), 162u);
    ASSERT_EQ(n.punkte.size(), 486u);
    EXPECT_EQ(n.dreiecke[1].p1, 4);
    EXPECT_EQ(n.dreiecke[161].p3, 486);
    // Cell (0, 0): dx 100, dy 10; corners (0, 0), (0, 1), (1, 0), then (1, 0),
    // (0, 1), (1, 1). Slopes 0.1 * 100 / 100 and 0.01 * 100 / 10, both 0.1.
    const double h00 = 0.0, h10 = 0.1, h01 = 0.01, h11 = 0.11;
    const double l = std::sqrt(0.1 * 0.1 * 2 + 1);
    const Netzpunkt erwartet[6] = {
        {-450, -45, h00 * 100, 0, 0, 0}, {-450, -35, h01 * 100, 0, 0, 0},
        {-350, -45, h10 * 100, 0, 0, 0}, {-350, -45, h10 * 100, 0, 0, 0},
        {-450, -35, h01 * 100, 0, 0, 0}, {-350, -35, h11 * 100, 0, 0, 0}};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(n.punkte[k].x, erwartet[k].x);
        EXPECT_DOUBLE_EQ(n.punkte[k].y, erwartet[k].y);
        EXPECT_DOUBLE_EQ(n.punkte[k].z, erwartet[k].z);
        EXPECT_NEAR(n.punkte[k].nx, -0.1 / l, 1e-12);
        EXPECT_NEAR(n.punkte[k].ny, -0.1 / l, 1e-12);
        EXPECT_NEAR(n.punkte[k].nz, 1 / l, 1e-12);
    }
}

TEST(NetzExport, RegularMeshLimit) {
    auto dok = dokument(20, 20, rauh);
    NetzRec r = einstellungen(1024, 540);
    r.Optimierung = false;
    Netz n;
    const Status s = NetzBilden(*dok, r, {}, n);
    EXPECT_EQ(s.meldung(), "Zuviel Punkte (551397 - max. 550000)");
    EXPECT_TRUE(n.punkte.empty());
    const test::TestOrdner ordner;
    const std::string pfad = ordner.datei("grenze.dxf");
    EXPECT_FALSE(ExportiereNetz(*dok, r, NetzFormat::DXF, pfad).ok());
    EXPECT_FALSE(std::filesystem::exists(pfad));
    // 1024 x 538 cells = 550000 - 1 ... the largest sizes that pass.
    EXPECT_FALSE(RegulaerGrenzeMeldung(einstellungen(1024, 538)).has_value());
    EXPECT_TRUE(RegulaerGrenzeMeldung(einstellungen(1024, 539)).has_value());
    // Optimised meshes have no limit.
    r.Optimierung = true;
    EXPECT_FALSE(RegulaerGrenzeMeldung(einstellungen(10, 10)).has_value());
}

TEST(NetzExport, MarkPositionScalesToTheFieldAndZoom) {
    auto dok = dokument(513, 257, rauh);
    const NetzRec r = einstellungen(100, 50);
    const Pixel p = markierPixel(10, 3, *dok, r, 0.5);
    EXPECT_EQ(p.x, 26);  // 10 * 512 / 99 * 0.5 = 25.86
    EXPECT_EQ(p.y, 8);   // 3 * 256 / 49 * 0.5 = 7.84
    // The last mesh sample is the field's last sample, where it is marked.
    const Pixel ende = markierPixel(99, 49, *dok, r, 0.5);
    EXPECT_EQ(ende.x, 256);
    EXPECT_EQ(ende.y, 128);
}

}  // namespace
}  // namespace gm
