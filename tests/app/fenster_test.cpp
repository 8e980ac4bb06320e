#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/abspielen_dialog.h"
#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/hauptfenster.h"
#include "app/mod_panel.h"
#include "app/regler_widget.h"
#include "script/sitzung.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

std::string bytesVon(const std::vector<double>& werte) {
    std::string s(werte.size() * 8, '\0');
    std::memcpy(s.data(), werte.data(), s.size());
    return s;
}

std::string dateiInhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Checks that every menu item with neither a handler nor a catalogue row is
// shown disabled, and returns how many such items the menu holds.
int ungebauteGesperrt(TLandGenerator& f) {
    struct Zugang : QObject {
        static int verbunden(const QAction* a) {
            return (a->*(&Zugang::receivers))(SIGNAL(triggered(bool)));
        }
    };
    // What the menu itself connects to an item's signal.
    QMenu leer;
    const int eigene = Zugang::verbunden(leer.addAction(QStringLiteral("-")));
    int n = 0;
    for (const QAction* a : f.findChildren<QAction*>()) {
        const std::string name = a->objectName().toStdString();
        if (name.empty() || OperationFuerMenue(name) || Zugang::verbunden(a) > eigene) continue;
        EXPECT_FALSE(a->isEnabled()) << name;
        ++n;
    }
    return n;
}

