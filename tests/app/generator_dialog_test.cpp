// The generator dialogs opened through their "&Fuellen" commands on the real
// window, driven through their widgets inside the modal loop.

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/einmal_dialog.h"
#include "app/mittelpunkt_dialog.h"
#include "app/noise_dialog.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"
#include "script/zeile.h"

namespace gm {
namespace {

using test::modalBedienen;
using test::ziehen;

class Generatoren : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [this](Groesse) { return groesse; };
        f->aktion("FileNew1Execute")->trigger();  // 33 x 33, all zero
        Dokument& d = s->dok;
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                d.Hoehenfeld(x, y) = 0.25;
        d.Verknuepfungsmodus = 1;  // the mapped layer replaces the field
        d.ScriptAufnahme = true;
    }

    std::vector<double> feld(const TFeld& t) const {
        std::vector<double> v;
        for (int x = 0; x <= s->dok.MaxX; ++x)
            for (int y = 0; y <= s->dok.MaxY; ++y)
                v.push_back(t(x, y));
        return v;
    }

    Groesse groesse{33, 33};
    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(Generatoren, NoiseAppliesTheWorkingSetCombinesAndRecords) {
    const std::vector<double> alt = feld(s->dok.Hoehenfeld);
    ASSERT_TRUE(f->aktion("PerlinNoise1Click")->isEnabled());
    const bool gezeigt = modalBedienen<TErstelleNoise>(*f, "PerlinNoise1Click", [&](auto& d) {
        // 33 samples: eight usable levels; the other boxes stay checked but disabled.
        EXPECT_EQ(d.levelAnzahl(), 8);
        EXPECT_TRUE(d.schalter("Level8")->isEnabled());
        EXPECT_FALSE(d.schalter("Level9")->isEnabled());
        EXPECT_TRUE(d.schalter("Level11")->isChecked());
        EXPECT_EQ(d.startwertFeld()->text(), "15360");
        EXPECT_EQ(d.setups()->itemText(8), "rm Start");
        EXPECT_EQ(d.vorschauLaeufe(), 1);
        const QImage vorher = d.vorschau();

        // Dragging moves the working set; only the release recomputes.
        ReglerWidget* a1 = d.regler("Anstieg1");
        ziehen(a1, 100, a1->rec().Links,
               [&] { EXPECT_EQ(d.vorschauLaeufe(), 1) << "preview during a drag"; });
        EXPECT_EQ(d.vorschauLaeufe(), 2);
        EXPECT_DOUBLE_EQ(d.arbeit().Anstieg1, 0.1);
        EXPECT_NE(d.vorschau(), vorher);

        d.methoden()->setCurrentIndex(10);
        EXPECT_EQ(d.vorschauLaeufe(), 3);
        d.verknuepfung()->button(1)->click();  // f = f(x) + f(y)
        EXPECT_EQ(d.vorschauLaeufe(), 4);
        // Leaving the seed field rebuilds the tables; text falls back to 15731.
        d.startwertFeld()->setText("abc");
        QTest::keyClick(d.startwertFeld(), Qt::Key_Return);
        EXPECT_EQ(d.zustand().tabellen.Startwert, 15731.0);
        EXPECT_EQ(d.startwertFeld()->text(), "15731");
        d.startwertFeld()->setText("77");
        QTest::keyClick(d.startwertFeld(), Qt::Key_Return);
        EXPECT_EQ(d.zustand().tabellen.Startwert, 77.0);
        test::weiter(d);
    });
    ASSERT_TRUE(gezeigt);

    const std::string zeile =
        "build_noise(0.100, 2.000, 0.500, 1.000, 77.000, 0, 1, 10, 4095, 0, 2, 100.000, 0.000, 1, "
        "100.000, 0.000)";
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(s->dok.ScriptListe[1], zeile);
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    const std::vector<double> neu = feld(s->dok.Hoehenfeld);
    EXPECT_NE(neu, alt);
    // Stretched to 0..1 by the combination.
    EXPECT_EQ(*std::min_element(neu.begin(), neu.end()), 0.0);
    EXPECT_EQ(*std::max_element(neu.begin(), neu.end()), 1.0);

    // The recorded line replays exactly the applied field.
    auto nach = std::make_unique<Sitzung>();
    NeueGroesse(nach->dok, 32, 32, true);
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 32; ++y)
            nach->dok.Hoehenfeld(x, y) = 0.25;
    nach->dok.Verknuepfungsmodus = 1;
    ZeileAusfuehren(*nach, zeile);
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 32; ++y)
            ASSERT_EQ(nach->dok.Hoehenfeld(x, y), s->dok.Hoehenfeld(x, y)) << x << "," << y;

    // The stored set now holds the applied values; reopening shows them.
    modalBedienen<TErstelleNoise>(*f, "PerlinNoise1Click", [&](auto& d) {
        EXPECT_DOUBLE_EQ(d.regler("Anstieg1")->wert(), 0.1);
        EXPECT_EQ(d.methoden()->currentIndex(), 10);
        EXPECT_TRUE(d.verknuepfung()->button(1)->isChecked());
        EXPECT_EQ(d.startwertFeld()->text(), "77");
    });
}

