#include "display/palettendatei.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace gm {
namespace {

// A state with a value in every field, each different, so a swapped line shows.
ColourState beispiel() {
    ColourState f;
    Palette& p2 = f.Paletten[1];
    p2.MaxIndex = 2;
    p2.Punkte[0] = {0.0, 0.1, 0.2, 0.3};
    p2.Punkte[1] = {0.4375, 1.0, 0.5, 0.25};
    p2.Punkte[2] = {1.0, 0.123456, 0.654321, 0.0};
    RenderRec& r = f.Render;
    r.Schnee = true;
    r.Fels = false;
    r.SchneeHoehe = 0.11;
    r.SchneeHoeheBreite = 0.12;
    r.SchneeMisch = 0.13;
    r.SchneeMischBreite = 0.14;
    r.FelsHoehe = 0.21;
    r.FelsHoeheBreite = 0.22;
    r.FelsMisch = 0.23;
    r.FelsMischBreite = 0.24;
    r.SchneeFarbe1 = {0.0, 0.31, 0.32, 0.33};
    r.SchneeFarbe2 = {1.0, 0.34, 0.35, 0.36};
    r.FelsFarbe1 = {0.0, 0.41, 0.42, 0.43};
    r.FelsFarbe2 = {1.0, 0.44, 0.45, 0.46};
    r.HoehenZufall = 0.01;
    r.GelaendeGewicht = 0.02;
    r.GelaendeSchwelle = 0.03;
    r.SchneeGewicht = 0.04;
    r.SchneeSchwelle = 0.05;
    r.FelsGewicht = 0.06;
    r.FelsSchwelle = 0.07;
    return f;
}

const std::string BeispielText =
    "Palleti\r\n"
    "  1\r\n"
    "0.000000\t0.000000\t0.000000\t0.000000\r\n"
    "1.000000\t1.000000\t1.000000\t1.000000\r\n"
    "  2\r\n"
    "0.000000\t0.100000\t0.200000\t0.300000\r\n"
    "0.437500\t1.000000\t0.500000\t0.250000\r\n"
    "1.000000\t0.123456\t0.654321\t0.000000\r\n"
    "1\r\n"
    "0.110000\r\n0.120000\r\n0.130000\r\n0.140000\r\n"
    "0\r\n"
    "0.210000\r\n0.220000\r\n0.230000\r\n0.240000\r\n"
    "0.000000\t0.310000\t0.320000\t0.330000\r\n"
    "1.000000\t0.340000\t0.350000\t0.360000\r\n"
    "0.000000\t0.410000\t0.420000\t0.430000\r\n"
    "1.000000\t0.440000\t0.450000\t0.460000\r\n"
    "0.010000\r\n0.020000\r\n0.030000\r\n0.040000\r\n0.050000\r\n0.060000\r\n0.070000\r\n";

std::string mitKommas(std::string s) {
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

void erwarteGleich(const ColourState& a, const ColourState& b) {
    for (int n = 0; n < 2; ++n) {
        const Palette& p = a.Paletten[n];
        const Palette& q = b.Paletten[n];
        ASSERT_EQ(p.MaxIndex, q.MaxIndex) << n;
        for (int i = 0; i <= p.MaxIndex; ++i) {
            EXPECT_EQ(p.Punkte[i].Position, q.Punkte[i].Position) << n << ' ' << i;
            EXPECT_EQ(p.Punkte[i].Rot, q.Punkte[i].Rot) << n << ' ' << i;
            EXPECT_EQ(p.Punkte[i].Gruen, q.Punkte[i].Gruen) << n << ' ' << i;
            EXPECT_EQ(p.Punkte[i].Blau, q.Punkte[i].Blau) << n << ' ' << i;
        }
    }
    for (const Parameter& par : RenderParameter()) {
        EXPECT_EQ(feldLesen(a.Render, par), feldLesen(b.Render, par)) << par.name;
    }
}

std::string tempPfad(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("gm_display_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

TEST(Palettendatei, WriterLaysOutEveryLine) {
    EXPECT_EQ(PalettenText(beispiel()), BeispielText);
    // Numbers of two digits and negatives widen the field instead of being cut.
    ColourState f;
    f.Render.HoehenZufall = 12.5;
    f.Render.FelsSchwelle = -0.5;
    const std::string t = PalettenText(f);
    EXPECT_NE(t.find("\r\n12.500000\r\n"), std::string::npos);
    EXPECT_NE(t.find("\r\n-0.500000\r\n"), std::string::npos);
}

TEST(Palettendatei, ReadsPointsAndCommasAlike) {
    for (const std::string& text : {BeispielText, mitKommas(BeispielText)}) {
        ColourState f;
        ASSERT_TRUE(PalettenTextLesen(text, f).ok());
        erwarteGleich(f, beispiel());
    }
    // Blanks around fields, LF-only line ends and "%3d" padding are accepted.
    std::string lose = BeispielText;
    for (std::size_t i; (i = lose.find("\r\n")) != std::string::npos;)
        lose.replace(i, 2, "\n");
    ColourState f;
    ASSERT_TRUE(PalettenTextLesen(lose, f).ok());
    erwarteGleich(f, beispiel());
}

TEST(Palettendatei, RoundTripThroughAFile) {
    const std::string pfad = tempPfad("rund.fpl");
    ColourState quelle = beispiel();
    quelle.Paletten[0].MaxIndex = 3;
    quelle.Paletten[0].Punkte[1] = {1.0 / 3.0, 0.999999, 0.5, 0.000001};
    quelle.Paletten[0].Punkte[2] = {2.0 / 3.0, 0.3, 0.2, 0.1};
    quelle.Paletten[0].Punkte[3] = {1.0, 1.0, 1.0, 1.0};
    quelle.Render.Fels = true;
    ASSERT_TRUE(PalettenSpeichern(quelle, pfad).ok());
    ColourState ziel;
    ASSERT_TRUE(PalettenLaden(pfad, ziel).ok());
    std::filesystem::remove(pfad);
    EXPECT_TRUE(ziel.Render.Fels);
    EXPECT_TRUE(ziel.Render.Schnee);
    ASSERT_EQ(ziel.Paletten[0].MaxIndex, 3);
    EXPECT_NEAR(ziel.Paletten[0].Punkte[1].Position, 1.0 / 3.0, 5e-7);
    EXPECT_EQ(ziel.Paletten[0].Punkte[1].Rot, 0.999999);
    EXPECT_EQ(ziel.Paletten[0].Punkte[1].Blau, 0.000001);
    quelle.Paletten[0].Punkte[1].Position = 0.333333;
    quelle.Paletten[0].Punkte[2].Position = 0.666667;
    erwarteGleich(ziel, quelle);
}

TEST(Palettendatei, MissingLinesReadAsEmpty) {
    // Cut after palette 2: the render settings read as zeros and switches off.
    const std::string text = BeispielText.substr(0, BeispielText.find("1\r\n0.110000"));
    ColourState f;
    f.Render.Fels = true;
    ASSERT_TRUE(PalettenTextLesen(text, f).ok());
    EXPECT_EQ(f.Paletten[1].MaxIndex, 2);
    EXPECT_FALSE(f.Render.Schnee);
    EXPECT_FALSE(f.Render.Fels);
    EXPECT_EQ(f.Render.SchneeHoehe, 0.0);
    EXPECT_EQ(f.Render.FelsFarbe2.Gruen, 0.0);
    EXPECT_EQ(f.Render.FelsSchwelle, 0.0);
    // A point line with fewer fields reads the rest as 0; only a switch of 1 is on.
    std::string kurz = BeispielText;
    kurz.replace(kurz.find("0.000000\t0.310000\t0.320000\t0.330000"), 35, "0.000000\t0.31");
    kurz.replace(kurz.find("\r\n1\r\n0.110000"), 5, "\r\n2\r\n");
    ASSERT_TRUE(PalettenTextLesen(kurz, f).ok());
    EXPECT_EQ(f.Render.SchneeFarbe1.Rot, 0.31);
    EXPECT_EQ(f.Render.SchneeFarbe1.Gruen, 0.0);
    EXPECT_FALSE(f.Render.Schnee);
}

TEST(Palettendatei, MaxIndexOutOfRangeReadsNoPoints) {
    for (const char* n : {"  0", "256", "-3", "99999999999999999999"}) {
        std::string text = BeispielText;
        // Palette 1 loses its point lines and gets a bad MaxIndex.
        const std::size_t a = text.find("  1\r\n");
        text.replace(a, text.find("  2\r\n") - a, std::string(n) + "\r\n");
        ColourState f;
        f.Paletten[0].MaxIndex = 2;
        f.Paletten[0].Punkte[1] = {0.5, 0.5, 0.0, 0.0};
        ASSERT_TRUE(PalettenTextLesen(text, f).ok()) << n;
        ASSERT_EQ(f.Paletten[0].MaxIndex, 2) << n;
        EXPECT_EQ(f.Paletten[0].Punkte[1].Rot, 0.5);
        EXPECT_EQ(f.Paletten[1].MaxIndex, 2);
        EXPECT_EQ(f.Render.FelsSchwelle, 0.07);
    }
}

TEST(Palettendatei, BrokenFilesChangeNothing) {
    const ColourState vorher = beispiel();
    auto pruefen = [&](const std::string& text, const char* wo) {
        ColourState f = vorher;
        const Status s = PalettenTextLesen(text, f);
        EXPECT_FALSE(s.ok()) << wo;
        EXPECT_FALSE(s.meldung().empty()) << wo;
        erwarteGleich(f, vorher);
    };
    std::string t = BeispielText;
    t.replace(t.find("0.437500"), 8, "0.43x500");
    pruefen(t, "letter in a position");
    t = BeispielText;
    t.replace(t.find("0.070000"), 8, "nan");
    pruefen(t, "nan");
    t = BeispielText;
    t.replace(t.find("  2\r\n"), 3, "2.5");
    pruefen(t, "fractional MaxIndex");
    t = BeispielText;
    t.replace(t.find("0.437500"), 8, "1.500000");
    pruefen(t, "positions not rising");
    t = BeispielText;
    t.replace(t.find("\r\n1\r\n0.110000"), 5, "\r\nja\r\n");
    pruefen(t, "switch not a number");
    pruefen("", "empty");
    pruefen(std::string("Palleti\r\n  1\r\n\0\0\0", 17), "binary");
    // A palette cut in the middle of its points would get points at 0.
    pruefen(BeispielText.substr(0, BeispielText.find("0.437500")), "cut in palette 2");

    ColourState f = vorher;
    const Status s = PalettenLaden(tempPfad("fehlt.fpl"), f);
    EXPECT_FALSE(s.ok());
    erwarteGleich(f, vorher);
}

TEST(Palettendatei, EveryPrefixEitherLoadsOrLeavesAllAsItWas) {
    const ColourState vorher;
    for (std::size_t n = 0; n <= BeispielText.size(); ++n) {
        // A fresh copy of the prefix so the sanitizer sees any read past it.
        const std::string teil = BeispielText.substr(0, n);
        ColourState f = vorher;
        if (!PalettenTextLesen(teil, f).ok()) {
            erwarteGleich(f, vorher);
        } else {
            EXPECT_TRUE(PaletteGueltig(f.Paletten[0])) << n;
            EXPECT_TRUE(PaletteGueltig(f.Paletten[1])) << n;
        }
    }
}

}  // namespace
}  // namespace gm
