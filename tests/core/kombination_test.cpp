#include "core/kombination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/mathe.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

using test::feldGleich;
using test::setzeFeld;

TEST(ModifikatorWert, DefaultsAreTheIdentity) {
    ModRec mod;
    for (double z : {0.0, 0.1, 0.25, 0.5, 0.999, 1.0})
        EXPECT_DOUBLE_EQ(ModifikatorWert(mod, z), z);
}

TEST(ModifikatorWert, IterationsWrapAndWholeNumbersMapToOne) {
    ModRec mod;
    mod.Iterationen = 3;
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.5), 0.5);
    EXPECT_EQ(ModifikatorWert(mod, 1.0), 1.0);
    EXPECT_EQ(ModifikatorWert(mod, 0.0), 0.0);
    EXPECT_NEAR(ModifikatorWert(mod, 0.2), 0.6, 1e-15);
}

TEST(ModifikatorWert, WaveAndNegative) {
    ModRec mod;
    mod.Welle = true;
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.75), 0.5);
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.25), 0.5);
    mod.Negativ = true;
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.75), 0.5);
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.1), 1.0 - 2.0 * (1.0 - 0.9));
    mod.Welle = false;  // without the wave, Negativ only mirrors the input
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.3), 0.7);
}

TEST(ModifikatorWert, DigitsRoundHalfToEven) {
    ModRec mod;
    mod.Digits = 4;
    EXPECT_EQ(ModifikatorWert(mod, 0.3), 0.25);
    EXPECT_EQ(ModifikatorWert(mod, 0.375), 0.5);  // 1.5 -> 2
    EXPECT_EQ(ModifikatorWert(mod, 0.625), 0.5);  // 2.5 -> 2
    EXPECT_EQ(ModifikatorWert(mod, 0.125), 0.0);  // 0.5 -> 0
}

TEST(ModifikatorWert, RampSquaresTheIdentityAndShapesByMode) {
    ModRec mod;
    mod.Anstieg = 1;
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.5), 0.25);
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.8), 0.64);
    mod.Anstieg = -1;  // r * ramp * -1 + r
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.5), 0.25);
    mod.Anstieg = 0;

    const double z = 0.3;
    const double erwartet[] = {1.0,
                               0.0,
                               0.3,
                               0.09,
                               std::sqrt(0.3),
                               (1 - Cos(std::numbers::pi * 0.3)) / 2,
                               Sin(std::numbers::pi * 0.3 / 2),
                               1 - Cos(std::numbers::pi * 0.3 / 2)};
    for (int modus = 1; modus <= 8; ++modus) {
        mod.Modus = modus;
        EXPECT_NEAR(ModifikatorWert(mod, z), erwartet[modus - 1], 1e-15) << modus;
    }
    mod.Modus = 9;
    EXPECT_EQ(ModifikatorWert(mod, z), 0.0);
    mod.Modus = 3;
    mod.Invertieren = true;
    mod.Gamma = 2.0;
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.5), 0.75);
    mod.Gamma = 1.0;
    mod.Invertieren = false;
    mod.Linearitaet1 = 0.5;  // contrast 2 about 0.5, clamped
    EXPECT_DOUBLE_EQ(ModifikatorWert(mod, 0.6), 0.7);
    EXPECT_EQ(ModifikatorWert(mod, 0.9), 1.0);
}

TEST(Verknuepfen, EveryModeOnce) {
    const double h = 0.6, v = 0.3;
    EXPECT_EQ(Verknuepfen(1, h, v), 0.3);
    EXPECT_EQ(Verknuepfen(2, h, v), 0.6);
    EXPECT_EQ(Verknuepfen(2, 0.2, v), 0.3);
    EXPECT_DOUBLE_EQ(Verknuepfen(3, h, v), 0.9);
    EXPECT_DOUBLE_EQ(Verknuepfen(4, h, v), 0.3);
    EXPECT_DOUBLE_EQ(Verknuepfen(5, h, v), 0.7);
    EXPECT_EQ(Verknuepfen(6, h, v), 0.6);  // 0.7 is not below 0.6
    EXPECT_DOUBLE_EQ(Verknuepfen(6, 0.8, v), 0.7);
    EXPECT_DOUBLE_EQ(Verknuepfen(7, 0.2, 0.5), 0.3);
    EXPECT_DOUBLE_EQ(Verknuepfen(8, h, v), 0.18);
    EXPECT_DOUBLE_EQ(Verknuepfen(9, h, v), 2.0);
    EXPECT_EQ(Verknuepfen(9, h, 0.0), h);
    EXPECT_EQ(Verknuepfen(10, h, v), 0.3);
    EXPECT_EQ(Verknuepfen(10, 0.1, v), 0.1);
    EXPECT_EQ(Verknuepfen(11, 0.0, v), 0.3);
    EXPECT_EQ(Verknuepfen(11, h, v), h);
    EXPECT_EQ(Verknuepfen(12, h, v), 0.3);
    EXPECT_EQ(Verknuepfen(12, 0.0, v), 0.0);
    EXPECT_EQ(Verknuepfen(13, 0.2, v), 0.3);
    EXPECT_EQ(Verknuepfen(13, 0.0, v), 0.0);
    EXPECT_EQ(Verknuepfen(13, h, v), h);
    EXPECT_EQ(Verknuepfen(0, h, v), h);
    EXPECT_EQ(Verknuepfen(14, h, v), h);
}

