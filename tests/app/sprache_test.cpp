// The interface language: choosing, failing to choose, restarting, and the
// shipped word files against the word table in code.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/deutsche_woerter.h"
#include "app/hauptfenster.h"
#include "app/regler_widget.h"
#include "app/sprache.h"
#include "core/atomare_datei.h"
#include "script/sitzung.h"
#include "support/test_ordner.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

// A window whose data folder is a copy of the shipped one.
struct Sprache : ::testing::Test {
    test::TestOrdner ordner;
    std::string daten;
    void SetUp() override {
        daten = (ordner.pfad() / "daten").string() + "/";
        fs::copy(GM_DATEN_ORDNER, daten, fs::copy_options::recursive);
    }
    std::unique_ptr<TLandGenerator> fenster(Sitzung& s) {
        auto f = std::make_unique<TLandGenerator>(s);
        f->sprache()->starten(daten, ordner.datei("benutzer"));
        return f;
    }
};

QString reglerTitel(TLandGenerator& f, const char* name) {
    return QString::fromStdString(f.findChild<ReglerWidget*>(name)->rec().Titel);
}

TEST_F(Sprache, EnglishRecaptionsMenusSlidersAndModeListsAndSurvivesARestart) {
    Sitzung s;
    auto f = fenster(s);
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&Neu");
    f->modusListe(0)->setCurrentIndex(6);
    auto dateiMenue = [&f] {
        return qobject_cast<QMenu*>(f->aktion("FileNew1Execute")->parent())->title();
    };
    EXPECT_EQ(dateiMenue(), "&Datei");

    QElapsedTimer uhr;
    uhr.start();
    f->aktion("Englisch1Click")->trigger();
    std::printf("switching to English took %lld ms\n", static_cast<long long>(uhr.elapsed()));
    EXPECT_EQ(f->sprache()->SprachIndex(), 2);
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&New");
    EXPECT_EQ(dateiMenue(), "&File");
    EXPECT_EQ(reglerTitel(*f, "IEinstellungen_00"), "Corners");
    EXPECT_EQ(reglerTitel(*f, "ImageReglerInX"), "In X");
    EXPECT_EQ(f->modusListe(0)->itemText(1), "If higher");
    EXPECT_EQ(f->modusListe(0)->currentIndex(), 6);
    EXPECT_EQ(s.dok.Verknuepfungsmodus, 7);
    EXPECT_TRUE(f->aktion("Englisch1Click")->isChecked());

    // Back and forth: every caption starts again from its German text.
    f->aktion("Franzsisch1Click")->trigger();
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&Nouveau");
    f->aktion("Englisch1Click")->trigger();
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&New");

    // A missing word file changes nothing, the language file included.
    fs::remove(daten + "pol.txt");
    const std::string sprachdatei = f->sprache()->sprachdatei();
    std::string vorher;
    ASSERT_TRUE(dateiLesen(sprachdatei, vorher));
    f->aktion("Polnisch1Click")->trigger();
    EXPECT_EQ(f->sprache()->SprachIndex(), 2);
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&New");
    std::string nachher;
    ASSERT_TRUE(dateiLesen(sprachdatei, nachher));
    EXPECT_EQ(nachher, vorher);

    // The next start shows English without any choice.
    f.reset();
    Sitzung s2;
    auto g = fenster(s2);
    EXPECT_EQ(g->sprache()->SprachIndex(), 2);
    EXPECT_EQ(g->aktion("FileNew1Execute")->text(), "&New");

    // "Deutsch" without its word file restores the built-in texts.
    fs::remove(daten + "deu.txt");
    g->aktion("Deutsch1Click")->trigger();
    EXPECT_EQ(g->aktion("FileNew1Execute")->text(), "&Neu");
    EXPECT_EQ(reglerTitel(*g, "IEinstellungen_00"), "Ecken");
    EXPECT_EQ(g->modusListe(0)->itemText(1), QString::fromUtf8("Wenn höher"));
}