TEST_F(Generatoren, NoiseCancelLeavesFieldUndoScriptAndStoredSet) {
    s->dok.UndoBild(3, 3) = 0.75;
    const std::vector<double> alt = feld(s->dok.Hoehenfeld);
    const std::vector<double> undo = feld(s->dok.UndoBild);
    modalBedienen<TErstelleNoise>(*f, "PerlinNoise1Click", [&](auto& d) {
        ziehen(d.regler("Offset"), 50, d.regler("Offset")->rec().Rechts);
        d.setups()->setCurrentIndex(1);  // "fBm2": method 2, 2.0 / 6.0 / 0.5 / 1.0
        EXPECT_EQ(d.methoden()->currentIndex(), 2);
        EXPECT_DOUBLE_EQ(d.arbeit().Anstieg2, 6.0);
        EXPECT_DOUBLE_EQ(d.arbeit().Offset, 1.0);
        d.schalter("Invertieren")->click();
        // The two labels take no focus on a click, so a seed typed but not
        // left is not read (no table rebuild) when the dialog is cancelled.
        for (const char* name : {"Weiter", "Abbrechen"}) {
            const auto* k = d.template findChild<QPushButton*>(name);
            EXPECT_FALSE(k->focusPolicy() & Qt::ClickFocus) << name;
        }
        test::abbrechen(d);
    });
    EXPECT_EQ(feld(s->dok.Hoehenfeld), alt);
    EXPECT_EQ(feld(s->dok.UndoBild), undo);
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);
    modalBedienen<TErstelleNoise>(*f, "PerlinNoise1Click", [&](auto& d) {
        EXPECT_DOUBLE_EQ(d.regler("Offset")->wert(), 0.5);
        EXPECT_DOUBLE_EQ(d.regler("Anstieg2")->wert(), 2.0);
        EXPECT_EQ(d.methoden()->currentIndex(), 0);
        EXPECT_FALSE(d.schalter("Invertieren")->isChecked());
    });
}

