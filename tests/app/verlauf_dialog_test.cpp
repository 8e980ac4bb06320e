// The gradient and COFFEE commands through their real dialogs.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/coffee_dialog.h"
#include "app/hauptfenster.h"
#include "app/modal_hilfe.h"
#include "app/regler_widget.h"
#include "app/verlauf_dialog.h"
#include "script/sitzung.h"
#include "support/test_ordner.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

struct Verlauf : ::testing::Test {
    Sitzung s;
    TLandGenerator f{s};
    test::TestOrdner ordner;
    std::vector<std::string> fehler;
    std::vector<DateiDialog> dialoge;
    std::optional<std::string> antwort;
    void SetUp() override {
        Dialogdienste& d = f.dienste();
        d.speichern = [this](const DateiDialog& dd) {
            dialoge.push_back(dd);
            return antwort;
        };
        d.oeffnen = d.speichern;
        d.fehler = [this](const std::string& t) { fehler.push_back(t); };
    }
};

void eingeben(QLineEdit* e, const char* text) {
    e->setText(QString::fromUtf8(text));
    emit e->editingFinished();
}

TEST_F(Verlauf, SettingsDialogEditsTheRecordAndCancelKeepsIt) {
    const bool gezeigt =
        test::modalBedienen<TEingabeVerlauf>(f, "VerlaufBMP2Click", [](TEingabeVerlauf& d) {
            eingeben(d.feld(0), "4,6");
            eingeben(d.feld(1), "12");  // below 255: clamped
            EXPECT_EQ(d.feld(1)->text(), "255");
            const int laeufe = d.vorschauLaeufe();
            test::ziehen(d.regler("VerlaufZufall"), 12, d.regler("VerlaufZufall")->width() / 2);
            EXPECT_GT(d.vorschauLaeufe(), laeufe);
            d.schalter("Konstant")->click();
            d.findChild<QPushButton*>("Weiter")->click();
        });
    ASSERT_TRUE(gezeigt);
    EXPECT_DOUBLE_EQ(s.verlauf.BreiteX, 4.6);
    EXPECT_DOUBLE_EQ(s.verlauf.HoeheY, 255);
    EXPECT_GT(s.verlauf.VerlaufZufall, 40);
    EXPECT_LT(s.verlauf.VerlaufZufall, 60);
    EXPECT_TRUE(s.verlauf.Konstant);
    EXPECT_DOUBLE_EQ(s.verlauf.VerlaufAbweichung, 2);

    const VerlaufRec vorher = s.verlauf;
    test::modalBedienen<TEingabeVerlauf>(f, "VerlaufBMP2Click", [](TEingabeVerlauf& d) {
        eingeben(d.feld(0), "99");
        d.schalter("Konstant")->click();
        d.findChild<QPushButton*>("Abbrechen")->click();
    });
    EXPECT_EQ(s.verlauf.BreiteX, vorher.BreiteX);
    EXPECT_EQ(s.verlauf.Konstant, vorher.Konstant);
}

TEST_F(Verlauf, ExportWritesThePictureOfTheSettings) {
    s.verlauf = VerlaufRec{5, 300, 0, 0, false};
    antwort = ordner.datei("v.bmp");
    f.aktion("VerlaufBMP1Click")->trigger();
    ASSERT_EQ(dialoge.size(), 1u);
    EXPECT_EQ(fs::file_size(*antwort), 54u + (15 + 1) * 300);
    EXPECT_TRUE(fehler.empty());
}

TEST_F(Verlauf, CoffeeProposesASafeNameAndRefusesAMissingTemplate) {
    const std::string vorlage = ordner.datei("t.cof");
    std::ofstream(vorlage) << "id=PLID name=NAME";
    s.coffee.Vorlage = vorlage;
    f.zustand().coffee.ordner = ordner.pfad().string();
    antwort = ordner.datei("aus.cof");
    const bool gezeigt =
        test::modalBedienen<TExportiereCoffee>(f, "COFFEE1Click", [](TExportiereCoffee& d) {
            eingeben(d.pluginId(), "99999,7");
            EXPECT_EQ(d.pluginId()->text(), "30000");
            d.name()->setText(QString::fromUtf8("../Tal/Süd"));
            d.findChild<QPushButton*>("Weiter")->click();
        });
    ASSERT_TRUE(gezeigt);
    ASSERT_EQ(dialoge.size(), 1u);
    EXPECT_EQ(dialoge[0].vorschlag, (ordner.pfad() / ".._Tal_Süd.cof").string());
    std::ifstream aus(*antwort);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aus), {}), "id=30000 name=../Tal/Süd");
    EXPECT_TRUE(fehler.empty());

    s.coffee.Vorlage = ordner.datei("fehlt.cof");
    antwort = ordner.datei("nicht.cof");
    test::modalBedienen<TExportiereCoffee>(f, "COFFEE1Click", [](TExportiereCoffee& d) {
        d.findChild<QPushButton*>("Weiter")->click();
    });
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_FALSE(fs::exists(*antwort));
}

}  // namespace
}  // namespace gm
