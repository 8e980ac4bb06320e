// "build_rotate": the line the command line records and its replay.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/puffer.h"
#include "generators/rotation.h"
#include "script/operationen.h"
#include "script/zeile.h"

namespace gm {
namespace {

std::unique_ptr<Sitzung> sitzung() {
    auto s = std::make_unique<Sitzung>();
    NeueGroesse(s->dok, 60, 44, true);
    s->dok.Verknuepfungsmodus = 1;
    s->dok.Maske(30, 20) = 1;
    return s;
}

TEST(RotationZeile, TheRecordedLineReplaysTheAppliedFieldBitForBit) {
    const Operation* op = OperationSuchen(OperationsArt::Generator, "rotate");
    ASSERT_NE(op, nullptr);
    Werte w;
    // Numbers with more decimals than the line keeps: the field is made from
    // what the line says.
    ASSERT_TRUE(WerteLesen(
        op->parameter,
        std::vector<std::string>{"Kurve=6",          "Perioden=2.7",       "AnstiegF=-0.3",
                                 "Linearitaet1=1.7", "Linearitaet2=0.4",   "Stufen=7",
                                 "GammaF=0.77",      "Verschiebung1=0.25", "Verschiebung2=1.1",
                                 "MitteX=31",        "MitteY=22.5",        "FokusX=36.25",
                                 "FokusY=18",        "RadiusX=25",         "RadiusY=17",
                                 "Winkel=33.33333",  "Invertieren=1",      "Welle=1",
                                 "Negativ=1",        "MitteFokusGleich=0", "RadienGleich=0"},
        w));
    auto lauf = sitzung(), nach = sitzung();
    lauf->dok.ScriptAufnahme = true;
    ASSERT_TRUE(op->ausfuehren(*lauf, *op, w));
    ASSERT_EQ(lauf->dok.ScriptAnzahl, 1);
    const std::string& zeile = lauf->dok.ScriptListe[1];
    EXPECT_EQ(zeile,
              "build_rotate(6, 2.700, -0.300, 1.700, 0.400, 7.000, 0.770, 0.250, 1.100, 31.000, "
              "22.500, 36.250, 18.000, 25.000, 17.000, 33.333, 1, 1, 1, 0, 0)");
    ASSERT_TRUE(ZeileAusfuehren(*nach, zeile).ausgefuehrt());
    int verschieden = 0;
    for (int x = 0; x <= 60; ++x)
        for (int y = 0; y <= 44; ++y) {
            ASSERT_EQ(lauf->dok.Hoehenfeld(x, y), nach->dok.Hoehenfeld(x, y)) << x << "," << y;
            verschieden += lauf->dok.Hoehenfeld(x, y) != lauf->dok.Hoehenfeld(0, 0);
        }
    EXPECT_GT(verschieden, 500);
    EXPECT_EQ(nach->dok.Hoehenfeld(30, 20), 0.0);  // masked
}

TEST(RotationZeile, TheCommandLineCouplesAndDefaultsFromTheFieldTheLineDoesNot) {
    const Operation* op = OperationSuchen(OperationsArt::Generator, "rotate");
    auto s = sitzung();
    s->dok.ScriptAufnahme = true;
    Werte w;
    ASSERT_TRUE(WerteLesen(op->parameter, std::vector<std::string>{"FokusX=5", "RadiusY=3"}, w));
    ASSERT_TRUE(op->ausfuehren(*s, *op, w));
    // 61 x 45 points: centre Round(30.5) - 1 and Round(22.5) - 1, radius
    // Round(61 / 3) - 1; the focus follows the centre, RadiusY RadiusX.
    EXPECT_EQ(s->dok.ScriptListe[1],
              "build_rotate(3, 1.000, 0.000, 1.000, 0.500, 0.000, 1.000, 0.000, 0.000, 29.000, "
              "21.000, 29.000, 21.000, 19.000, 19.000, 0.000, 0, 0, 0, 1, 1)");
    // A line's values outside their ranges fall back one by one: the focus
    // 0 to the centre, RadiusY 99 to Round(45 / 3) - 1, Kurve 9 to 3.
    auto a = sitzung(), b = sitzung();
    ASSERT_TRUE(ZeileAusfuehren(*a,
                                "build_rotate(9, 1, 0, 1, 0.5, 0, 1, 0, 0, 29, 21, 0, 0, 19, "
                                "99, 0, 0, 0, 0, 1, 1)")
                    .ausgefuehrt());
    ASSERT_TRUE(ZeileAusfuehren(*b,
                                "build_rotate(3, 1, 0, 1, 0.5, 0, 1, 0, 0, 29, 21, 29, 21, 19, "
                                "14, 0, 0, 0, 0, 0, 0)")
                    .ausgefuehrt());
    for (int x = 0; x <= 60; ++x)
        for (int y = 0; y <= 44; ++y)
            ASSERT_EQ(a->dok.Hoehenfeld(x, y), b->dok.Hoehenfeld(x, y)) << x << "," << y;
    // Out of the field on the command line: refused, nothing changed.
    ASSERT_TRUE(WerteLesen(op->parameter, std::vector<std::string>{"MitteX=62"}, w));
    const double vorher = s->dok.Hoehenfeld(29, 21);
    EXPECT_FALSE(op->ausfuehren(*s, *op, w));
    EXPECT_EQ(s->dok.Hoehenfeld(29, 21), vorher);
}

}  // namespace
}  // namespace gm
