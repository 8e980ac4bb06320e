#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstddef>
#include <memory>

#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {
namespace {

TEST(Random, FirstTenDrawsFromSeedsZeroAnd12345) {
    // RandSeed := RandSeed * 134775813 + 1 mod 2^32, computed by hand.
    const std::uint32_t ab0[] = {1,          134775814,  3698175007, 870078620,  1172187917,
                                 2884733762, 1368768587, 694906232,  1598751577, 1828254910};
    const std::uint32_t ab12345[] = {1655067934, 1242767767, 342459380, 2377737157, 2721613530,
                                     1467157059, 1889648464, 340655249, 138982102,  3964786223};
    Dokument dok;
    setzeSeed(dok, 0);
    for (auto s : ab0)
        EXPECT_EQ(Random(dok), s * 0x1p-32);
    setzeSeed(dok, 12345);
    for (auto s : ab12345)
        EXPECT_EQ(Random(dok), s * 0x1p-32);
    EXPECT_DOUBLE_EQ(0.3853505323641002, 1655067934 * 0x1p-32);
}

TEST(Random, IntegerDrawIsTheUpperHalfOfTheProduct) {
    Dokument dok;
    setzeSeed(dok, 12345);
    EXPECT_EQ(Random(dok, 10), 3u);
    EXPECT_EQ(Random(dok, 1000), 289u);
    setzeSeed(dok, 0xFFFFFFFEu);  // next seed is the largest possible
    dok.RandSeed = std::uint32_t((0xFFFFFFFFu - 1u) * 3303164573u);  // inverse step
    for (int i = 0; i < 1000; ++i) {
        std::uint32_t n = 1 + (i % 7);
        EXPECT_LT(Random(dok, n), n);
    }
    EXPECT_EQ(Random(dok, 0), 0u);
}

TEST(Runden, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-0.5), -0.0);
    EXPECT_EQ(roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.4999999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(roundToInt(511.6), 512);
    EXPECT_EQ(roundToInt(-7.5), -8);
    // Agrees with the default rounding mode's nearbyint (up to the sign of a
    // zero), halves, huge values and infinities included.
    std::uint32_t z = 12345;
    for (int i = 0; i < 200000; ++i) {
        z = z * 134775813u + 1u;
        const double v = std::ldexp(double(z) - 2147483648.0, (i % 60) - 30);
        for (double w : {v, std::floor(v) + 0.5, -std::floor(v) - 0.5}) {
            ASSERT_EQ(roundHalfEven(w), std::nearbyint(w)) << w;
            if (std::fabs(w) < 2e9) {
                ASSERT_EQ(roundToInt(w), int(std::nearbyint(w))) << w;
            }
        }
    }
    EXPECT_EQ(roundHalfEven(HUGE_VAL), HUGE_VAL);
    EXPECT_EQ(roundHalfEven(1e300), 1e300);
    EXPECT_TRUE(std::isnan(roundHalfEven(NAN)));
}

TEST(Zahlen, ScriptFormatHasThreeDecimalsAndAPointWhateverTheLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // comma locale where installed
    EXPECT_EQ(formatScriptNumber(0.5), "0.500");
    EXPECT_EQ(formatScriptNumber(-12.25), "-12.250");
    EXPECT_EQ(formatScriptNumber(3), "3.000");
    EXPECT_EQ(formatScriptNumber(0.0005), "0.001");  // 0.0005 is just above the half in binary
    EXPECT_EQ(formatScriptNumber(-0.0001), "0.000");
    EXPECT_EQ(formatScriptNumber(12345.6789), "12345.679");
    EXPECT_EQ(parseNumber(" 2.250 "), 2.25);
    EXPECT_EQ(parseNumber("1.5e0"), 1.5);
    EXPECT_EQ(parseNumber("1E3"), 1000.0);
    EXPECT_EQ(parseNumber("-3"), -3.0);
    EXPECT_FALSE(parseNumber("2,5"));
    EXPECT_FALSE(parseNumber(""));
    EXPECT_FALSE(parseNumber("abc"));
    EXPECT_FALSE(parseNumber("1.5x"));
    EXPECT_FALSE(parseNumber("nan"));
    std::setlocale(LC_ALL, "C");
}

