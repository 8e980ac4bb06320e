// The tone filter and rain erosion dialogs opened through their "&Bild"
// commands on the real window, on tiny literal fields.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "app/digit_dialog.h"
#include "app/gamma_dialog.h"
#include "app/hell_kontr_dialog.h"
#include "app/regen_dialog.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;
using Spalten = std::vector<std::vector<double>>;  // [x][y]

class Filter : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{5, 5}; };
        f->aktion("FileNew1Execute")->trigger();
        s->dok.ScriptAufnahme = true;
    }
    // Every row of a column holds the column's value.
    void setzen(const std::vector<double>& spalten) {
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y)
                s->dok.Hoehenfeld(x, y) = spalten[std::size_t(x)];
    }
    Spalten feld(const TFeld& t) const {
        Spalten v(5, std::vector<double>(5));
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y)
                v[x][y] = t(x, y);
        return v;
    }
    static void nahe(const Spalten& ist, const Spalten& soll) {
        for (int x = 0; x <= 4; ++x)
            for (int y = 0; y <= 4; ++y)
                EXPECT_NEAR(ist[x][y], soll[x][y], 1e-12) << x << "," << y;
    }
    static void tasten(ReglerWidget* r, Qt::Key taste, int mal) {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(r, taste);
    }
    std::string letzteZeile() const { return s->dok.ScriptListe[std::size_t(s->dok.ScriptAnzahl)]; }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(Filter, GammaRadioButtonsSwitchTheSliderAndApplySquares) {
    setzen({0.0, 0.2, 0.5, 0.9, 1.0});
    s->dok.Maske(2, 2) = 1;
    const Spalten alt = feld(s->dok.Hoehenfeld);
    const bool gezeigt = modalBedienen<TGammaKorrektur>(*f, "Gamma1Click", [&](TGammaKorrektur& d) {
        EXPECT_EQ(d.windowTitle(), "Eingabe Exponentieren");
        EXPECT_TRUE(d.knopf(1)->isChecked());
        EXPECT_TRUE(d.reglerGain()->isHidden());
        EXPECT_TRUE(d.reglerGamma()->rec().Logarithmisch);
        const QImage gammaKurve = d.kurve();
        d.knopf(3)->click();
        EXPECT_FALSE(d.reglerGain()->isHidden());
        EXPECT_FALSE(d.reglerGamma()->rec().Logarithmisch);
        EXPECT_DOUBLE_EQ(d.reglerGamma()->rec().Maximum, 0.99);
        tasten(d.reglerGamma(), Qt::Key_Right, 20);  // gain 0.70
        EXPECT_DOUBLE_EQ(d.arbeit().Gain, 0.7);
        EXPECT_NE(d.kurve(), gammaKurve);
        d.knopf(2)->click();
        EXPECT_TRUE(d.reglerGain()->isHidden());
        EXPECT_DOUBLE_EQ(d.reglerGamma()->wert(), 0.5);  // the bias value
        d.knopf(1)->click();
        EXPECT_EQ(d.kurve(), gammaKurve);             // gamma 1: the straight line again
        tasten(d.reglerGamma(), Qt::Key_Right, 100);  // 1.00 -> 2.00
        EXPECT_NE(d.kurve(), gammaKurve);
        test::weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    Spalten soll = {{0, 0, 0, 0, 0},
                    {0.04, 0.04, 0.04, 0.04, 0.04},
                    {0.25, 0.25, 0.5, 0.25, 0.25},  // (2, 2) is masked
                    {0.81, 0.81, 0.81, 0.81, 0.81},
                    {1, 1, 1, 1, 1}};
    nahe(feld(s->dok.Hoehenfeld), soll);
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(letzteZeile(), "gamma(2.000, 0.500, 0.700, 0.500, 1)");

    // Cancel: nothing changes, and the next opening shows the applied set.
    s->dok.UndoBild(0, 0) = 0.3;
    const Spalten vorher = feld(s->dok.Hoehenfeld);
    modalBedienen<TGammaKorrektur>(*f, "Gamma1Click", [&](TGammaKorrektur& d) {
        EXPECT_DOUBLE_EQ(d.reglerGamma()->wert(), 2.0);
        d.knopf(3)->click();
        EXPECT_DOUBLE_EQ(d.reglerGamma()->wert(), 0.7);
        test::abbrechen(d);
    });
    EXPECT_EQ(feld(s->dok.Hoehenfeld), vorher);
    EXPECT_EQ(s->dok.UndoBild(0, 0), 0.3);
    EXPECT_EQ(s->dok.ScriptAnzahl, 1);
}

TEST_F(Filter, BrightnessContrastWindowWithHistogramAndCurve) {
    setzen({0.1, 0.2, 0.45, 0.7, 0.9});
    s->dok.Maske(4, 4) = 1;
    const Spalten alt = feld(s->dok.Hoehenfeld);
    const bool gezeigt = modalBedienen<TEingabeHelligkeitKontrast>(
        *f, "HelligkeitKontrast1Click", [&](TEingabeHelligkeitKontrast& d) {
            EXPECT_EQ(d.windowTitle(), "Eingabe Helligkeit-Kontrast");
            // Bins round(32 x): 3.2, 6.4, 14.4, 22.4, 28.8; the mask is ignored.
            const auto& h = d.histogramm();
            for (int bin : {3, 6, 14, 22, 29})
                EXPECT_EQ(h.anzahl[std::size_t(bin)], 5) << bin;
            EXPECT_EQ(h.groesste, 5);
            const QImage hist = d.histogrammBild();
            const QImage kurve = d.kurve();
            tasten(d.regler("Helligkeit"), Qt::Key_Right, 20);
            tasten(d.regler("Kontrast"), Qt::Key_Left, 50);
            EXPECT_NE(d.histogrammBild(), hist);
            EXPECT_NE(d.kurve(), kurve);
            test::weiter(d);
        });
    ASSERT_TRUE(gezeigt);
    Spalten soll = {{0, 0, 0, 0, 0},
                    {0, 0, 0, 0, 0},
                    {0.5, 0.5, 0.5, 0.5, 0.5},
                    {1, 1, 1, 1, 1},
                    {1, 1, 1, 1, 0.9}};  // (4, 4) is masked
    nahe(feld(s->dok.Hoehenfeld), soll);
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    EXPECT_EQ(letzteZeile(), "lumcontr(0.200, 0.500)");
}

TEST_F(Filter, QuantisingRefusesFewerThanFourValuesAndStartsAtTheCount) {
    setzen({0.0, 0.5, 0.5, 1.0, 1.0});  // three distinct values
    s->dok.UndoBild(1, 1) = 0.3;
    bool offen =
        modalBedienen<TDigitalisiereBild>(*f, "Digitalisieren1Click", [](TDigitalisiereBild&) {});
    EXPECT_FALSE(offen);
    EXPECT_EQ(s->dok.Hoehenfeld(1, 0), 0.5);
    EXPECT_EQ(s->dok.UndoBild(1, 1), 0.3);
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);

    setzen({0.0, 0.25, 0.5, 0.75, 1.0});
    const Spalten alt = feld(s->dok.Hoehenfeld);
    offen =
        modalBedienen<TDigitalisiereBild>(*f, "Digitalisieren1Click", [&](TDigitalisiereBild& d) {
            EXPECT_EQ(d.anzahlWerte(), 5);
            ReglerWidget* r = d.regler("AnzahlStufen");
            EXPECT_EQ(r->rec().Maximum, 5.0);
            EXPECT_EQ(r->wert(), 5.0);
            test::ziehen(r, 120, r->rec().Links);
            EXPECT_EQ(d.arbeitsSatz()[0], 2.0);
            test::weiter(d);
        });
    EXPECT_TRUE(offen);
    // Two levels: 0.5 goes to the even neighbour 0.
    nahe(feld(s->dok.Hoehenfeld),
         {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}});
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    EXPECT_EQ(letzteZeile(), "digit(2)");

    // The slider starts at the count again, not at the last value used.
    setzen({0.0, 0.1, 0.2, 0.3, 0.4});
    modalBedienen<TDigitalisiereBild>(*f, "Digitalisieren1Click", [&](TDigitalisiereBild& d) {
        EXPECT_EQ(d.regler("AnzahlStufen")->wert(), 5.0);
    });
}

