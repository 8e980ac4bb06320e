// The transform dialogs and commands of the "&Bild" menu on the real window.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "app/transform_dialoge.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;

class Transform : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{7, 5}; };
        f->aktion("FileNew1Execute")->trigger();
        for (int x = 0; x <= 6; ++x)
            for (int y = 0; y <= 4; ++y)
                s->dok.Hoehenfeld(x, y) = (x * 5 + y) / 34.0;
        s->dok.ScriptAufnahme = true;
    }
    std::string letzteZeile() const { return s->dok.ScriptListe[std::size_t(s->dok.ScriptAnzahl)]; }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(Transform, RotatingARectangleSwapsTheExtentsAndUndoBringsThemBack) {
    s->dok.Verknuepfungsmodus = 1;
    f->aktion("N901Click")->trigger();
    EXPECT_EQ(s->dok.MaxX, 4);
    EXPECT_EQ(s->dok.MaxY, 6);
    // (x, y) takes (y, MaxX - x) with the new MaxX 4.
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 4.0 / 34.0);
    EXPECT_EQ(s->dok.Hoehenfeld(4, 6), 30.0 / 34.0);
    f->aktion("Undo1Click")->trigger();
    EXPECT_EQ(s->dok.MaxX, 6);
    EXPECT_EQ(s->dok.MaxY, 4);
    EXPECT_EQ(s->dok.Hoehenfeld(6, 4), 1.0);
}

TEST_F(Transform, TwirlDialogClampsTheStoredCentreAndRecordsItsLine) {
    const bool gezeigt = modalBedienen<TEingabeTwirl>(*f, "Twirl1Click", [&](TEingabeTwirl& d) {
        // The stored centre 255 is brought into the 7 x 5 field.
        EXPECT_EQ(d.arbeitsSatz()[0], 6.0);
        EXPECT_EQ(d.arbeitsSatz()[1], 4.0);
        EXPECT_EQ(d.regler("TwirlX")->rec().Maximum, 6.0);
        test::weiter(d);
    });
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(letzteZeile(), "twirl(6, 4, 90.000, 150.000)");
}

TEST_F(Transform, TraceDialogTakesTheGridChoiceAndHasAToleranceFloor) {
    const bool gezeigt = modalBedienen<TEingabeTrace>(*f, "Trace1Click", [&](TEingabeTrace& d) {
        EXPECT_TRUE(d.gitter(0)->isChecked());
        EXPECT_EQ(d.regler("TraceToleranz")->rec().Minimum, 0.01);
        EXPECT_EQ(d.regler("TraceToleranz")->rec().Maximum, 1.0);
        d.gitter(3)->click();
        test::weiter(d);
    });
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(letzteZeile(), "trace(0.100, 1, 3, 0)");
}

TEST_F(Transform, WavesDialogIsTitledLikeItsMenuItemAndRecordsItsLine) {
    const bool gezeigt =
        modalBedienen<ParameterDialog>(*f, "Wellen1Click", [&](ParameterDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Wellen"));
            test::weiter(d);
        });
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(letzteZeile(), "wave(3.000, 3.000, 32.000, 32.000)");
}

TEST_F(Transform, ShiftAndEnlargeDialogs) {
    bool gezeigt = modalBedienen<TEingabeBildVerschieben>(
        *f, "Bildverschieben1Click", [&](TEingabeBildVerschieben& d) {
            EXPECT_TRUE(d.richtung(2)->isChecked());
            d.anzahl()->setText("2");
            d.richtung(3)->click();
            d.nullen()->setChecked(true);
            test::weiter(d);
        });
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 0.0);
    EXPECT_EQ(s->dok.Hoehenfeld(2, 0), 0.0 / 34.0);
    EXPECT_EQ(s->dok.Hoehenfeld(3, 1), 6.0 / 34.0);

    s->dok.Maske(2, 0) = 1;
    gezeigt =
        modalBedienen<TEingabeBildErweitern>(*f, "Anfgen1Click", [&](TEingabeBildErweitern& d) {
            EXPECT_EQ(d.feldX()->text(), "513");
            EXPECT_TRUE(d.anker(5)->isChecked());
            d.groesse("129 x 129")->click();
            EXPECT_EQ(d.feldY()->text(), "129");
            d.feldX()->setText("3");  // below the floor of 5 points
            d.anker(9)->click();
            test::weiter(d);
        });
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(s->dok.MaxX, 4);
    EXPECT_EQ(s->dok.MaxY, 128);
    // Anchor 9: the old x = 2..6 sit at 0..4, the old y = 0..4 at 124..128;
    // the old (3, 1) holds the shifted (1, 1).
    EXPECT_EQ(s->dok.Hoehenfeld(1, 125), 6.0 / 34.0);
    EXPECT_EQ(s->dok.Hoehenfeld(1, 0), 0.0);
    EXPECT_EQ(s->dok.Maske(0, 124), 1);  // the mask moves with its samples
    EXPECT_EQ(s->dok.Maske(2, 0), 0);
    f->aktion("Undo1Click")->trigger();
    EXPECT_EQ(s->dok.MaxX, 6);
    EXPECT_EQ(s->dok.MaxY, 4);
}

}  // namespace
}  // namespace gm
