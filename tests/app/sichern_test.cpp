#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/aenderungen.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/zuletzt.h"
#include "script/sitzung.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

// The window with the file dialogs and the save question answered by the test.
class Sichern : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        ordner = fs::temp_directory_path() / ("gm_sichern_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
        f->zustand().zuletztDatei = (ordner / "zuletzt.txt").string();
        f->zustand().zuletzt.clear();
        Dialogdienste& d = f->dienste();
        d.oeffnen = [this](const DateiDialog& dd) {
            dialoge.push_back(dd);
            return datei;
        };
        d.speichern = d.oeffnen;
        d.frage = [](const std::string&) { return Antwort::Ja; };
        d.sichern = [this](const std::string& text) {
            fragen.push_back(text);
            return antwort;
        };
        d.fehler = [this](const std::string& text) { fehler.push_back(text); };
        d.groesse = [this](Groesse) { return groesse; };
    }
    void TearDown() override { fs::remove_all(ordner); }

    void befehl(const char* name) { f->aktion(name)->trigger(); }
    // A change made through a menu command: dilation spreads the raised cell.
    void aendern() {
        s->dok.Hoehenfeld(2, 2) = 1.0;
        befehl("Dilation1Click");
    }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    fs::path ordner;
    std::optional<std::string> datei;
    Antwort antwort = Antwort::Abbrechen;
    std::optional<Groesse> groesse = Groesse{5, 5};
    std::vector<DateiDialog> dialoge;
    std::vector<std::string> fragen, fehler;
};

TEST_F(Sichern, QuittingWithChangesAsksAndCancellingKeepsTheProgramRunning) {
    f->show();
    // Unchanged: closes without a question.
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(fragen.empty());
    f->show();

    aendern();
    EXPECT_TRUE(f->isWindowModified());
    EXPECT_EQ(f->windowTitle(), "Gravimonte[*]");

    befehl("FileExit1Execute");
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_NE(fragen[0].find("Unbenannt"), std::string::npos);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());

    // "Speichern" whose file dialog is cancelled keeps the program running too.
    antwort = Antwort::Ja;
    datei.reset();
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());

    // "Speichern" with a name writes the file, then the window closes.
    datei = (ordner / "feld.fla").string();
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(fs::exists(ordner / "feld.fla"));
    EXPECT_FALSE(f->isWindowModified());
    EXPECT_EQ(f->windowTitle(), "feld.fla[*] - Gravimonte");
    EXPECT_EQ(f->zustand().zuletzt, std::vector<std::string>{*datei});

    // Undoing back to the saved field counts as unchanged; "Verwerfen" closes.
    f->show();
    aendern();
    EXPECT_TRUE(f->isWindowModified());
    befehl("Undo1Click");
    EXPECT_FALSE(f->isWindowModified());
    aendern();
    antwort = Antwort::Nein;
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(fehler.empty());
}

TEST_F(Sichern, NewOpenAndImportsAskFirstAndCancelKeepsTheField) {
    aendern();
    const double vorher = s->dok.Hoehenfeld(2, 2);
    groesse = Groesse{9, 9};
    for (const char* b :
         {"FileNew1Execute", "FileOpen1Execute", "ImportierenGrafikClick",
          "ImportierenTerragenClick", "stm1Click", "ImportierenPNGClick", "Bildgre1Click"}) {
        const std::size_t n = fragen.size();
        befehl(b);
        EXPECT_EQ(fragen.size(), n + 1) << b;
        EXPECT_EQ(s->dok.MaxX, 512) << b;
        EXPECT_EQ(s->dok.Hoehenfeld(2, 2), vorher) << b;
    }
    EXPECT_TRUE(dialoge.empty());

    // Save, then "Neu": the new field has no name, so Ctrl+S asks for one
    // instead of overwriting the file the old field came from.
    datei = (ordner / "alt.fla").string();
    befehl("FileSave1Execute");
    const auto groesseAlt = fs::file_size(ordner / "alt.fla");
    befehl("FileNew1Execute");
    EXPECT_EQ(s->dok.MaxX, 8);
    EXPECT_FALSE(f->isWindowModified());
    EXPECT_EQ(f->windowTitle(), "Gravimonte[*]");
    dialoge.clear();
    datei.reset();
    befehl("FileSave1Execute");
    EXPECT_EQ(dialoge.size(), 1u);
    EXPECT_EQ(fs::file_size(ordner / "alt.fla"), groesseAlt);

    // "Zuletzt geöffnet" opens the saved file again.
    auto* menue = f->findChild<QMenu*>("ZuletztMenue");
    ASSERT_NE(menue, nullptr);
    emit menue->aboutToShow();
    ASSERT_FALSE(menue->actions().isEmpty());
    EXPECT_EQ(menue->actions().first()->text(), "&1 alt.fla");
    menue->actions().first()->trigger();
    EXPECT_EQ(s->dok.MaxX, 512);
    EXPECT_EQ(f->windowTitle(), "alt.fla[*] - Gravimonte");
}