// The real window with every modal question answered by the test.
class Fenster : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        ordner = fs::temp_directory_path() / ("gm_app_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
        Dialogdienste& d = f->dienste();
        d.oeffnen = [this](const DateiDialog& dd) {
            titel.push_back(dd.titel);
            return antwortDatei;
        };
        d.speichern = d.oeffnen;
        d.frage = [this](const std::string& text) {
            fragen.push_back(text);
            return antwortFrage;
        };
        d.fehler = [this](const std::string& text) { fehler.push_back(text); };
        d.sichern = [](const std::string&) { return Antwort::Nein; };
        d.groesse = [this](Groesse) { return antwortGroesse; };
        d.abspielen = [this] {
            TAbspielenScript dlg(*s, f.get());
            dlg.vorbereiten();
            abspielText = dlg.text()->toPlainText().toStdString();
            dlg.accept();
            return std::optional<std::string>(dlg.fehler());
        };
    }
    void TearDown() override { fs::remove_all(ordner); }

    void befehl(const char* name) {
        QAction* a = f->aktion(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void neu(int px, int py) {
        antwortGroesse = Groesse{px, py};
        befehl("FileNew1Execute");
    }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    fs::path ordner;
    std::optional<std::string> antwortDatei;
    Antwort antwortFrage = Antwort::Ja;
    std::optional<Groesse> antwortGroesse;
    std::vector<std::string> titel, fragen, fehler;
    std::string abspielText;
};

TEST_F(Fenster, StartsAt513WithZoom1AndTheWholeMenu) {
    EXPECT_EQ(f->windowTitle(), "Gravimonte[*]");
    EXPECT_FALSE(f->isWindowModified());
    EXPECT_EQ(s->dok.MaxX, 512);
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 1.0);
    EXPECT_EQ(f->bild()->bild().size(), QSize(513, 513));
    // Built commands work, the rest is present but disabled.
    EXPECT_TRUE(f->aktion("FileNew1Execute")->isEnabled());
    EXPECT_EQ(f->aktion("FileNew1Execute")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(f->aktion("FileSaveAs1Execute")->text(), QString::fromUtf8("Speichern &unter..."));
    // Every menu item is connected to its command.
    EXPECT_EQ(ungebauteGesperrt(*f), 0);
    EXPECT_FALSE(f->aktion("Gitter1Click")->isEnabled());
    EXPECT_TRUE(f->aktion("Erosion1Click")->isEnabled());
    EXPECT_EQ(f->aktion("Erosion1Click")->shortcut(), QKeySequence("Ctrl+R"));
    // Every catalogue operation with a menu command has its item, enabled,
    // and a dialog class when it asks for one.
    for (const Operation& op : Operationen()) {
        if (op.dialog == DialogArt::Eigener) {
            EXPECT_NE(EigenerDialogFuer(op), nullptr) << op.name;
        }
        if (op.menue.empty()) continue;
        QAction* a = f->aktion(std::string(op.menue).c_str());
        ASSERT_NE(a, nullptr) << op.name;
        EXPECT_TRUE(a->isEnabled()) << op.name;
    }
    // A catalogue filter without a dialog runs at once from its menu item.
    s->dok.ScriptAufnahme = true;
    s->dok.Hoehenfeld(5, 5) = 1.0;
    befehl("Erosion1Click");
    EXPECT_EQ(s->dok.Hoehenfeld(5, 5), 0.0);
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(s->dok.ScriptListe[1], "erosion");
    EXPECT_TRUE(f->modusListe(0)->currentText() == QString::fromUtf8("Wenn höher"));
    EXPECT_TRUE(f->modusListe(1)->currentText() == QString::fromUtf8("1-x wenn kleiner"));
    EXPECT_EQ(s->dok.ModEinstellungen.Modus, 3);
}

TEST_F(Fenster, ZoomStepsAndTheLimitAt2049) {
    neu(2049, 2049);
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.5);
    EXPECT_EQ(f->bild()->bild().size(), QSize(1024, 1024));
    befehl("Zoom1Click");  // 2048 * 1 is not below 1541
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.5);
    befehl("N1001Click");
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.5);
    befehl("Zoom2Click");
    befehl("Zoom2Click");
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.25);
    befehl("Zoom2Click");
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.25);
    EXPECT_EQ(f->bild()->bild().size(), QSize(512, 512));  // 512.25 rounded

    neu(257, 129);
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 0.25);  // fitting never raises
    befehl("N4001Click");
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 4.0);
    EXPECT_EQ(f->bild()->bild().size(), QSize(1028, 516));
    befehl("Zoom1Click");
    EXPECT_DOUBLE_EQ(f->zustand().ZoomFaktor, 4.0);
    befehl("N2001Click");
    s->dok.Hoehenfeld(4, 2) = 0.625;
    f->neuZeichnen();
    QMouseEvent e(QEvent::MouseMove, QPointF(9, 4), QPointF(9, 4), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(f->bild(), &e);
    EXPECT_EQ(f->statusText(1).toStdString(), "Current: (4, 2, 0.62)");  // half to even
    f->zeigerUeberBild(514, 10);  // sample 257 lies outside 0..256
    EXPECT_EQ(f->statusText(1).toStdString(), "");
}

TEST_F(Fenster, NewSaveOpenThroughTheHandlers) {
    neu(5, 6);
    EXPECT_EQ(s->dok.MaxX, 4);
    EXPECT_EQ(s->dok.MaxY, 5);
    s->dok.Hoehenfeld(1, 2) = 0.25;
    s->dok.Hoehenfeld(4, 5) = 1.5;  // saved unchanged, even outside 0..1

    const fs::path datei = ordner / "feld.fla";
    antwortDatei = datei.string();
    befehl("FileSave1Execute");  // no name yet: asks like save as
    ASSERT_EQ(titel, std::vector<std::string>{"Speichern Gravimonte"});
    std::vector<double> erwartet(2 + 30, 0.0);
    erwartet[0] = 4;
    erwartet[1] = 5;
    erwartet[2 + 1 * 6 + 2] = 0.25;
    erwartet[2 + 4 * 6 + 5] = 1.5;
    EXPECT_EQ(dateiInhalt(datei), bytesVon(erwartet));
    EXPECT_TRUE(fragen.empty());

    s->dok.Hoehenfeld(0, 0) = 0.5;
    befehl("FileSave1Execute");  // now writes without a dialog
    EXPECT_EQ(titel.size(), 1u);
    erwartet[2] = 0.5;
    EXPECT_EQ(dateiInhalt(datei), bytesVon(erwartet));

    // Save as onto an existing file asks; only Yes writes.
    s->dok.Hoehenfeld(0, 0) = 0.75;
    antwortFrage = Antwort::Nein;
    befehl("FileSaveAs1Execute");
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(fragen[0], "Datei " + datei.string() + " überschreiben ?");
    EXPECT_EQ(dateiInhalt(datei), bytesVon(erwartet));

    neu(129, 129);
    befehl("FileOpen1Execute");
    EXPECT_EQ(s->dok.MaxX, 4);
    EXPECT_EQ(s->dok.MaxY, 5);
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 0.5);
    EXPECT_EQ(s->dok.Hoehenfeld(4, 5), 1.5);
    EXPECT_EQ(f->bild()->bild().size(), QSize(5, 6));
    befehl("Undo1Click");  // no undo copy on open: all zero
    EXPECT_EQ(s->dok.Hoehenfeld(0, 0), 0.0);
    EXPECT_TRUE(fehler.empty());
}