TEST(ScriptArgumente, ReadingConsumesUpToATabAndEmptyReadsAsZero) {
    ScriptArgumente a;
    a.slot[1] = "1.5\t2.5";
    a.slot[2] = "";
    a.slot[3] = "junk";
    a.slot[4] = "7";
    EXPECT_EQ(ArgumentZahl(a, 1, 9, 10, 0), 1.5);
    EXPECT_EQ(ArgumentZahl(a, 1, 9, 10, 0), 2.5);
    EXPECT_EQ(ArgumentZahl(a, 1, 9, 10, 0), 0.0);
    EXPECT_EQ(ArgumentZahl(a, 2, 9, 10, 0.5), 9.0);  // empty reads 0, below the minimum
    EXPECT_EQ(ArgumentZahl(a, 3, 9, 10, 0), 9.0);    // unreadable: the default
    EXPECT_EQ(ArgumentGanzzahl(a, 4, 2, 13, 1), 7);
    a.slot[5] = "14\t2.5\t3.0";
    EXPECT_EQ(ArgumentGanzzahl(a, 5, 2, 13, 1), 2);
    EXPECT_EQ(ArgumentGanzzahl(a, 5, 2, 13, 1), 2);  // not a whole number: the default
    EXPECT_EQ(ArgumentGanzzahl(a, 5, 2, 13, 1), 3);
    EXPECT_EQ(ArgumentGanzzahl(a, 31, 2, 13, 1), 2);
}

TEST(ScriptListe, AppendsOnlyWhileRecordingAndBelowTheLimit) {
    Dokument dok;
    ScriptAnhaengen(dok, "invert");
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    dok.ScriptAufnahme = true;
    for (int i = 1; i <= 205; ++i)
        ScriptAnhaengen(dok, ScriptZeile("paintmode", {i}));
    EXPECT_EQ(dok.ScriptAnzahl, 200);
    EXPECT_EQ(dok.ScriptListe[200], "paintmode(200)");
    EXPECT_TRUE(dok.ScriptListe[0].empty());
    ScriptNeu(dok);
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    EXPECT_FALSE(dok.ScriptAufnahme);
    EXPECT_TRUE(dok.ScriptListe[1].empty());
    EXPECT_EQ(ScriptZeile("gamma", {1.0, 0.5, 0.5, 0.5, 3}),
              "gamma(1.000, 0.500, 0.500, 0.500, 3)");
    EXPECT_EQ(ScriptZeile("save_terragen", {-2.5, "a.ter"}), "save_terragen(-2.500, a.ter)");
}

struct Innen {
    double Tiefe = 0.0;
};
struct ProbeRec {
    double Wert;
    int Anzahl;
    bool An;
    Innen innen;
    bool Stufen[3] = {};
    std::string Datei;
};
const Parameter probeParameter[] = {
    Param<&ProbeRec::Wert>("Wert", 0.5, 0.0, 1.0),
    Param<&ProbeRec::Anzahl>("Anzahl", 3, 1, 10),
    Param<&ProbeRec::An>("An", 1, 0, 1),
    Param<&ProbeRec::innen, &Innen::Tiefe>("Tiefe", -2.0, -5.0, 5.0),
    Param<&ProbeRec::Stufen, 2>("Stufe3", 1, 0, 1),
};