TEST(ZweitbildVerknuepfen, StretchesMapsBetweenMarkersAndSkipsMaskAndKeinWert) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    dok.MarkeUnten.Wert = 0.2;
    dok.MarkeOben.Wert = 0.6;
    setzeFeld(dok, dok.Hoehenfeld, {{0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}});
    setzeFeld(dok, dok.Zweitbild, {{10.0, 20.0, KeinWert}, {30.0, 15.0, 30.0}});
    test::setzeMaske(dok, {{0, 0, 0}, {0, 0, 1}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.2, 0.4, 0.9}, {0.6, 0.3, 0.9}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}}));
    EXPECT_TRUE(feldGleich(dok, dok.Zweitbild, {{0.2, 0.4, KeinWert}, {0.6, 0.3, 30.0}}));
}

TEST(ZweitbildVerknuepfen, ConstantResultIsNotStretchedAndMarkersMayInvert) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    setzeFeld(dok, dok.Zweitbild, {{0.4, 0.4}, {KeinWert, 1.7}});
    dok.Zweitbild(1, 1) = 0.4;
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.4, 0.4}, {0.0, 0.4}}));

    dok.MarkeOben.Wert = 0.0;
    dok.MarkeUnten.Wert = 1.0;
    setzeFeld(dok, dok.Zweitbild, {{0.0, 1.0}, {0.25, 0.5}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{1.0, 0.0}, {0.75, 0.5}}));
}

TEST(ZweitbildVerknuepfen, SubtractionClampsAndDivisionByZeroKeepsHeight) {
    Dokument dok;
    dok.Verknuepfungsmodus = 4;
    setzeFeld(dok, dok.Hoehenfeld, {{0.2, 0.9}});
    setzeFeld(dok, dok.Zweitbild, {{1.0, 0.0}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.9}}));

    dok.Verknuepfungsmodus = 9;
    setzeFeld(dok, dok.Hoehenfeld, {{0.2, 0.3}});
    setzeFeld(dok, dok.Zweitbild, {{0.0, 1.0}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.2, 0.3}}));
}

TEST(ZweitbildVerknuepfen, OnlyKeinWertChangesNothingButTakesUndo) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.2, 0.3}});
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, KeinWert}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.2, 0.3}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.2, 0.3}}));
}

TEST(ZweitbildVerknuepfen, SpreadDrawsTwoRandomNumbersUpperFirst) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    dok.MarkeOben = {0.5, 0.25};
    dok.MarkeUnten = {0.25, 0.25};
    setzeFeld(dok, dok.Zweitbild, {{0.0, 1.0}});
    setzeSeed(dok, 12345);
    ZweitbildVerknuepfen(dok);
    const double u1 = 1655067934 * 0x1p-32, u2 = 1242767767 * 0x1p-32;
    const double o = 0.5 + (u1 - 0.5) * 0.5, n = 0.25 + (u2 - 0.5) * 0.5;
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(0, 0), n);
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(1, 0), o);
    EXPECT_EQ(dok.RandSeed, 1242767767u);
}

TEST(ZweitbildVerknuepfen, ModifierAppliesOnlyWhenActive) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    dok.ModEinstellungen.Modus = 4;  // f = x^2
    setzeFeld(dok, dok.Zweitbild, {{0.0, 0.5, 1.0}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.5, 1.0}}));
    dok.ModEinstellungen.Aktiv = true;
    setzeFeld(dok, dok.Zweitbild, {{0.0, 0.5, 1.0}});
    ZweitbildVerknuepfen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.25, 1.0}}));
}

TEST(Strich, CollectKeepsTheHigherAndApplyDispatchesByTool) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.5, 0.5}});
    StrichbildLeeren(dok);
    setzeFeld(dok, dok.Zweitbild, {{0.0, 1.0, KeinWert}});
    dok.MarkeOben.Wert = 0.8;
    StrichSammeln(dok);
    setzeFeld(dok, dok.Zweitbild, {{1.0, 0.0, KeinWert}});
    dok.MarkeOben.Wert = 0.6;
    StrichSammeln(dok);
    EXPECT_TRUE(feldGleich(dok, *dok.Strichbild, {{0.6, 0.8, KeinWert}}));

    dok.Werkzeug = 9;  // pipette applies nothing
    StrichAnwenden(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.5, 0.5, 0.5}}));
    EXPECT_TRUE(feldGleich(dok, dok.Zweitbild, {{0.6, 0.8, KeinWert}}));

    dok.Werkzeug = 5;  // mask circle
    StrichAnwenden(dok);
    EXPECT_EQ(dok.Maske(0, 0), 1);
    EXPECT_EQ(dok.Maske(2, 0), 0);

    dok.Werkzeug = 31;  // circle: combination (masked cells stay)
    dok.MarkeOben.Wert = 1.0;
    dok.Maske(0, 0) = 0;
    StrichAnwenden(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.5, 0.5}}));

    for (int w : {1, 2, 31, 32, 33, 41, 42, 44})
        EXPECT_EQ(strichRegelFuer(w), StrichRegel::Verknuepfen);
    for (int w : {7, 8})
        EXPECT_EQ(strichRegelFuer(w), StrichRegel::Nivellieren);
    for (int w : {0, 9, 10, 11, 12, 13})
        EXPECT_EQ(strichRegelFuer(w), StrichRegel::Nichts);
}

TEST(Modifizieren, PassesFreeCellsThroughTheCurveAndRecords) {
    Dokument dok;
    dok.ModEinstellungen.Modus = 4;  // regardless of Aktiv
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.5}});
    test::setzeMaske(dok, {{0, 1}});
    dok.ScriptAufnahme = true;
    Modifizieren(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.25, 0.5}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.5, 0.5}}));
    EXPECT_EQ(dok.ScriptListe[1], "modify");
}

}  // namespace
}  // namespace gm
