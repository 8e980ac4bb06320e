#include "formats/terragen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/script_liste.h"
#include "formats_hilfen.h"

namespace gm {
namespace {

using test::Bytes;

// 5 x 5 field, all 0 except a 1 at (1, 4), a 1 at (3, 0) and 0.5 at (0, 2).
void testfeld(Dokument& dok) {
    test::feldSetzen(
        dok,
        {{0, 0, 0, 1, 0}, {0, 0, 0, 0, 0}, {0.5, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}});
}

// The elevations of testfeld with the default settings, rows from y = 4 up to y = 0.
void testhoehen(Bytes& b) {
    const int n = -29127, e = 31554, h = 1214;
    const int zeilen[5][5] = {
        {n, e, n, n, n}, {n, n, n, n, n}, {h, n, n, n, n}, {n, n, n, n, n}, {n, n, n, e, n}};
    for (const auto& z : zeilen) {
        for (int v : z)
            b.i16(v);
    }
}

TEST(TerragenSchreiben, DefaultSettingsFullVariantBytes) {
    Dokument dok;
    testfeld(dok);
    TerragenRec rec;
    Bytes b;
    b.text("TERRAGENTERRAIN ").text("SIZE").i16(4).i16(0);
    b.text("XPTS").i16(5).i16(5).text("YPTS").i16(5).i16(5);
    b.text("SCAL").f32(30).f32(30).f32(30).text("CRAD").f32(6400).text("CRVM").f32(0);
    b.text("ALTW").i16(36).i16(16);
    testhoehen(b);
    b.text("EOF ");
    EXPECT_EQ(terragenKodieren(dok, rec, false), b.s);
    EXPECT_EQ(rec.BasisHoehe, 16);
    EXPECT_EQ(rec.HoehenSkala, 36);
    EXPECT_EQ(rec.Groesse, 4);
}

TEST(TerragenSchreiben, ShortVariantHoldsOnlySizeScalAltwAndEof) {
    Dokument dok;
    testfeld(dok);
    TerragenRec rec;
    rec.Kugel = true;
    Bytes b;
    b.text("TERRAGENTERRAIN ").text("SIZE").i16(4).i16(0);
    b.text("SCAL").f32(30).f32(30).f32(30).text("ALTW").i16(36).i16(16);
    testhoehen(b);
    b.text("EOF ");
    EXPECT_EQ(terragenKodieren(dok, rec, true), b.s);
}

TEST(TerragenSchreiben, RectangularSizeChunks) {
    Dokument dok;
    dok.MaxX = 299;
    dok.MaxY = 199;
    TerragenRec rec;
    const std::string s = terragenKodieren(dok, rec, false);
    EXPECT_EQ(s.substr(16, 24), Bytes()
                                    .text("SIZE")
                                    .i16(199)
                                    .i16(0)
                                    .text("XPTS")
                                    .i16(300)
                                    .i16(300)
                                    .text("YPTS")
                                    .i16(200)
                                    .i16(200)
                                    .s);
    EXPECT_EQ(s.size(), 16u + 8 * 3 + 16 + 8 + 8 + 8 + 2u * 300 * 200 + 4);
    dok.MaxX = dok.MaxY = 512;
    terragenKodieren(dok, rec, true);
    EXPECT_EQ(rec.Groesse, 512);
    EXPECT_EQ(rec.PunkteX, 513);
    EXPECT_EQ(rec.PunkteY, 513);
}

// The base and scale follow SkalierungX, so other scales keep the full range
// instead of clipping at the int16 limits.
TEST(TerragenSchreiben, ScaleOtherThan30DoesNotClip) {
    Dokument dok;
    test::feldSetzen(
        dok,
        {{0, 1, 0.5, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    struct Fall {
        double skala;
        int basis, hs, e0, e1;
    };
    for (const Fall& f : {Fall{10, 50, 104, -31508, 31508}, Fall{100, 5, 14, -23406, 23406},
                          Fall{30, 16, 36, -29127, 31554}}) {
        TerragenRec rec;
        rec.SkalierungX = f.skala;
        const std::string s = terragenKodieren(dok, rec, true);
        EXPECT_EQ(rec.BasisHoehe, f.basis) << f.skala;
        EXPECT_EQ(rec.HoehenSkala, f.hs) << f.skala;
        // Row y = 0 is the last of the five rows.
        const std::size_t zeile0 = s.size() - 4 - 10;
        Bytes erwartet;
        erwartet.i16(f.e0).i16(f.e1);
        EXPECT_EQ(s.substr(zeile0, 4), erwartet.s) << f.skala;
    }
}

// The real heights a reader finds in a file, by the format's own rule
// z = (BaseHeight + e * HeightScale / 65536) * SCAL z, without the writer's help.
struct Hoehen {
    double kleinste = 1e300, groesste = -1e300;
    float scal[3] = {};
};
Hoehen hoehenLesen(const std::string& s) {
    auto i16 = [&](std::size_t a) {
        return int(std::int16_t(std::uint8_t(s[a]) | std::uint8_t(s[a + 1]) << 8));
    };
    Hoehen h;
    std::memcpy(h.scal, s.data() + s.find("SCAL") + 4, 12);
    const std::size_t xpts = s.find("XPTS"), ypts = s.find("YPTS"), altw = s.find("ALTW");
    const int punkte = i16(xpts + 4) * i16(ypts + 4);
    const int skala = i16(altw + 4), basis = i16(altw + 6);
    for (int k = 0; k < punkte; ++k) {
        const double z = (basis + i16(altw + 8 + 2 * std::size_t(k)) * skala / 65536.0) * h.scal[2];
        h.kleinste = std::min(h.kleinste, z);
        h.groesste = std::max(h.groesste, z);
    }
    return h;
}

// With 0..50 m the rule gives a height scale of 2, room for 0..33 m: 26,666 of
// 60,000 cells were clipped at 32767. A narrow range now gets a scale that
// holds it; the rule's scale stays wherever it already fits.
TEST(TerragenSchreiben, NarrowRangesAreNotClipped) {
    Dokument dok;
    test::feldSetzen(
        dok,
        {{0, 1, 0.5, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    struct Fall {
        double min, max, skala;
        int hs;  // the height scale written
    };
    for (const Fall& f :
         {Fall{0, 50, 30, 4}, Fall{0, 40, 30, 3}, Fall{-50, 0, 30, 4}, Fall{0, 1000, 30, 36},
          Fall{-16000, 16000, 30, 1068}, Fall{0, 5, 1, 8}, Fall{100, 0, 30, -5}}) {
        TerragenRec rec;
        rec.SkalierungX = rec.SkalierungY = rec.SkalierungZ = f.skala;
        rec.HoeheMin = f.min;
        rec.HoeheMax = f.max;
        const Hoehen h = hoehenLesen(terragenKodieren(dok, rec, false));
        EXPECT_EQ(rec.HoehenSkala, f.hs) << f.min << ".." << f.max;
        // Within half a step of the 16-bit quantisation.
        const double stufe = std::abs(rec.HoehenSkala) * f.skala / 65536.0;
        EXPECT_NEAR(h.kleinste, std::min(f.min, f.max), stufe) << f.min << ".." << f.max;
        EXPECT_NEAR(h.groesste, std::max(f.min, f.max), stufe) << f.min << ".." << f.max;
    }
}

TEST(TerragenSchreiben, ReversedOrHugeRangesStayInsideInt16) {
    TerragenRec rec;
    rec.HoeheMin = 15;
    rec.HoeheMax = -15;  // span -30: the formula would give a scale of 0
    TerragenHoehen h = terragenHoehen(rec);
    EXPECT_NE(h.HoehenSkala, 0);
    rec.SkalierungX = 1;
    rec.HoeheMin = -32000;
    rec.HoeheMax = 32000;
    h = terragenHoehen(rec);
    EXPECT_EQ(h.HoehenSkala, 32766);
    EXPECT_EQ(h.BasisHoehe, 0);
}

Status lesen(Dokument& dok, TerragenRec& rec, const std::string& daten) {
    return terragenDekodieren(dok, rec, daten);
}

TEST(TerragenSchreiben, ShortVariantRefusesARectangularField) {
    Dokument dok;
    test::feldSetzen(dok, {{0, 0.5, 1}, {1, 0.5, 0}});
    TerragenRec rec;
    const std::string pfad = test::tempPfad("rechteck.ter");
    const Status s = SchreibeTerragen(dok, rec, pfad, true);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.meldung().find("3 x 2"), std::string::npos) << s.meldung();
    EXPECT_FALSE(std::filesystem::exists(pfad));
    EXPECT_TRUE(SchreibeTerragen(dok, rec, pfad, false).ok());
}

TEST(TerragenLesen, RoundTripWithinQuantisationAndRealHeights) {
    Dokument dok;
    test::feldSetzen(dok, {{0.0, 0.2, 0.4, 0.6, 0.8, 1.0},
                           {0.1, 0.3, 0.5, 0.7, 0.9, 0.0},
                           {1, 1, 1, 0, 0, 0},
                           {0, 0.25, 0.5, 0.75, 1, 0.125},
                           {0.3, 0.3, 0.3, 0.3, 0.3, 0.3}});
    TerragenRec rec;
    const std::string datei = terragenKodieren(dok, rec, false);
    Dokument neu;
    test::musterSetzen(neu);
    TerragenRec gelesen;
    gelesen.SkalierungX = 77;
    ASSERT_TRUE(lesen(neu, gelesen, datei).ok());
    ASSERT_EQ(neu.MaxX, 5);
    ASSERT_EQ(neu.MaxY, 4);
    for (int x = 0; x <= 5; ++x) {
        for (int y = 0; y <= 4; ++y) {
            EXPECT_NEAR(neu.Hoehenfeld(x, y), dok.Hoehenfeld(x, y), 1.0 / 60000) << x << "," << y;
            EXPECT_EQ(neu.UndoBild(x, y), neu.Hoehenfeld(x, y));
        }
    }
    EXPECT_FALSE(neu.AblageBelegt());
    EXPECT_EQ(gelesen.SkalierungX, 30);
    EXPECT_EQ(gelesen.HoehenSkala, 36);
    EXPECT_EQ(gelesen.BasisHoehe, 16);
    EXPECT_DOUBLE_EQ(gelesen.HoeheMin, (36 * -29127 / 65536.0 + 16) * 30);
    EXPECT_DOUBLE_EQ(gelesen.HoeheMax, (36 * 31554 / 65536.0 + 16) * 30);
    EXPECT_NEAR(gelesen.HoeheMin, 0, 0.01);
    EXPECT_NEAR(gelesen.HoeheMax, 1000, 0.01);
}

// A minimal file by hand: SIZE 4, SCAL, optional CRVM, ALTW with 5 x 5 elevations.
std::string handDatei(float scal, float crvm = 0) {
    Bytes b;
    b.text("TERRAGENTERRAIN ").text("SIZE").i16(4).i16(0);
    b.text("SCAL").f32(scal).f32(scal).f32(scal).text("CRVM").f32(crvm);
    b.text("ALTW").i16(100).i16(-3);
    for (int i = 0; i < 25; ++i)
        b.i16(i == 7 ? 1000 : -500);
    b.text("EOF ");
    return b.s;
}

// Found by fuzzing: a size chunk after ALTW made the import read the
// elevations with the later size, past the end of what was read.
TEST(TerragenLesen, SizeChunkAfterTheElevationsDoesNotChangeTheirLayout) {
    Bytes b;
    b.s = handDatei(30);
    b.s.resize(b.s.size() - 4);  // drop "EOF "
    b.text("XPTS").i16(40).i16(40).text("YPTS").i16(9).i16(9).text("EOF ");
    Dokument dok;
    TerragenRec rec;
    ASSERT_TRUE(lesen(dok, rec, b.s).ok());
    EXPECT_EQ(dok.MaxX, 4);
    EXPECT_EQ(dok.MaxY, 4);
    EXPECT_EQ(rec.PunkteX, 5);
    EXPECT_EQ(rec.PunkteY, 5);
    EXPECT_EQ(dok.Hoehenfeld(2, 3), 1.0);
}

// A scale of 2.5 was read as 2, so a 10..50 m terrain exported again as 8..40 m.
TEST(TerragenLesen, KeepsTheRealScaleAndReadsChunksAnywhere) {
    Dokument dok;
    TerragenRec rec;
    ASSERT_TRUE(lesen(dok, rec, handDatei(2.5f, 1.2f)).ok());
    EXPECT_EQ(rec.SkalierungX, 2.5);
    EXPECT_EQ(rec.SkalierungZ, 2.5);
    EXPECT_TRUE(rec.Kugel);  // 1.2 rounds to 1
    EXPECT_EQ(rec.PunkteX, 5);
    EXPECT_DOUBLE_EQ(rec.HoeheMin, (100 * -500 / 65536.0 - 3) * 2.5);
    // Element 7 read is x = 2 of the second row, which is y = 3 (the first is y = 4).
    EXPECT_EQ(dok.Hoehenfeld(2, 3), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(2, 4), 0.0);
    EXPECT_EQ(dok.Hoehenfeld(2, 1), 0.0);
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.0);
    ASSERT_TRUE(lesen(dok, rec, handDatei(29.6f, 2.0f)).ok());
    EXPECT_EQ(rec.SkalierungX, double(29.6f));
    EXPECT_FALSE(rec.Kugel);
    // Unknown chunks and stray bytes before a chunk are passed over.
    std::string s = handDatei(30);
    s.insert(16, "THNGxyz\x01");
    EXPECT_TRUE(lesen(dok, rec, s).ok());

    // Written at 2.5 m for 10..50 m, read and written again: still 10..50 m.
    test::feldSetzen(
        dok,
        {{0, 1, 0.5, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    TerragenRec erst;
    erst.SkalierungX = erst.SkalierungY = erst.SkalierungZ = 2.5;
    erst.HoeheMin = 10;
    erst.HoeheMax = 50;
    TerragenRec zurueck;
    ASSERT_TRUE(lesen(dok, zurueck, terragenKodieren(dok, erst, false)).ok());
    EXPECT_NEAR(zurueck.HoeheMin, 10, 0.01);
    EXPECT_NEAR(zurueck.HoeheMax, 50, 0.01);
    const Hoehen h = hoehenLesen(terragenKodieren(dok, zurueck, false));
    EXPECT_NEAR(h.kleinste, 10, 0.01);
    EXPECT_NEAR(h.groesste, 50, 0.01);
}

TEST(TerragenLesen, BadFilesChangeNeitherDocumentNorSettings) {
    const std::string gut = handDatei(30);
    std::vector<std::pair<std::string, std::string>> faelle;
    for (std::size_t n = 0; n < gut.size() - 4; ++n) {
        faelle.push_back({"prefix " + std::to_string(n), gut.substr(0, n)});
    }
    auto mit = [&](std::size_t pos, const std::string& neu) {
        std::string s = gut;
        s.replace(pos, neu.size(), neu);
        return s;
    };
    faelle.push_back({"header", mit(0, "TERRAGON")});
    faelle.push_back({"no ALTW", mit(48, "ALTX")});
    faelle.push_back({"size 4 points", mit(20, Bytes().i16(3).s)});
    faelle.push_back({"size 2050 points", mit(20, Bytes().i16(2049).s)});
    faelle.push_back({"negative size", mit(20, Bytes().i16(-2).s)});
    faelle.push_back({"size past end", mit(20, Bytes().i16(5).s)});
    faelle.push_back({"scale NaN", mit(28, Bytes().u32(0x7FC00000).s)});
    faelle.push_back({"scale 0.4", mit(28, Bytes().f32(0.4f).s)});
    faelle.push_back({"scale 1e30", mit(28, Bytes().f32(1e30f).s)});
    faelle.push_back({"CRVM infinite", mit(44, Bytes().u32(0x7F800000).s)});
    for (const auto& [name, daten] : faelle) {
        Dokument dok;
        test::musterSetzen(dok);
        const test::Abbild vorher = test::abbild(dok);
        TerragenRec rec;
        rec.Radius = 123;
        rec.SkalierungX = 45;
        EXPECT_FALSE(lesen(dok, rec, daten).ok()) << name;
        EXPECT_TRUE(test::abbild(dok) == vorher) << name;
        EXPECT_EQ(rec.Radius, 123) << name;
        EXPECT_EQ(rec.SkalierungX, 45) << name;
    }
    Dokument dok;
    TerragenRec rec;
    EXPECT_TRUE(lesen(dok, rec, gut + 'x').ok());
    EXPECT_FALSE(LiesTerragen(dok, rec, "/nonexistent/x.ter").ok());
}

TEST(TerragenScript, RecordsTheLineAndRefusesNamesItCannotCarry) {
    Dokument dok;
    testfeld(dok);
    TerragenRec rec;
    rec.HoeheMin = -12.5;
    rec.Kugel = true;
    const std::string pfad = test::tempPfad("skript.ter");
    dok.ScriptAufnahme = true;
    ASSERT_TRUE(SchreibeTerragen(dok, rec, pfad, true).ok());
    ASSERT_EQ(dok.ScriptAnzahl, 1);
    EXPECT_EQ(dok.ScriptListe[1],
              "save_terragen(30.000, 30.000, 30.000, 6400.000, 1, -12.500, "
              "1000.000, 1, " +
                  pfad + ")");
    EXPECT_EQ(test::dateiInhalt(pfad), terragenKodieren(dok, rec, true));

    for (const std::string name : {"a, b.ter", "a).ter", "a//b.ter", " a.ter", "a.ter ", "a\tb",
                                   "a\nb.ter", "a,b.ter", ""}) {
        // Refused before anything is written, so the bare name never becomes a file.
        const std::string p = name;
        const Status s = SchreibeTerragen(dok, rec, p, false);
        EXPECT_FALSE(s.ok()) << name;
        EXPECT_FALSE(std::filesystem::exists(p)) << name;
        EXPECT_FALSE(scriptNameProblem(name).empty()) << name;
    }
    EXPECT_EQ(dok.ScriptAnzahl, 1);
    // Without recording any name is written.
    dok.ScriptAufnahme = false;
    const std::string komma = test::tempPfad("a, b).ter");
    EXPECT_TRUE(SchreibeTerragen(dok, rec, komma, false).ok());
    EXPECT_TRUE(std::filesystem::exists(komma));
    EXPECT_FALSE(scriptNameProblem("/tmp/ein (name).ter").empty());
    EXPECT_TRUE(scriptNameProblem("/tmp/ein (name.ter").empty());
}

TEST(TerragenScript, ReplayTakesArgumentsInRangeAndRecordsNothing) {
    Dokument dok;
    testfeld(dok);
    dok.ScriptAufnahme = true;
    const std::string pfad = test::tempPfad("replay.ter");
    ScriptArgumente args;
    const char* werte[] = {"10.000", "20", "100000", "0", "1", "-40000", "500.000", "1"};
    for (int i = 0; i < 8; ++i)
        args.slot[i + 1] = werte[i];
    args.slot[9] = pfad;
    TerragenRec rec;
    ASSERT_TRUE(terragenNachspielen(dok, rec, args).ok());
    EXPECT_EQ(rec.SkalierungX, 10);
    EXPECT_EQ(rec.SkalierungY, 20);
    EXPECT_EQ(rec.SkalierungZ, 30);  // out of range: default
    EXPECT_EQ(rec.Radius, 6400);     // 0 is below 1: default
    EXPECT_TRUE(rec.Kugel);
    EXPECT_EQ(rec.HoeheMin, 0);  // below -32000: default
    EXPECT_EQ(rec.HoeheMax, 500);
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    EXPECT_TRUE(dok.ScriptAufnahme);
    TerragenRec erwartet;
    erwartet.SkalierungX = 10;
    erwartet.SkalierungY = 20;
    erwartet.HoeheMax = 500;
    erwartet.Kugel = true;
    EXPECT_EQ(test::dateiInhalt(pfad), terragenKodieren(dok, erwartet, true));

    ScriptArgumente leer;
    EXPECT_FALSE(terragenNachspielen(dok, rec, leer).ok());
}

TEST(TerragenParameter, TableMatchesRecordDefaults) {
    const TerragenRec vorgabe = recordVorgaben<TerragenRec>(TerragenParameter);
    EXPECT_EQ(vorgabe.SkalierungX, 30);
    EXPECT_EQ(vorgabe.Radius, 6400);
    EXPECT_EQ(vorgabe.HoeheMax, 1000);
    EXPECT_EQ(vorgabe.HoehenSkala, 68);
    Werte w = vorgaben(TerragenParameter);
    EXPECT_TRUE(wertSetzen(TerragenParameter, w, "skalierungx", "12.5").ok());
    EXPECT_FALSE(wertSetzen(TerragenParameter, w, "SkalierungX", "0.5").ok());
    EXPECT_FALSE(wertSetzen(TerragenParameter, w, "HoeheMin", "-20000").ok());
    EXPECT_EQ(recordAus<TerragenRec>(TerragenParameter, w).SkalierungX, 12.5);
}

}  // namespace
}  // namespace gm