TEST_F(Filter, RainErosionRunsWithItsProgressBarToTheEnd) {
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            s->dok.Hoehenfeld(x, y) = 0.1 + 0.05 * ((x * 7 + y * 3) % 11);
    s->dok.Hoehenfeld(2, 2) = 0.0;  // a pit at exactly 0 keeps its value
    const Spalten alt = feld(s->dok.Hoehenfeld);
    std::vector<int> stand;
    const bool gezeigt =
        modalBedienen<TEingabeRegenErosion>(*f, "RegenErosionClick", [&](TEingabeRegenErosion& d) {
            EXPECT_EQ(d.windowTitle(), "Eingabe Regenerosion");
            QProgressBar* bar = d.statusAnzeige();
            EXPECT_TRUE(bar->isHidden());
            EXPECT_EQ(d.regler("Regenmenge")->wert(), 0.5);  // 0.1 shown as 0.1 * 5
            EXPECT_EQ(d.regler("Glaettung")->rec().Maximum, 1.0);
            ReglerWidget* z = d.regler("Zyklen");
            test::ziehen(z, 100, z->rec().Links);  // 1 cycle
            tasten(z, Qt::Key_Right, 2);           // 3 cycles
            QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { stand.push_back(v); });
            test::weiter(d);
            EXPECT_FALSE(bar->isHidden());
        });
    ASSERT_TRUE(gezeigt);
    EXPECT_EQ(stand, (std::vector<int>{0, 33, 67, 100}));
    EXPECT_EQ(letzteZeile(), "raining(3, 0.100, 0.100, 0.030)");
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    const Spalten neu = feld(s->dok.Hoehenfeld);
    EXPECT_NE(neu, alt);
    EXPECT_EQ(neu[2][2], 0.0);
}

TEST_F(Filter, DirectToneCommandsAreEnabledAndRecord) {
    for (const char* name :
         {"HelligkeitKontrast1Click", "N00101Click", "minmax1Click", "Gamma1Click", "In1Click",
          "Digitalisieren1Click", "RegenErosionClick"})
        EXPECT_TRUE(f->aktion(name)->isEnabled()) << name;
    setzen({-0.5, 0.25, 0.5, 1.0, 1.5});
    f->aktion("In1Click")->trigger();
    // Below 0 goes above 1; above 1 is cut to 0.
    EXPECT_EQ(s->dok.Hoehenfeld(0, 3), 1.5);
    EXPECT_EQ(s->dok.Hoehenfeld(1, 3), 0.75);
    EXPECT_EQ(s->dok.Hoehenfeld(4, 3), 0.0);
    EXPECT_EQ(s->dok.UndoBild(4, 3), 1.5);
    EXPECT_EQ(letzteZeile(), "invert");
    setzen({0.2, 0.4, 0.4, 0.6, 0.6});
    f->aktion("N00101Click")->trigger();
    EXPECT_NEAR(s->dok.Hoehenfeld(1, 0), 0.5, 1e-12);
    EXPECT_EQ(s->dok.Hoehenfeld(4, 0), 1.0);
    EXPECT_EQ(letzteZeile(), "scale(0.000, 1.000)");
}

}  // namespace
}  // namespace gm