TEST(Parameter, RecordsFollowTheirDescription) {
    ProbeRec r = recordVorgaben<ProbeRec>(probeParameter);
    EXPECT_EQ(r.Wert, 0.5);
    EXPECT_EQ(r.Anzahl, 3);
    EXPECT_TRUE(r.An);

    Werte w = vorgaben(probeParameter);
    EXPECT_TRUE(wertSetzen(probeParameter, w, "anzahl", "7").ok());
    EXPECT_TRUE(wertSetzen(probeParameter, w, "WERT", "0.25").ok());
    EXPECT_EQ(wertSetzen(probeParameter, w, "Anzahl", "2.5").meldung(),
              "Anzahl must be a whole number");
    EXPECT_FALSE(wertSetzen(probeParameter, w, "Anzahl", "11").ok());
    EXPECT_FALSE(wertSetzen(probeParameter, w, "An", "2").ok());
    EXPECT_FALSE(wertSetzen(probeParameter, w, "Wert", "x").ok());
    EXPECT_EQ(wertSetzen(probeParameter, w, "Fehlt", "1").meldung(), "unknown key Fehlt");
    r = recordAus<ProbeRec>(probeParameter, w);
    EXPECT_EQ(r.Wert, 0.25);
    EXPECT_EQ(r.Anzahl, 7);
    EXPECT_EQ(r.innen.Tiefe, -2.0);
    EXPECT_TRUE(r.Stufen[2]);
    EXPECT_FALSE(r.Stufen[1]);
    EXPECT_EQ(werteAus(probeParameter, r), (Werte{0.25, 7, 1, -2.0, 1}));
    EXPECT_EQ(parameterHilfe(probeParameter[1]), "Anzahl (int, default 3, 1..10)");
    EXPECT_EQ(probeParameter[2].typ, ParamTyp::Bool);
    EXPECT_EQ(probeParameter[3].typ, ParamTyp::Real);
}

double stufenLesen(const ProbeRec& r) {
    return r.Stufen[0] + 2 * r.Stufen[1] + 4 * r.Stufen[2];
}
void stufenSetzen(ProbeRec& r, double bits) {
    for (int k = 0; k < 3; ++k)
        r.Stufen[k] = (int(bits) >> k) & 1;
}
double vier(const Dokument&) {
    return 4.0;
}
const ScriptArgument probeArgumente[] = {
    Arg<&ProbeRec::Wert>(0.5, 1.0, 0.0),
    Arg<&ProbeRec::Anzahl>(3, 10, 1),
    Arg<&ProbeRec::An>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
    ArgBis<&ProbeRec::innen, &Innen::Tiefe>(&vier, -5.0, ArgForm::GanzAlsZahl),
    KodiertArg<ProbeRec, &stufenLesen, &stufenSetzen>(7, 7, 0, ArgForm::Ganz),
    TextArg<&ProbeRec::Datei>(),
};

TEST(ScriptArgumentTabelle, WritesEachFormAndReadsItBackWithTheLinesOwnRanges) {
    auto dok = std::make_unique<Dokument>();
    ProbeRec r{0.125, 9, true, {3.0}, {true, false, true}, "a b.ter"};
    const std::string zeile = ScriptZeileAus("probe", probeArgumente, r);
    EXPECT_EQ(zeile, "probe(0.125, 9, 1, 3, 5, a b.ter)");
    EXPECT_EQ(ScriptZeileAus("bar", std::span<const ScriptArgument>{}, r), "bar");

    ScriptArgumente a;
    const char* zurueck[] = {"0.125", "9", "1", "3", "5", " a b.ter "};
    for (int i = 0; i < 6; ++i)
        a.slot[i + 1] = zurueck[i];
    const ProbeRec gelesen = ausArgumenten(a, probeArgumente, *dok, ProbeRec{});
    EXPECT_EQ(ScriptZeileAus("probe", probeArgumente, gelesen), zeile);

    // Out of range, a fraction in a whole-number slot, an empty slot: the
    // line's own defaults; the fourth slot's default and maximum come from
    // the document.
    const char* falsch[] = {"1.5", "2.5", "0.5", "4.5", "8", ""};
    for (int i = 0; i < 6; ++i)
        a.slot[i + 1] = falsch[i];
    const ProbeRec vorgabe = ausArgumenten(a, probeArgumente, *dok, ProbeRec{});
    EXPECT_EQ(vorgabe.Wert, 0.5);
    EXPECT_EQ(vorgabe.Anzahl, 3);
    EXPECT_FALSE(vorgabe.An);  // only an exact 1 sets it
    EXPECT_EQ(vorgabe.innen.Tiefe, 4.0);
    EXPECT_EQ(stufenLesen(vorgabe), 7.0);
    EXPECT_EQ(vorgabe.Datei, "");
}

}  // namespace
}  // namespace gm
