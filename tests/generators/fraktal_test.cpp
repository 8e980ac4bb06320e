#include "generators/fraktal.h"
#include "generators/fraktal_spuren.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <vector>

namespace gm {
namespace {

// The escape count read straight from the description, one point at a time.
double referenz(const FraktalParamRec& p, double px, double py) {
    double cr = px, ci = py, zr = 0, zi = 0;
    if (p.Art == 2) {
        cr = p.CX, ci = p.CY, zr = px, zi = py;
    }
    int n = 0;
    while (true) {
        n = n + 1;
        double a = zr * zr, b = zi * zi;
        double r = a - b + cr;
        zi = 2 * zr * zi + ci;
        zr = r;
        if (n >= p.Tiefe) break;
        if (!(a + b <= 4)) break;
    }
    if (n >= p.Tiefe) return 0;
    return std::min(1.0, std::max(0.0, double(n) / p.Tiefe));
}

void vergleichen(int maxX, int maxY, const FraktalParamRec& p) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = maxX;
    dok->MaxY = maxY;
    FraktalBerechnen(*dok, p);
    const double dx = (p.XMax - p.XMin) / maxX, dy = (p.YMax - p.YMin) / maxY;
    for (int x = 0; x <= maxX; ++x)
        for (int y = 0; y <= maxY; ++y)
            ASSERT_EQ(dok->Zweitbild(x, y), referenz(p, x * dx + p.XMin, y * dy + p.YMin))
                << maxX << "x" << maxY << " Art " << p.Art << " at " << x << "," << y;
}

TEST(Fraktal, FieldMatchesTheDescriptionForEveryPresetAndBothFamilies) {
    for (int art = 1; art <= 2; ++art) {
        for (int k = 1; k <= FraktalVorgabenAnzahl; ++k) {
            FraktalParamRec p = FraktalStandard();
            p.Art = art;
            p.Tiefe = 37 + 60 * k;
            FraktalVorgabe(p, k);
            vergleichen(6 + k * 7, 5 + k * 3, p);  // odd sizes exercise the lane tails
        }
    }
    // A window of zero width is one point of the plane in every column.
    FraktalParamRec p = FraktalStandard();
    p.XMax = p.XMin = -0.75;
    vergleichen(8, 12, p);
}

// Every instruction set the processor runs, held to the description where
// the lanes take short cuts or could slip: the edges of the main cardioid and
// of the disc of period 2 (Mandelbrot points well inside them are not
// iterated), orbits that fall into exact cycles (found by comparison, not by
// running to the limit), a Siegel disc (no cycle, no escape), limits that are
// not multiples of the cycle test's interval, and columns that end in a
// partial block.
TEST(Fraktal, EveryInstructionSetMatchesTheDescriptionWhereTheLanesTakeShortCuts) {
    struct Fall {
        int art;
        FraktalAusschnitt a;
        int tiefe;
    };
    const double sx = -0.390540870218399, sy = -0.586787907346969;
    const Fall faelle[] = {
        {1, {0.2, -0.05, 0.3, 0.05, 0, 0}, 1000},         // the cusp of the cardioid
        {1, {-0.8, -0.05, -0.7, 0.05, 0, 0}, 1000},       // where cardioid and disc meet
        {1, {-1.3, -0.05, -1.2, 0.05, 0, 0}, 999},        // the disc's far edge
        {1, {-0.2, 0.6, 0.0, 0.8, 0, 0}, 997},            // upper edge, bulb of period 3
        {1, {-2.25, -1.5, 1.5, 1.5, 0, 0}, 3},            // the whole set at a tiny limit
        {2, {-1.5, -1.5, 1.5, 1.5, -1.0, 0.0}, 1000},     // 0 -> -1 -> 0: exact cycles
        {2, {-0.47, -0.44, -0.27, -0.24, sx, sy}, 1000},  // a Siegel disc
        {2, {-1.5, -1.5, 1.5, 1.5, 0.11031, -0.67037}, 1},
    };
    const int groessen[][2] = {{67, 61}, {3, 5}};
    for (const Fall& f : faelle) {
        FraktalParamRec p = FraktalStandard();
        p.Art = f.art, p.Tiefe = f.tiefe;
        p.XMin = f.a.XMin, p.YMin = f.a.YMin, p.XMax = f.a.XMax, p.YMax = f.a.YMax;
        p.CX = f.a.CX, p.CY = f.a.CY;
        for (const auto& g : groessen) {
            const int spalten = g[0], zeilen = g[1];
            const double dx = (p.XMax - p.XMin) / (spalten - 1);
            const double dy = (p.YMax - p.YMin) / (zeilen - 1);
            std::vector<double> soll(std::size_t(spalten) * zeilen);
            for (int x = 0; x < spalten; ++x)
                for (int y = 0; y < zeilen; ++y)
                    soll[std::size_t(x) * zeilen + y] =
                        referenz(p, x * dx + p.XMin, y * dy + p.YMin);
            for (Befehlssatz satz : Befehlssaetze()) {
                std::vector<double> ist(soll.size(), -7.0);
                const FraktalRaster r{p.XMin, dx, p.YMin, dy, spalten, zeilen, ist.data(), zeilen};
                FraktalSpaltenRechnen(p, r, 0, 2, satz);
                FraktalSpaltenRechnen(p, r, 1, 2, satz);
                for (std::size_t i = 0; i < soll.size(); ++i)
                    ASSERT_EQ(ist[i], soll[i])
                        << "set " << int(satz) << " Art " << p.Art << " window " << p.XMin << ","
                        << p.YMin << " at " << i / zeilen << "," << i % zeilen;
            }
        }
    }
}

TEST(Fraktal, HeightsAreCountsOverTheLimitAndInsideIsZero) {
    FraktalParamRec p = FraktalStandard();
    EXPECT_EQ(FraktalWert(p, 0.0, 0.0), 0.0);          // inside the set
    EXPECT_EQ(FraktalWert(p, 0.25 + 1e-9, 0.0), 0.0);  // escape only after the limit
    EXPECT_EQ(FraktalWert(p, 3.0, 0.0), 2.0 / 50);     // earliest escape with z at 0
    p.Art = 2;
    EXPECT_EQ(FraktalWert(p, 3.0, 0.0), 1.0 / 50);  // outside at the start
    // Tiefe 10: nothing but 0 and multiples of 0.1.
    p = FraktalStandard();
    p.Tiefe = 10;
    auto v = std::make_unique<Vorschaufeld>();
    FraktalVorschau(p, *v);
    std::set<double> werte;
    for (auto& spalte : v->werte)
        for (double w : spalte)
            werte.insert(w);
    EXPECT_GT(werte.size(), 5u);
    for (double w : werte) {
        EXPECT_TRUE(w == 0.0 || w == double(std::lround(w * 10)) / 10.0) << w;
        EXPECT_LT(w, 1.0);
    }
    // An escape at exactly step Tiefe counts as inside.
    p.Tiefe = 2;
    EXPECT_EQ(FraktalWert(p, 3.0, 0.0), 0.0);
    // A limit below 1 would divide by zero: it is taken as 1, every point inside.
    p.Tiefe = 0;
    EXPECT_EQ(FraktalWert(p, 3.0, 0.0), 0.0);
    p.Tiefe = -5;
    EXPECT_EQ(FraktalWert(p, 0.1, 0.2), 0.0);
}

TEST(Fraktal, PreviewIsTheFullFieldAt256Points) {
    for (int art = 1; art <= 2; ++art) {
        FraktalParamRec p = FraktalStandard();
        p.Art = art;
        FraktalVorgabe(p, 2);
        auto dok = std::make_unique<Dokument>();
        dok->MaxX = dok->MaxY = 255;
        FraktalBerechnen(*dok, p);
        auto v = std::make_unique<Vorschaufeld>();
        FraktalVorschau(p, *v);
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                ASSERT_EQ(v->werte[i][j], dok->Zweitbild(i, j)) << i << "," << j;
    }
}

TEST(Fraktal, WindowChangesAndPresets) {
    FraktalParamRec p = FraktalStandard();
    // Right click with factor 0.5 doubles the window around the point.
    FraktalKlick(p, 64, 128, 256, 256, true);
    EXPECT_DOUBLE_EQ(p.XMax - p.XMin, 7.5);
    EXPECT_DOUBLE_EQ(p.YMax - p.YMin, 6.0);
    EXPECT_DOUBLE_EQ((p.XMin + p.XMax) / 2, 64 * 3.75 / 256 - 2.25);
    EXPECT_DOUBLE_EQ((p.YMin + p.YMax) / 2, 0.0);
    // A left click halves it.
    FraktalKlick(p, 128, 128, 256, 256, false);
    EXPECT_DOUBLE_EQ(p.XMax - p.XMin, 3.75);
    // "<" moves by one preview pixel along the real axis; "^" along the other.
    p = FraktalStandard();
    FraktalVerschieben(p, 2, 256, 256);
    EXPECT_EQ(p.XMin, -2.25 + 3.75 / 256);
    EXPECT_EQ(p.XMax, 1.5 + 3.75 / 256);
    EXPECT_EQ(p.YMin, -1.5);
    FraktalVerschieben(p, 3, 256, 256);
    FraktalVerschieben(p, 1, 256, 256);
    EXPECT_EQ(p.YMin, -1.5 + 3.0 / 256);
    FraktalVerschieben(p, 4, 256, 256);
    EXPECT_EQ(p.YMin, -1.5);
    // "+" scales the window by ZoomFaktor about its centre, "-" by its inverse.
    p = FraktalStandard();
    FraktalZoomen(p, 1);
    EXPECT_DOUBLE_EQ(p.XMax - p.XMin, 3.75 / 2);
    EXPECT_DOUBLE_EQ(p.XMin + p.XMax, -0.75);
    FraktalZoomen(p, 2);
    EXPECT_DOUBLE_EQ(p.XMax - p.XMin, 3.75);
    // Presets load the current family's row; Mandelbrot rows set C as well.
    FraktalVorgabe(p, 5);
    EXPECT_EQ(p.XMin, -1.78);
    EXPECT_EQ(p.YMax, 0.013);
    EXPECT_EQ(p.CX, -0.39054);
    p.Art = 2;
    FraktalVorgabe(p, 2);
    EXPECT_EQ(p.XMin, -1.5);
    EXPECT_EQ(p.CY, 0.00742);
    FraktalVorgabe(p, 0);  // no row: unchanged
    EXPECT_EQ(p.CY, 0.00742);
    // The command line's Vorgabe loads the row before computing.
    auto a = std::make_unique<Dokument>(), b = std::make_unique<Dokument>();
    a->MaxX = a->MaxY = b->MaxX = b->MaxY = 40;
    p = FraktalStandard();
    p.Vorgabe = 3;
    FraktalErzeugen(*a, p);
    FraktalVorgabe(p, 3);
    FraktalBerechnen(*b, p);
    for (int x = 0; x <= 40; ++x)
        for (int y = 0; y <= 40; ++y)
            ASSERT_EQ(a->Zweitbild(x, y), b->Zweitbild(x, y));
}

}  // namespace
}  // namespace gm
