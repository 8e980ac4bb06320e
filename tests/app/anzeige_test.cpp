// What the window shows of the document: named mode lists, the recording and
// mask marks in the status bar, script commands enabled only with lines, the
// shipped palettes and refused palette files.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/hauptfenster.h"
#include "app/palette_vorlagen.h"
#include "script/sitzung.h"
#include "support/test_ordner.h"

namespace gm {
namespace {

class Anzeige : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        Dialogdienste& d = f->dienste();
        d.oeffnen = [this](const DateiDialog& dd) {
            titel.push_back(dd.titel);
            return datei;
        };
        d.fehler = [this](const std::string& t) { fehler.push_back(t); };
    }
    void befehl(const char* name) { f->aktion(name)->trigger(); }
    QLabel* marke(const char* name) { return f->findChild<QLabel*>(name); }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    std::optional<std::string> datei;
    std::vector<std::string> titel, fehler;
};

TEST_F(Anzeige, ModeListsAreNamedAndTheStatusBarShowsRecordingAndMask) {
    const char* namen[2] = {"Verknüpfung", "Rechte Maustaste"};
    for (int i = 0; i < 2; ++i) {
        bool benannt = false;
        for (QLabel* l : f->findChildren<QLabel*>())
            benannt |= l->buddy() == f->modusListe(i) && l->text() == QString::fromUtf8(namen[i]);
        EXPECT_TRUE(benannt) << i;
    }

    EXPECT_FALSE(f->aktion("ScriptAbspielenClick")->isEnabled());
    EXPECT_FALSE(f->aktion("ScriptSpeichernClick")->isEnabled());
    EXPECT_TRUE(marke("Aufnahme")->isHidden());
    befehl("ScriptAufnehmenClick");
    EXPECT_FALSE(marke("Aufnahme")->isHidden());
    befehl("Erosion1Click");
    f->modusListe(0)->setCurrentIndex(0);  // records "paintmode(1)"
    EXPECT_EQ(s->dok.ScriptAnzahl, 2);
    EXPECT_EQ(marke("Aufnahme")->text(), "Aufnahme: 2 Zeilen");
    EXPECT_TRUE(f->aktion("ScriptAbspielenClick")->isEnabled());
    EXPECT_TRUE(f->aktion("ScriptSpeichernClick")->isEnabled());
    befehl("ScriptNeuClick");
    EXPECT_TRUE(marke("Aufnahme")->isHidden());
    EXPECT_FALSE(f->aktion("ScriptAbspielenClick")->isEnabled());

    EXPECT_TRUE(marke("MaskenHinweis")->isHidden());
    EXPECT_TRUE(f->aktion("Alles1Click")->statusTip().contains("blau = geschützt"));
    befehl("Alles1Click");
    EXPECT_FALSE(marke("MaskenHinweis")->isHidden());
    EXPECT_TRUE(marke("MaskenHinweis")->text().contains("blau = geschützt"));
    befehl("Abwhlen1Click");
    EXPECT_TRUE(marke("MaskenHinweis")->isHidden());
}

TEST_F(Anzeige, ShippedPalettesLoadAndOtherFilesAreRefused) {
    f->zustand().Datenordner = GM_DATENORDNER;
    auto* vorlagen = f->findChild<QMenu*>("PaletteVorlagen");
    ASSERT_NE(vorlagen, nullptr);
    ASSERT_EQ(vorlagen->actions().size(), 4);
    std::vector<int> punkte;
    for (QAction* a : vorlagen->actions()) {
        s->farben.Paletten[0].MaxIndex = 1;
        a->trigger();
        punkte.push_back(s->farben.Paletten[0].MaxIndex);
    }
    EXPECT_TRUE(fehler.empty());
    EXPECT_EQ(punkte, (std::vector<int>{7, 4, 4, 1}));
    EXPECT_EQ(s->farben.Paletten[0].Punkte[1].Rot, 1.0);  // "Grau" ends in white
    EXPECT_FALSE(f->zustand().palette.gewaehlt());        // "Speichern" asks for a name

    test::TestOrdner ordner;
    const ColourState vorher = s->farben;
    for (const char* inhalt : {"hallo\n", "Gravimonte-Script\r\nbuild_noise(1)\r\n"}) {
        std::ofstream(ordner.datei("x.fpl"), std::ios::binary) << inhalt;
        datei = ordner.datei("x.fpl");
        befehl("Laden1Click");
        ASSERT_FALSE(fehler.empty()) << inhalt;
        EXPECT_NE(fehler.back().find("not a palette file"), std::string::npos) << fehler.back();
        EXPECT_EQ(s->farben.Paletten[0].MaxIndex, vorher.Paletten[0].MaxIndex);
        EXPECT_EQ(s->farben.Render.SchneeHoehe, vorher.Render.SchneeHoehe);
    }

    datei.reset();
    befehl("stm1Click");
    EXPECT_EQ(titel.back(), "Importieren Stm");
}

}  // namespace
}  // namespace gm