TEST_F(Sprache, PartialWordFileKeepsGermanInEmptySlotsAndChoiceGoesToTheUserFolder) {
    std::ofstream(daten + "ita.txt") << "1;&File\n";  // only the first menu
    // Root writes into any folder, so the program folder counts as read-only
    // only for other users.
    const bool schreibgeschuetzt = ::geteuid() != 0;
    if (schreibgeschuetzt) fs::permissions(daten, fs::perms::owner_write, fs::perm_options::remove);
    Sitzung s;
    auto f = fenster(s);
    f->aktion("Italienisch1Click")->trigger();
    fs::permissions(daten, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(qobject_cast<QMenu*>(f->aktion("FileNew1Execute")->parent())->title(), "&File");
    EXPECT_EQ(f->aktion("FileNew1Execute")->text(), "&Neu");
    if (schreibgeschuetzt) {
        EXPECT_FALSE(fs::exists(daten + "language.txt"));
        EXPECT_EQ(SprachIndexLesen(ordner.datei("benutzer/language.txt")), 5);
    } else {
        EXPECT_EQ(SprachIndexLesen(daten + "language.txt"), 5);
    }
}

TEST_F(Sprache, ShippedWordFilesHoldEveryWordOfTheTable) {
    Woerterbuch deutsch;
    ASSERT_TRUE(SpracheLaden(daten + "deu.txt", deutsch));
    std::set<int> nummern;
    for (const Wort& w : DeutscheWoerter()) {
        EXPECT_TRUE(nummern.insert(w.nummer).second) << "twice: " << w.nummer;
        EXPECT_EQ(deutsch.wort(w.nummer), w.text) << w.nummer;
    }
    for (const Sprachwahl& s : kSprachen) {
        Woerterbuch w;
        ASSERT_TRUE(SpracheLaden(daten + s.code + ".txt", w)) << s.code;
        for (int n = 1; n <= WoerterMax; ++n) {
            EXPECT_EQ(w.wort(n).empty(), !nummern.count(n)) << s.code << " " << n;
        }
        // Messages keep their placeholders.
        for (int n : nummern) {
            const QString de = QString::fromUtf8(deutsch.wort(n));
            const QString uebersetzt = QString::fromStdString(w.wort(n));
            for (const char* p : {"%1", "%2", "%3", "%4"})
                EXPECT_EQ(de.contains(p), uebersetzt.contains(p)) << s.code << " " << n;
        }
    }
}

TEST_F(Sprache, MessagesGoThroughTheTable) {
    Sitzung s;
    auto f = fenster(s);
    f->aktion("Englisch1Click")->trigger();
    const Uebersetzer& u = f->sprache()->uebersetzer();
    EXPECT_EQ(u.meldung(QString::fromUtf8("Datei /a/b.fla überschreiben ?")),
              "Overwrite file /a/b.fla?");
    EXPECT_EQ(u.meldung("cannot open /x/y.fla: No such file or directory"),
              "Cannot open /x/y.fla: No such file or folder");
    EXPECT_EQ(u.meldung("/x/y.fla: file ends after 12 of 99 bytes"),
              "/x/y.fla: The file ends after 12 of 99 bytes");
    EXPECT_EQ(u.meldung("something new: 42"), "something new: 42");
    EXPECT_EQ(u.dateiTitel("Exportieren Targa"), "Export Targa");
    EXPECT_EQ(u.text(" nach oben", Wortart::Feld), " Up");  // blanks around a caption stay
    f->aktion("Deutsch1Click")->trigger();
    EXPECT_EQ(u.meldung("cannot write /a: Permission denied"),
              QString::fromUtf8("/a lässt sich nicht schreiben: Zugriff verweigert"));
}

// Opens every dialog of the menu (file dialogs answered with nothing) and
// lists the captions the word table does not know yet. The main window's own
// captions must all be known; dialogs still being written only report.
TEST_F(Sprache, CaptionsWithoutAWordAreListed) {
    Sitzung s;
    auto f = fenster(s);
    Dialogdienste& d = f->dienste();
    d.oeffnen = [](const DateiDialog&) { return std::optional<std::string>(); };
    d.speichern = d.oeffnen;
    d.fehler = [](const std::string&) {};
    d.frage = [](const std::string&) { return Antwort::Abbrechen; };
    d.groesse = [](Groesse) { return std::optional<Groesse>(); };
    d.abspielen = [] { return std::optional<std::string>(); };
    d.renderEinstellungen = [] { return false; };
    const Uebersetzer& u = f->sprache()->uebersetzer();
    std::set<QString> fehlend;
    auto sammeln = [&](QWidget* w, std::set<QString>& in) {
        for (QWidget* k : w->findChildren<QWidget*>()) {
            if (k->window() != w) continue;  // a dialog is walked when it is shown
            QString t;
            if (auto* r = qobject_cast<ReglerWidget*>(k))
                t = QString::fromStdString(r->rec().Titel);
            if (auto* b = qobject_cast<QAbstractButton*>(k)) t = b->text();
            if (auto* l = qobject_cast<QLabel*>(k)) t = l->text();
            // The window fills in the recording count from its own word.
            if (k->objectName() == QStringLiteral("Aufnahme")) continue;
            // Numbers, sizes and format names need no word.
            const bool wort = t.contains(QRegularExpression("\\p{L}{3}"));
            if (wort && !u.nummer(t.trimmed(), Wortart::Feld)) in.insert(t);
        }
    };
    std::set<QString> fenster;
    sammeln(f.get(), fenster);
    for (QAction* a : f->findChildren<QAction*>()) {
        const QString t = a->text();
        if (!a->isSeparator() && !u.nummer(t, Wortart::Menue) &&
            t.contains(QRegularExpression("[a-zäöü]{4}")) && !t.contains('(') &&
            !t.startsWith("Palette I") && !t.startsWith("Terragen"))
            fenster.insert(t);
    }
    for (const QString& t : fenster)
        std::printf("window caption without a word: %s\n", qPrintable(t));
    EXPECT_TRUE(fenster.empty());

    for (QAction* a : f->findChildren<QAction*>()) {
        const bool sprache =
            std::any_of(std::begin(kSprachen), std::end(kSprachen),
                        [a](const Sprachwahl& w) { return a->objectName() == w.menue; });
        if (!a->isEnabled() || a->menu() || sprache || a->objectName() == "FileExit1Execute" ||
            a->objectName() == "HelpAbout1Execute")
            continue;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                sammeln(dlg, fehlend);
                if (!u.nummer(dlg->windowTitle(), Wortart::Feld))
                    fehlend.insert(dlg->windowTitle());
                dlg->reject();
            }
        });
        a->trigger();
        QApplication::processEvents();
    }
    for (const QString& t : fehlend)
        std::printf("dialog caption without a word: %s\n", qPrintable(t));
}

}  // namespace
}  // namespace gm
