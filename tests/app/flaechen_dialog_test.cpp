// The rotation, function, landscape and spores dialogs opened through their
// "&Fuellen" commands on the real window, driven through their widgets.

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <cstring>
#include <memory>
#include <vector>

#include "app/funktionen_dialog.h"
#include "app/landschaft_dialog.h"
#include "app/rotation_dialog.h"
#include "app/sporen_dialog.h"
#include "core/puffer.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"
#include "script/zeile.h"

namespace gm {
namespace {

using test::modalBedienen;
using test::ziehen;

class Flaechen : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{33, 25}; };
        f->aktion("FileNew1Execute")->trigger();  // 33 x 25, all zero
        for (int x = 0; x <= 32; ++x)
            for (int y = 0; y <= 24; ++y)
                s->dok.Hoehenfeld(x, y) = 0.25;
        s->dok.Verknuepfungsmodus = 1;  // the stretched layer replaces the field
        s->dok.ScriptAufnahme = true;
    }
    std::vector<double> feld(const TFeld& t) const {
        std::vector<double> v;
        for (int x = 0; x <= s->dok.MaxX; ++x)
            for (int y = 0; y <= s->dok.MaxY; ++y)
                v.push_back(t(x, y));
        return v;
    }
    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(Flaechen, RotationCouplesAppliesAndItsLineReplaysTheField) {
    const std::vector<double> alt = feld(s->dok.Hoehenfeld);
    ASSERT_TRUE(modalBedienen<TErstelleRotation>(*f, "Rotation1Click", [&](auto& d) {
        // Ranges and start values from the 33 x 25 field.
        EXPECT_EQ(d.regler("MitteX")->rec().Maximum, 33.0);
        EXPECT_EQ(d.regler("RadiusY")->rec().Maximum, 25.0);
        EXPECT_EQ(d.regler("MitteX")->wert(), 15.0);  // Round(16.5) - 1
        EXPECT_EQ(d.regler("RadiusX")->wert(), 10.0);
        EXPECT_EQ(d.kurven()->count(), 8);
        EXPECT_EQ(d.kurven()->currentIndex(), 2);  // 'f=x'
        const int vorher = d.vorschauLaeufe();
        // The focus follows the centre while "MitteFokusGleich" is on.
        ziehen(d.regler("FokusX"), 60, 150);
        EXPECT_EQ(d.vorschauLaeufe(), vorher + 1);
        EXPECT_EQ(d.arbeit().FokusX, 15.0);
        d.schalter("MitteFokusGleich")->click();
        d.schalter("RadienGleich")->click();
        EXPECT_NE(d.arbeit().FokusX, 15.0);
        ziehen(d.regler("Winkel"), 60, 120);
        d.kurven()->setCurrentIndex(5);
        d.schalter("Welle")->click();
        test::weiter(d);
    }));
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    const std::string zeile = s->dok.ScriptListe[1];
    EXPECT_EQ(zeile.rfind("build_rotate(6, ", 0), 0u) << zeile;
    EXPECT_EQ(feld(s->dok.UndoBild), alt);
    EXPECT_NE(feld(s->dok.Hoehenfeld), alt);

    auto nach = std::make_unique<Sitzung>();
    NeueGroesse(nach->dok, 32, 24, true);
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 24; ++y)
            nach->dok.Hoehenfeld(x, y) = 0.25;
    nach->dok.Verknuepfungsmodus = 1;
    ASSERT_TRUE(ZeileAusfuehren(*nach, zeile).ausgefuehrt());
    EXPECT_EQ(feld(nach->dok.Hoehenfeld), feld(s->dok.Hoehenfeld)) << zeile;

    // Reopening shows the applied set.
    modalBedienen<TErstelleRotation>(*f, "Rotation1Click", [&](auto& d) {
        EXPECT_EQ(d.kurven()->currentIndex(), 5);
        EXPECT_FALSE(d.schalter("MitteFokusGleich")->isChecked());
        EXPECT_TRUE(d.schalter("Welle")->isChecked());
    });
}