TEST_F(Fenster, RefusedFilesAreReportedAndChangeNothing) {
    neu(5, 5);
    s->dok.Hoehenfeld(2, 2) = 0.5;
    const fs::path datei = ordner / "kaputt.fla";
    {
        std::ofstream o(datei, std::ios::binary);
        o << bytesVon({0.0, 4.0, 1.0});
    }
    antwortDatei = datei.string();
    befehl("FileOpen1Execute");
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("kaputt.fla"), std::string::npos);
    EXPECT_EQ(s->dok.MaxX, 4);
    EXPECT_EQ(s->dok.Hoehenfeld(2, 2), 0.5);
    EXPECT_FALSE(f->zustand().nativ.gewaehlt());

    // "Hinzu Öffnen" of a file of another size.
    {
        std::ofstream o(datei, std::ios::binary);
        std::vector<double> w(2 + 36, 0.25);
        w[0] = w[1] = 5;
        o << bytesVon(w);
    }
    befehl("Hinzuffnen1Click");
    EXPECT_EQ(fehler.size(), 2u);
    EXPECT_EQ(s->dok.Hoehenfeld(2, 2), 0.5);

    // Writing into a folder that does not exist.
    antwortDatei = (ordner / "fehlt" / "x.fla").string();
    befehl("FileSaveAs1Execute");
    EXPECT_EQ(fehler.size(), 3u);
    EXPECT_FALSE(f->zustand().nativ.gewaehlt());
}

TEST_F(Fenster, ClipboardCommandsEnableAndRelease) {
    EXPECT_FALSE(f->aktion("PasteItemClick")->isEnabled());
    EXPECT_FALSE(f->aktion("Tauschen1Click")->isEnabled());
    EXPECT_FALSE(f->aktion("Freigeben1Click")->isEnabled());
    neu(5, 5);
    s->dok.Hoehenfeld(1, 1) = 0.8;
    s->dok.Maske(1, 1) = 1;
    befehl("CutItemClick");
    EXPECT_EQ(s->dok.Hoehenfeld(1, 1), 0.0);
    EXPECT_TRUE(f->aktion("PasteItemClick")->isEnabled());
    EXPECT_TRUE(f->aktion("Tauschen1Click")->isEnabled());
    befehl("Freigeben1Click");
    EXPECT_FALSE(f->aktion("PasteItemClick")->isEnabled());
    EXPECT_FALSE(s->dok.AblageBelegt());
    befehl("CopyItemClick");
    EXPECT_TRUE(f->aktion("Freigeben1Click")->isEnabled());
    neu(9, 9);  // a size change releases the clipboard
    EXPECT_FALSE(f->aktion("PasteItemClick")->isEnabled());
    EXPECT_FALSE(s->dok.AblageBelegt());
}

