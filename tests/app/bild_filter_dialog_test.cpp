// The terrace, craterize, smoothing, pass and scatter dialogs opened through
// their "&Bild" commands on the real window, on a 5 x 5 field; each applied
// field is compared with the filter run on a copy of the field before.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <memory>
#include <string>

#include "app/blur_dialog.h"
#include "app/krater_dialog.h"
#include "app/noise_filter_dialog.h"
#include "app/pass_dialog.h"
#include "app/terrasse_dialog.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;

class BildFilter : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{5, 5}; };
        f->aktion("FileNew1Execute")->trigger();
        s->dok.ScriptAufnahme = true;
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y)
                s->dok.Hoehenfeld(x, y) = 0.05 + 0.045 * ((x * 7 + y * 3) % 21);
        s->dok.Maske(1, 3) = 1;
        kopie = std::make_unique<Dokument>();
        kopie->MaxX = kopie->MaxY = 4;
        zuKopie();
    }
    void zuKopie() {
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y) {
                kopie->Hoehenfeld(x, y) = s->dok.Hoehenfeld(x, y);
                kopie->UndoBild(x, y) = s->dok.Hoehenfeld(x, y);
                kopie->Maske(x, y) = s->dok.Maske(x, y);
            }
    }
    // The window's field equals the filtered copy's, bit for bit, and the
    // undo copy holds the field from before (which the copy's undo grid keeps).
    void wieKopie() const {
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y) {
                EXPECT_EQ(s->dok.Hoehenfeld(x, y), kopie->Hoehenfeld(x, y)) << x << "," << y;
                EXPECT_EQ(s->dok.UndoBild(x, y), kopie->UndoBild(x, y)) << x << "," << y;
            }
    }
    static void tasten(QWidget* r, Qt::Key taste, int mal,
                       Qt::KeyboardModifiers mod = Qt::NoModifier) {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(r, taste, mod);
    }
    std::string letzteZeile() const { return s->dok.ScriptListe[std::size_t(s->dok.ScriptAnzahl)]; }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    std::unique_ptr<Dokument> kopie;
};

TEST_F(BildFilter, TerraceCurvesFollowTheControlsAndTheLineCarriesTheFlags) {
    const bool gezeigt =
        modalBedienen<TEingabeTerrasse>(*f, "Terrassieren1Click", [&](TEingabeTerrasse& d) {
            for (const char* n :
                 {"ImageReglerST", "ImageReglerVS", "ImageReglerAN", "ImageReglerMP",
                  "ImageReglerGU", "ImageReglerGO", "ImageReglerAU", "ImageReglerAO"})
                EXPECT_NE(d.findChild<ReglerWidget*>(n), nullptr) << n;
            auto* st = d.findChild<ReglerWidget*>("ImageReglerST");
            EXPECT_EQ(st->wert(), 4.0);
            EXPECT_TRUE(d.findChild<ReglerWidget*>("ImageReglerGO")->rec().Logarithmisch);
            const QImage vier = d.kurve(), eine = d.kurveEineStufe();
            tasten(st, Qt::Key_Left, 2);  // 2 terraces: only the first image changes
            EXPECT_EQ(d.arbeit().Stufen, 2);
            EXPECT_NE(d.kurve(), vier);
            EXPECT_EQ(d.kurveEineStufe(), eine);
            tasten(d.findChild<ReglerWidget*>("ImageReglerAN"), Qt::Key_Left, 50);  // slope 1.5
            EXPECT_NE(d.kurveEineStufe(), eine);
            d.findChild<QCheckBox*>("CheckBoxUO")->click();
            EXPECT_FALSE(d.arbeit().BegrenzenOben);
            test::weiter(d);
        });
    ASSERT_TRUE(gezeigt);
    TerrasseRec r;
    r.Stufen = 2;
    r.Anstieg = 1.5;
    r.BegrenzenOben = false;
    TerrasseAnwenden(*kopie, r);
    wieKopie();
    EXPECT_EQ(letzteZeile(),
              "terrace(0.000, 2, -1.000, 1.500, 0.500, 1.000, 1.000, 0.000, 1.000, 1, 0)");
}