TEST_F(Generatoren, MidpointAppliesTheFieldLastShownWithoutARecordedLine) {
    const std::vector<double> alt = feld(s->dok.Hoehenfeld);
    std::vector<double> gezeigt;
    const bool offen =
        modalBedienen<TErstelleMittelpunkt>(*f, "MidpointDisplacement1Click", [&](auto& d) {
            EXPECT_EQ(d.berechnungen(), 1);
            EXPECT_EQ(d.levelAnzahl(), 8);
            EXPECT_EQ(d.regler("Ebenen")->rec().Maximum, 8.0);
            ReglerWidget* a = d.regler("Anstieg");
            ziehen(a, 30, a->rec().Rechts, [&] { EXPECT_EQ(d.berechnungen(), 1); });
            EXPECT_EQ(d.berechnungen(), 2);
            EXPECT_DOUBLE_EQ(d.arbeitsSatz()[0], 2.0);
            // Lowest level setting: 4 x 4 lattice joined by the cosine fill.
            ReglerWidget* e = d.regler("Ebenen");
            ziehen(e, e->rec().Rechts, e->rec().Links);
            EXPECT_EQ(d.berechnungen(), 3);
            d.neueBerechnung()->click();
            EXPECT_EQ(d.berechnungen(), 4);
            // The invert box only redraws.
            const int laeufe = d.vorschauLaeufe();
            const QImage profil = d.profil();
            d.schalter("Invertieren")->click();
            EXPECT_EQ(d.berechnungen(), 4);
            EXPECT_EQ(d.vorschauLaeufe(), laeufe + 1);
            EXPECT_NE(d.profil(), profil);
            gezeigt = feld(s->dok.Zweitbild);
            test::weiter(d);
        });
    ASSERT_TRUE(offen);
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    // The shown field, stretched to 0..1 and inverted, replaces the field.
    ASSERT_FALSE(gezeigt.empty());
    const double mn = *std::min_element(gezeigt.begin(), gezeigt.end());
    const double mx = *std::max_element(gezeigt.begin(), gezeigt.end());
    ASSERT_LT(mn, mx);
    const std::vector<double> neu = feld(s->dok.Hoehenfeld);
    for (std::size_t i = 0; i < neu.size(); ++i)
        ASSERT_NEAR(neu[i], 1.0 - (gezeigt[i] - mn) / (mx - mn), 1e-12) << i;
    // Ebenen 2 on a 256 square: 33 samples lie inside one cosine-filled cell,
    // so every column rises or falls monotonically.
    const int n = s->dok.MaxY + 1;
    for (int x = 0; x < n; x += 8) {
        const double* sp = s->dok.Hoehenfeld.spalte(x);
        const bool steigt = sp[n - 1] >= sp[0];
        for (int y = 1; y < n; ++y)
            ASSERT_TRUE(steigt ? sp[y] >= sp[y - 1] : sp[y] <= sp[y - 1]) << x << "," << y;
    }

    const MittelpunktParamRec g = einmalDialog<TErstelleMittelpunkt>(*f).gespeichert();
    EXPECT_DOUBLE_EQ(g.Anstieg, 2.0);
    EXPECT_EQ(g.Ebenen, 2);
    EXPECT_TRUE(g.Invertieren);
}

TEST_F(Generatoren, MidpointLowersAStoredLevelCountAboveTheGridsAndCancelKeepsAll) {
    groesse = {600, 600};
    f->aktion("FileNew1Execute")->trigger();
    modalBedienen<TErstelleMittelpunkt>(*f, "MidpointDisplacement1Click", [&](auto& d) {
        EXPECT_EQ(d.levelAnzahl(), 10);
        ReglerWidget* e = d.regler("Ebenen");
        ziehen(e, e->rec().Links, e->rec().Rechts);
        EXPECT_EQ(d.arbeitsSatz()[1], 10.0);
        test::weiter(d);
    });
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);
    groesse = {33, 33};
    f->aktion("FileNew1Execute")->trigger();
    const std::vector<double> alt = feld(s->dok.Hoehenfeld);
    const std::vector<double> undo = feld(s->dok.UndoBild);
    modalBedienen<TErstelleMittelpunkt>(*f, "MidpointDisplacement1Click", [&](auto& d) {
        EXPECT_EQ(d.levelAnzahl(), 8);
        EXPECT_EQ(d.regler("Ebenen")->wert(), 8.0);  // lowered from 10
        ziehen(d.regler("Anstieg"), 20, 200);
        test::abbrechen(d);
    });
    EXPECT_EQ(feld(s->dok.Hoehenfeld), alt);
    EXPECT_EQ(feld(s->dok.UndoBild), undo);
    EXPECT_EQ(einmalDialog<TErstelleMittelpunkt>(*f).gespeichert().Ebenen, 8);
}

}  // namespace
}  // namespace gm