TEST_F(Fenster, UndoAfterBildgroesseFitsTheViewToTheOldSize) {
    neu(9, 7);
    s->dok.Hoehenfeld(3, 2) = 0.5;
    befehl("CopyItemClick");
    antwortGroesse = Groesse{17, 13};
    befehl("Bildgre1Click");
    EXPECT_EQ(f->bild()->bild().size(), QSize(17, 13));
    befehl("CopyItemClick");
    befehl("Undo1Click");
    EXPECT_EQ(s->dok.MaxX, 8);
    EXPECT_EQ(s->dok.MaxY, 6);
    EXPECT_EQ(f->bild()->bild().size(), QSize(9, 7));
    EXPECT_EQ(s->dok.Hoehenfeld(3, 2), 0.5);
    EXPECT_EQ(s->dok.Hoehenfeld(4, 2), 0.0);
    EXPECT_FALSE(f->aktion("PasteItemClick")->isEnabled());  // the clipboard went with the size
}

TEST_F(Fenster, ScriptRecordedFromTheMenuReplaysWithOneUndo) {
    neu(5, 5);
    s->dok.Hoehenfeld(2, 3) = 0.4;
    befehl("ScriptAufnehmenClick");
    EXPECT_TRUE(f->aktion("ScriptAufnehmenClick")->isChecked());
    f->modusListe(0)->setCurrentIndex(0);  // "Normal"
    befehl("Lschen1Click");
    befehl("ScriptStoppenClick");
    EXPECT_FALSE(f->aktion("ScriptAufnehmenClick")->isChecked());
    f->modusListe(0)->setCurrentIndex(2);  // not recorded any more
    ASSERT_EQ(s->dok.ScriptAnzahl, 2);
    EXPECT_EQ(s->dok.ScriptListe[1], "paintmode(1)");
    EXPECT_EQ(s->dok.ScriptListe[2], "clear");
    EXPECT_EQ(s->dok.Verknuepfungsmodus, 3);

    s->dok.Hoehenfeld(2, 3) = 0.9;
    s->dok.Hoehenfeld(0, 4) = 0.3;
    befehl("ScriptAbspielenClick");
    EXPECT_EQ(abspielText, "paintmode(1)\nclear");
    EXPECT_EQ(s->dok.Hoehenfeld(2, 3), 0.0);
    EXPECT_EQ(s->dok.Verknuepfungsmodus, 1);
    // Playback does not move the list's selection.
    EXPECT_EQ(f->modusListe(0)->currentIndex(), 2);
    befehl("Undo1Click");
    EXPECT_EQ(s->dok.Hoehenfeld(2, 3), 0.9);
    EXPECT_EQ(s->dok.Hoehenfeld(0, 4), 0.3);
    EXPECT_TRUE(fehler.empty());

    // Unknown words pass silently; an operation that fails is reported and the
    // rest of the script still runs.
    const std::string ziel = (ordner / "fehlt" / "x.ter").string();
    s->dok.ScriptListe[2] = "wobble(3)";
    s->dok.ScriptListe[3] = "save_terragen(30, 30, 30, 6400, 0, 0, 1000, 0, " + ziel + ")";
    s->dok.ScriptListe[4] = "clear";
    s->dok.ScriptAnzahl = 4;
    befehl("ScriptAbspielenClick");
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("Script line 3"), std::string::npos) << fehler[0];
    EXPECT_EQ(fehler[0].find("wobble"), std::string::npos) << fehler[0];
    EXPECT_EQ(s->dok.Hoehenfeld(2, 3), 0.0);
    fehler.clear();
    befehl("Undo1Click");
    s->dok.ScriptListe[2] = "clear";
    s->dok.ScriptAnzahl = 2;

    // Save, "Neu", reopen.
    const fs::path datei = ordner / "s.txt";
    antwortDatei = datei.string();
    befehl("ScriptSpeichernClick");
    EXPECT_EQ(dateiInhalt(datei), "Gravimonte-Script\r\npaintmode(1)\r\nclear\r\n");
}

}  // namespace
}  // namespace gm