TEST_F(Sichern, ResizingAsksOnlyWhenChangedAndDiscardResizes) {
    // Unchanged: resizes without a question; a cancelled size dialog never asks.
    groesse = Groesse{9, 9};
    befehl("Bildgre1Click");
    EXPECT_TRUE(fragen.empty());
    EXPECT_EQ(s->dok.MaxX, 8);
    aendern();
    groesse.reset();
    befehl("Bildgre1Click");
    EXPECT_TRUE(fragen.empty());

    // Changed: "Abbrechen" keeps field and size, "Verwerfen" resizes.
    groesse = Groesse{17, 5};
    befehl("Bildgre1Click");
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(s->dok.MaxX, 8);
    EXPECT_EQ(s->dok.Hoehenfeld(2, 2), 1.0);
    antwort = Antwort::Nein;
    befehl("Bildgre1Click");
    EXPECT_EQ(fragen.size(), 2u);
    EXPECT_EQ(s->dok.MaxX, 16);
    EXPECT_EQ(s->dok.MaxY, 4);
}

TEST_F(Sichern, FileDialogsStartInTheLastFolderElseHome) {
    const std::string heim = QDir::homePath().toStdString();
    befehl("ScriptLadenClick");
    befehl("BMP1Click");
    befehl("Laden1Click");
    ASSERT_EQ(dialoge.size(), 3u);
    for (const DateiDialog& d : dialoge)
        EXPECT_EQ(d.vorschlag, heim) << d.titel;
    EXPECT_EQ(dialoge[0].titel, "Öffnen Script");

    std::vector<std::string> liste;
    for (int i = 0; i < 10; ++i)
        zuletztEinreihen(liste, "/a/" + std::to_string(i % 9));
    ASSERT_EQ(int(liste.size()), ZuletztMax);
    EXPECT_EQ(liste[0], "/a/0");
    EXPECT_EQ(liste[1], "/a/8");
    EXPECT_EQ(liste[7], "/a/2");

    // The list is kept between runs, one file per line.
    zuletztMerken(*f, "/b/x.fla");
    zuletztMerken(*f, "/b/y.fla");
    std::ifstream gehalten(ordner / "zuletzt.txt");
    const std::string text{std::istreambuf_iterator<char>(gehalten), {}};
    EXPECT_EQ(text, "/b/y.fla\n/b/x.fla\n");
}

TEST_F(Sichern, StandardShortcutsExistAndCtrlZUndoes) {
    const std::pair<const char*, const char*> tasten[] = {
        {"Undo1Click", "Ctrl+Z"},
        {"FileSave1Execute", "Ctrl+S"},
        {"FileSaveAs1Execute", "Ctrl+Shift+S"},
        {"FileOpen1Execute", "Ctrl+O"},
        {"FileNew1Execute", "Ctrl+N"},
        {"CopyItemClick", "Ctrl+C"},
        {"PasteItemClick", "Ctrl+V"},
        {"Zoom1Click", "Ctrl++"},
        {"Zoom1Click", "Ctrl+="},
        {"Zoom2Click", "Ctrl+-"},
        {"FileExit1Execute", "Ctrl+Q"},
    };
    for (const auto& [name, taste] : tasten) {
        EXPECT_TRUE(f->aktion(name)->shortcuts().contains(QKeySequence(taste))) << name << taste;
    }
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    aendern();
    ASSERT_EQ(s->dok.Hoehenfeld(1, 1), 1.0);
    QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s->dok.Hoehenfeld(1, 1), 0.0);
    EXPECT_EQ(s->dok.Hoehenfeld(2, 2), 1.0);
    QTest::keyClick(f.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 2.0);
}

}  // namespace
}  // namespace gm
