// The fractal, crater, dune and cell dialogs opened through their "&Fuellen"
// commands on the real window and applied through "Übernehmen".

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <vector>

#include "app/duenen_dialog.h"
#include "app/einmal_dialog.h"
#include "app/fraktal_dialog.h"
#include "app/krater_generator_dialog.h"
#include "app/zellen_dialog.h"
#include "core/kombination.h"
#include "core/zufall.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;
using test::weiter;
using test::ziehen;

class Fuellen : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{33, 33}; };
        f->aktion("FileNew1Execute")->trigger();  // 33 x 33, all zero
        vorbereiten(s->dok);
        setzeSeed(s->dok, 17);
        erwartet = std::make_unique<Sitzung>();
        erwartet->dok.MaxX = erwartet->dok.MaxY = 32;
        vorbereiten(erwartet->dok);
        setzeSeed(erwartet->dok, 17);
    }
    static void vorbereiten(Dokument& d) {
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                d.Hoehenfeld(x, y) = 0.25 + 0.01 * ((x + 2 * y) % 7);
        d.Verknuepfungsmodus = 1;  // the mapped layer replaces the field
    }
    // The window's field against the expected session's, then undo brings
    // back the field from before the dialog.
    void vergleichen() {
        for (int x = 0; x <= 32; ++x)
            for (int y = 0; y <= 32; ++y)
                ASSERT_EQ(s->dok.Hoehenfeld(x, y), erwartet->dok.Hoehenfeld(x, y)) << x << "," << y;
        f->aktion("Undo1Click")->trigger();
        for (int x = 0; x <= 32; ++x)
            for (int y = 0; y <= 32; ++y)
                ASSERT_EQ(s->dok.Hoehenfeld(x, y), 0.25 + 0.01 * ((x + 2 * y) % 7));
    }

    std::unique_ptr<Sitzung> s, erwartet;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(Fuellen, FractalNavigatesTheWindowAndAppliesIt) {
    ASSERT_TRUE(f->aktion("Fraktal1Click")->isEnabled());
    const bool gezeigt = modalBedienen<TErstelleFraktal>(*f, "Fraktal1Click", [&](auto& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Eingabe für Fraktale"));
        const int vorher = d.vorschauLaeufe();
        d.template findChild<QPushButton*>("SpeedButton2")->click();   // "Punkt 01"
        d.template findChild<QPushButton*>("SpeedButton10")->click();  // "+"
        d.template findChild<QPushButton*>("SpeedButton7")->click();   // "<"
        auto* darstellung = d.template findChild<QLabel*>("Darstellung");
        QMouseEvent los(QEvent::MouseButtonRelease, QPointF(64, 192), QPointF(64, 192),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(darstellung, &los);
        EXPECT_EQ(d.vorschauLaeufe(), vorher + 4);
        ziehen(d.regler("Tiefe"), d.regler("Tiefe")->rec().Links, d.regler("Tiefe")->rec().Links);
        weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    FraktalParamRec p = FraktalStandard();
    FraktalVorgabe(p, 2);
    FraktalZoomen(p, 1);
    FraktalVerschieben(p, 2, 256, 256);
    FraktalKlick(p, 64, 192, 256, 256, true);
    p.Tiefe = 10;
    const FraktalParamRec& g = einmalDialog<TErstelleFraktal>(*f).gespeichert();
    EXPECT_EQ(g.XMin, p.XMin);
    EXPECT_EQ(g.YMax, p.YMax);
    EXPECT_EQ(g.Tiefe, 10);
    FraktalBerechnen(erwartet->dok, p);
    ZweitbildVerknuepfen(erwartet->dok);
    vergleichen();
    // Cancel keeps the stored window; the next opening starts from it.
    modalBedienen<TErstelleFraktal>(*f, "Fraktal1Click", [&](auto& d) {
        EXPECT_EQ(d.arbeit().XMin, p.XMin);
        d.template findChild<QPushButton*>("SpeedButton1")->click();
        d.reject();
    });
    EXPECT_EQ(einmalDialog<TErstelleFraktal>(*f).gespeichert().XMin, p.XMin);
}

TEST_F(Fuellen, CratersDrawTheirProfileAndUndoBringsBackTheTerrain) {
    const bool gezeigt = modalBedienen<TErstelleKrater>(*f, "Krater1Click", [&](auto& d) {
        const QImage vorher = d.profil();
        auto* r = d.regler("Grenze");
        ziehen(r, r->rec().Links, r->rec().Links);  // Grenze 0.01
        EXPECT_NE(d.profil(), vorher);
        for (int x = 0; x < d.profil().width(); ++x) {
            int weiss = 0;
            for (int y = 0; y < d.profil().height(); ++y)
                weiss += d.profil().pixel(x, y) == qRgb(255, 255, 255);
            ASSERT_EQ(weiss, 1) << x;
        }
        weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    KraterParamRec p = KraterStandard();
    p.Grenze = 0.01;
    EXPECT_EQ(einmalDialog<TErstelleKrater>(*f).gespeichert().Grenze, 0.01);
    KraterAnwenden(erwartet->dok, p);
    vergleichen();
}

TEST_F(Fuellen, DunesRenewOneFamilyAndApplyTheWorkingSet) {
    const bool gezeigt = modalBedienen<TErstelleDuenen>(*f, "Duenen1Click", [&](auto& d) {
        // Opening made both families from the document's generator.
        EXPECT_EQ(s->dok.RandSeed, ZufallVoraus(17, 2u * 102u * 4100u));
        d.neueLandschaft(1)->click();
        EXPECT_EQ(s->dok.RandSeed, ZufallVoraus(17, 3u * 102u * 4100u));
        d.schalter("Invertieren")->click();
        auto* r = d.regler("Iterationen");
        ziehen(r, r->rec().Rechts, r->rec().Rechts);  // 100
        EXPECT_FALSE(d.flanken().isNull());
        weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    DuenenParamRec p = DuenenStandard();
    p.Invertieren = true;
    p.Iterationen = 100;
    p.NeueLandschaftV = true;
    EXPECT_EQ(einmalDialog<TErstelleDuenen>(*f).gespeichert().Iterationen, 100);
    DuenenErzeugen(erwartet->dok, erwartet->duenen, p);
    ZweitbildVerknuepfen(erwartet->dok);
    vergleichen();
}

TEST_F(Fuellen, CellsTakeTheMeasureFromTheRadioGroup) {
    const bool gezeigt = modalBedienen<TErstelleZellen>(*f, "Zellen1Click", [&](auto& d) {
        EXPECT_EQ(s->dok.RandSeed, ZufallVoraus(17, 2u * 999u));
        const int vorher = d.vorschauLaeufe();
        d.verknuepfung()->button(2)->click();
        d.neueBerechnung()->click();
        EXPECT_EQ(d.vorschauLaeufe(), vorher + 2);
        auto* r = d.regler("Anzahl");
        ziehen(r, r->rec().Rechts, r->rec().Rechts);  // 999
        weiter(d);
    });
    ASSERT_TRUE(gezeigt);
    ZellenParamRec p = ZellenStandard();
    p.Verknuepfung = 2;
    p.Anzahl = 999;
    p.NeueBerechnung = true;
    EXPECT_EQ(einmalDialog<TErstelleZellen>(*f).gespeichert().Verknuepfung, 2);
    ZellenErzeugen(erwartet->dok, erwartet->zellen, p);
    ZweitbildVerknuepfen(erwartet->dok);
    vergleichen();
}

}  // namespace
}  // namespace gm