TEST_F(BildFilter, CraterizeSpreadMarksTheBandInTheHistogramAndApplies) {
    std::uint32_t seed = 0;
    KraterisierenRec r;
    const bool gezeigt = modalBedienen<TEingabeKraterisieren>(
        *f, "Kraterisieren1Click", [&](TEingabeKraterisieren& d) {
            EXPECT_EQ(d.windowTitle(), "Eingabe Kraterisieren");
            int summe = 0;
            for (int n : d.histogramm().anzahl)
                summe += n;
            EXPECT_EQ(summe, 25);  // every cell, the masked one too
            ReglerWidget* schnitt = d.reglerSchnitt();
            EXPECT_TRUE(schnitt->rec().MitStreuung);
            EXPECT_DOUBLE_EQ(schnitt->wert(), 0.66);
            const QImage hist = d.histogrammBild();
            tasten(schnitt, Qt::Key_Left, 16);                      // cut level 0.50
            tasten(schnitt, Qt::Key_Right, 40, Qt::ShiftModifier);  // the rim width
            EXPECT_DOUBLE_EQ(d.arbeit().Schnittlevel, 0.5);
            EXPECT_DOUBLE_EQ(d.arbeit().Randbreite, schnitt->streuung());
            EXPECT_GT(d.arbeit().Randbreite, 0.15);
            EXPECT_NE(d.histogrammBild(), hist);
            tasten(d.findChild<ReglerWidget*>("ImageReglerZufall"), Qt::Key_Right, 50);
            // With randomness the curve's rim changes from one drawing to the next.
            const QImage kurve = d.kurve();
            tasten(d.findChild<ReglerWidget*>("ImageReglerTiefe"), Qt::Key_Right, 1);
            tasten(d.findChild<ReglerWidget*>("ImageReglerTiefe"), Qt::Key_Left, 1);
            EXPECT_NE(d.kurve(), kurve);
            seed = s->dok.RandSeed;
            r = d.arbeit();
            test::weiter(d);
        });
    ASSERT_TRUE(gezeigt);
    EXPECT_DOUBLE_EQ(r.Zufall, 0.5);
    setzeSeed(*kopie, seed);
    KraterisierenAnwenden(*kopie, r);
    wieKopie();
    EXPECT_EQ(letzteZeile(),
              "crater(0.500, " + formatScriptNumber(r.Randbreite) + ", 1.000, 0.500)");
}

TEST_F(BildFilter, SmoothingModesComeFromTheMenuAndKeepTheirOwnFields) {
    bool gezeigt = modalBedienen<TEingabeBlur>(*f, "Weich1Click", [&](TEingabeBlur& d) {
        EXPECT_EQ(d.windowTitle(),
                  QString::fromUtf8("Eingabe Stärke Finite Impulse Response Filter"));
        EXPECT_FALSE(d.reglerGain()->isHidden());
        EXPECT_TRUE(d.reglerBlur()->rec().Logarithmisch);
        EXPECT_EQ(d.reglerBlur()->wert(), 10.0);
        tasten(d.reglerBlur(), Qt::Key_Left, 8);   // distance 2
        tasten(d.reglerGain(), Qt::Key_Right, 1);  // 2 passes
        test::weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    BlurRec weich;
    weich.BlurModus = 2;
    weich.Weichabstand = 2.0;
    weich.Filterstaerke2 = 2.0;
    BlurAnwenden(*kopie, weich);
    wieKopie();
    // Filterstaerke keeps its own value; the distance is in its own field.
    EXPECT_EQ(letzteZeile(), "blur(0.500, 2.000, 2.000, 2)");

    zuKopie();
    gezeigt = modalBedienen<TEingabeBlur>(*f, "FIRFilter1Click", [&](TEingabeBlur& d) {
        EXPECT_TRUE(d.reglerGain()->isHidden());
        EXPECT_FALSE(d.reglerBlur()->rec().Logarithmisch);
        EXPECT_EQ(d.reglerBlur()->wert(), 0.5);
        tasten(d.reglerBlur(), Qt::Key_Right, 25);
        test::weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    BlurStandard(*kopie, 0.75);
    wieKopie();
    EXPECT_EQ(letzteZeile(), "blur(0.750, 2.000, 2.000, 1)");
}

TEST_F(BildFilter, EachPassMenuItemSetsItsTypeAndTheScatterSliderEndsAtTheWidth) {
    const std::pair<const char*, int> typen[] = {
        {"BPass1Click", 1}, {"Breject1Click", -1}, {"LoPass1Click", 2}, {"HiPass1Click", -2}};
    for (auto [befehl, typ] : typen) {
        zuKopie();
        const bool gezeigt =
            modalBedienen<TEingabePassFilter>(*f, befehl, [&](TEingabePassFilter& d) {
                EXPECT_NE(d.findChild<ReglerWidget*>("ImageReglerPF1"), nullptr);
                EXPECT_TRUE(d.findChild<ReglerWidget*>("ImageReglerPF2")->rec().Logarithmisch);
                test::weiter(d);
            });
        ASSERT_TRUE(gezeigt) << befehl;
        PassRec r;
        r.PassTyp = typ;
        PassFilterAnwenden(*kopie, r);
        wieKopie();
        EXPECT_EQ(letzteZeile(), "pass(0.500, 1.000, " + std::to_string(typ) + ")");
    }

    zuKopie();
    std::uint32_t seed = 0;
    const bool gezeigt =
        modalBedienen<TEingabeNoiseFilter>(*f, "NoiseFilter1Click", [&](TEingabeNoiseFilter& d) {
            EXPECT_EQ(d.reglerNF()->rec().Maximum, 4.0);
            EXPECT_EQ(d.reglerNF()->wert(), 3.0);
            tasten(d.reglerNF(), Qt::Key_Right, 1);
            seed = s->dok.RandSeed;
            test::weiter(d);
        });
    ASSERT_TRUE(gezeigt);
    setzeSeed(*kopie, seed);
    NoiseFilterAnwenden(*kopie, NoiseFilterRec{4.0});
    wieKopie();
    EXPECT_EQ(letzteZeile(), "noise(4.000)");
    // The slider starts at 3 again.
    modalBedienen<TEingabeNoiseFilter>(*f, "NoiseFilter1Click", [&](TEingabeNoiseFilter& d) {
        EXPECT_EQ(d.reglerNF()->wert(), 3.0);
    });
}

}  // namespace
}  // namespace gm