TEST_F(Flaechen, FunctionListsGroupAndSlidersReachTheField) {
    ASSERT_TRUE(modalBedienen<TErstelleFunktionen>(*f, "Funktion1Click", [&](auto& d) {
        EXPECT_EQ(d.kurven(1)->itemText(3), QString::fromUtf8("f=y²"));
        EXPECT_TRUE(d.verknuepfung()->button(0)->isChecked());
        const int vorher = d.vorschauLaeufe();
        d.kurven(0)->setCurrentIndex(3);
        d.verknuepfung()->button(1)->click();
        ziehen(d.regler("PeriodenX"), 60, 140);
        EXPECT_EQ(d.vorschauLaeufe(), vorher + 3);
        EXPECT_EQ(d.arbeit().Achse[0].Kurve, 4);
        EXPECT_EQ(d.arbeit().Verknuepfung, 1);
        EXPECT_GT(d.arbeit().Achse[0].Perioden, 1.0);
        test::weiter(d);
    }));
    auto* d = f->findChild<TErstelleFunktionen*>();
    ASSERT_NE(d, nullptr);
    auto erwartet = std::make_unique<Dokument>();
    erwartet->MaxX = 32;
    erwartet->MaxY = 24;
    FunktionenBerechnen(*erwartet, d->gespeichert());
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 24; ++y)
            ASSERT_NEAR(s->dok.Hoehenfeld(x, y), erwartet->Zweitbild(x, y), 1e-12) << x << "," << y;
}

TEST_F(Flaechen, LandscapeModesShowTheirLevelAndCancelKeepsTheStoredSet) {
    ASSERT_TRUE(modalBedienen<TErstelleLandschaft>(*f, "Schollen1Click", [&](auto& d) {
        EXPECT_EQ(d.windowTitle(), "Erstelle Landschaft / Schollen");
        EXPECT_FALSE(d.regler("Anzahl")->isHidden());
        EXPECT_TRUE(d.regler("Ebenen")->isHidden());
        ziehen(d.regler("Anzahl"), 60, 20);
        EXPECT_EQ(d.arbeit().Anzahl, int(d.regler("Anzahl")->wert()));
        EXPECT_LT(d.arbeit().Anzahl, 128);
        test::weiter(d);
    }));
    const std::vector<double> geschollt = feld(s->dok.Hoehenfeld);
    EXPECT_NE(geschollt, feld(s->dok.UndoBild));
    ASSERT_TRUE(modalBedienen<TErstelleLandschaft>(*f, "ErsterVersuch1Click", [&](auto& d) {
        EXPECT_EQ(d.windowTitle(), "Erstelle Landschaft / Erster Versuch");
        EXPECT_TRUE(d.regler("Anzahl")->isHidden());
        EXPECT_EQ(d.regler("Ebenen")->wert(), 10.0);
        // One stored set for both modes.
        EXPECT_EQ(d.regler("Anzahl")->wert(),
                  f->findChild<TErstelleLandschaft*>()->gespeichert().Anzahl);
        EXPECT_LT(d.regler("Anzahl")->wert(), 128.0);
        ziehen(d.regler("Weichheit"), 60, 200);
        d.reject();
    }));
    EXPECT_EQ(feld(s->dok.Hoehenfeld), geschollt);
    EXPECT_EQ(f->findChild<TErstelleLandschaft*>()->gespeichert().Weichheit, 0.0);
}

TEST_F(Flaechen, SporesNewTablesOnCancelAreDroppedAndOnApplyKept) {
    SporenTabellen vorher{};
    ASSERT_TRUE(modalBedienen<TErstelleSporen>(*f, "Sporen1Click", [&](auto& d) {
        ASSERT_NE(s->sporen, nullptr);  // made at the first opening
        vorher = *s->sporen;
        const QImage bild = d.vorschau();
        d.neueBerechnung()->click();
        EXPECT_NE(std::memcmp(&d.tabellen(), &vorher, sizeof vorher), 0);
        EXPECT_NE(d.vorschau(), bild);
        d.reject();
    }));
    EXPECT_EQ(std::memcmp(s->sporen.get(), &vorher, sizeof vorher), 0);
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);
    ASSERT_TRUE(modalBedienen<TErstelleSporen>(*f, "Sporen1Click", [&](auto& d) {
        EXPECT_EQ(std::memcmp(&d.tabellen(), &vorher, sizeof vorher), 0);
        d.neueBerechnung()->click();
        ziehen(d.regler("SporenZellenX"), 60, 40);
        vorher = d.tabellen();
        test::weiter(d);
    }));
    EXPECT_EQ(std::memcmp(s->sporen.get(), &vorher, sizeof vorher), 0);
    auto erwartet = std::make_unique<Dokument>();
    erwartet->MaxX = 32;
    erwartet->MaxY = 24;
    SporenBerechnen(*erwartet, f->findChild<TErstelleSporen*>()->gespeichert(), vorher);
    double lo = 1, hi = 0;
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 24; ++y) {
            lo = std::min(lo, erwartet->Zweitbild(x, y));
            hi = std::max(hi, erwartet->Zweitbild(x, y));
        }
    for (int x = 0; x <= 32; ++x)
        for (int y = 0; y <= 24; ++y)
            ASSERT_NEAR(s->dok.Hoehenfeld(x, y), (erwartet->Zweitbild(x, y) - lo) / (hi - lo),
                        1e-12);
}

}  // namespace
}  // namespace gm
