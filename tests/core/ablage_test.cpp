#include "core/ablage.h"

#include <gtest/gtest.h>

#include "core/maske.h"
#include "core/puffer.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

using test::feldGleich;
using test::setzeFeld;

TEST(Ablage, CutWithEmptyMaskChangesNothingAndFillsKeinWert) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}});
    Ausschneiden(dok);
    ASSERT_TRUE(dok.AblageBelegt());
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}}));
    EXPECT_TRUE(feldGleich(dok, *dok.Ablagebild, {{KeinWert, KeinWert}, {KeinWert, KeinWert}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.1, 0.2}, {0.3, 0.4}}));
    // Paste combines an all-zero Zweitbild: mode 2 ("if higher") keeps the field.
    Einfuegen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}}));
    dok.Verknuepfungsmodus = 1;
    Einfuegen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0, 0}, {0, 0}}));
}

TEST(Ablage, PasteAfterCutRespectsMaskThenRestoresStretchedValues) {
    Dokument dok;
    dok.Verknuepfungsmodus = 1;
    setzeFeld(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}});
    test::setzeMaske(dok, {{1, 0}, {1, 0}});
    Ausschneiden(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.2}, {0.0, 0.4}}));
    EXPECT_TRUE(feldGleich(dok, *dok.Ablagebild, {{0.1, KeinWert}, {0.3, KeinWert}}));

    // Cut cells are still masked: they stay 0; the free cells take the value 0.
    Einfuegen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.0}, {0.0, 0.0}}));

    // With the mask cleared the cut values come back stretched to the upper marker.
    MaskeLoeschen(dok);
    Einfuegen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{1.0 / 3.0, 0.0}, {1.0, 0.0}}));
}

TEST(Ablage, CopyNeverChangesTheFieldOrTheUndoCopy) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.6}});
    setzeFeld(dok, dok.UndoBild, {{0.9, 0.9}});
    test::setzeMaske(dok, {{0, 1}});
    Kopieren(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.5, 0.6}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.9, 0.9}}));
    EXPECT_TRUE(feldGleich(dok, *dok.Ablagebild, {{KeinWert, 0.6}}));
}

TEST(Ablage, SwapExchangesAndClampsAndReleaseDisablesPasteAndSwap) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.6}});
    test::setzeMaske(dok, {{0, 1}});
    Tauschen(dok);  // no clipboard: nothing happens
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.5, 0.6}}));
    Kopieren(dok);
    dok.Hoehenfeld(1, 0) = 0.8;
    Tauschen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.6}}));  // KeinWert clamped to 0
    EXPECT_TRUE(feldGleich(dok, *dok.Ablagebild, {{0.5, 0.8}}));
    EXPECT_TRUE(feldGleich(dok, dok.UndoBild, {{0.5, 0.8}}));
    Freigeben(dok);
    EXPECT_FALSE(dok.AblageBelegt());
    Einfuegen(dok);
    Tauschen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.6}}));
}

TEST(Undo, TwiceEqualsOnceAndAfterNewGivesZeros) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.6}});
    Loeschen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0, 0}}));
    Undo(dok);
    Undo(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.5, 0.6}}));

    NeueGroesse(dok, 1, 0, true);
    dok.Hoehenfeld(0, 0) = 0.3;
    Undo(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0, 0}}));
}

TEST(Undo, AfterAResizeBringsBackTheOldSizeAndEveryCell) {
    Dokument dok;
    const test::Zeilen alt = {{0.1, 0.9, 0.3, 0.7, 0.5, 0.2, 0.8},
                              {0.4, 0.6, 0.0, 1.0, 0.25, 0.75, 0.35},
                              {0.05, 0.95, 0.45, 0.55, 0.15, 0.85, 0.65},
                              {0.3, 0.1, 0.9, 0.2, 0.8, 0.4, 0.6},
                              {0.7, 0.5, 0.3, 0.1, 0.95, 0.05, 0.45}};
    // Down to 5 x 5 (every column resampled) and up to 9 x 8 (extrapolated
    // edges clamped); each undone, twice, from the same start.
    for (const auto& [px, py] : {std::pair{5, 5}, std::pair{9, 8}}) {
        setzeFeld(dok, dok.Hoehenfeld, alt);
        Kopieren(dok);
        GroesseUmrechnen(dok, px - 1, py - 1);
        ASSERT_EQ(dok.punkteX(), px);
        ASSERT_EQ(dok.punkteY(), py);
        EXPECT_FALSE(dok.AblageBelegt());
        EXPECT_NE(dok.Hoehenfeld(1, 1), 0.6);
        Kopieren(dok);  // a clipboard of the new size goes with the size
        Undo(dok);
        EXPECT_FALSE(dok.AblageBelegt());
        EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, alt, 0.0));
        Undo(dok);
        EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, alt, 0.0));
    }
    // An undo copy taken after the resize holds the new size.
    GroesseUmrechnen(dok, 5, 4);
    const test::Zeilen neu = test::leseFeld(dok, dok.Hoehenfeld);
    Loeschen(dok);
    Undo(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, neu, 0.0));
}

TEST(Loeschen, RecordsClearOnlyWhileRecording) {
    Dokument dok;
    Loeschen(dok);
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    dok.ScriptAufnahme = true;
    Loeschen(dok);
    ASSERT_EQ(dok.ScriptAnzahl, 1);
    EXPECT_EQ(dok.ScriptListe[1], "clear");
}

}  // namespace
}  // namespace gm
