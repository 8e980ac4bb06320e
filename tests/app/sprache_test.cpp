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
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
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

// The captions of the modal dialog the action opens, taken while it is shown.
struct Gesehen {
    QString titel, text;
    std::map<QString, QString> regler;  // object name -> caption
    QStringList knoepfe, gruppen;
};
Gesehen oeffnenUndLesen(QAction* a) {
    Gesehen g;
    QTimer::singleShot(0, [&g] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        g.titel = dlg->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dlg)) g.text = box->text();
        for (auto* r : dlg->findChildren<ReglerWidget*>())
            g.regler[r->objectName()] = QString::fromStdString(r->rec().Titel);
        for (auto* b : dlg->findChildren<QAbstractButton*>())
            g.knoepfe << b->text();
        for (auto* b : dlg->findChildren<QGroupBox*>())
            g.gruppen << b->title();
        dlg->reject();
    });
    a->trigger();
    return g;
}

TEST_F(Sprache, DialogsAboutBoxAndToolHintsSpeakTheChosenLanguage) {
    Sitzung s;
    auto f = fenster(s);
    QAction* fraktal = f->aktion("Fraktal1Click");
    EXPECT_EQ(oeffnenUndLesen(fraktal).titel, QString::fromUtf8("Eingabe für Fraktale"));

    f->aktion("Englisch1Click")->trigger();
    Gesehen g = oeffnenUndLesen(fraktal);
    EXPECT_EQ(g.titel, "Fractal Settings");
    for (const char* k : {"Apply", "Cancel", "Julia", "Point 03"})
        EXPECT_TRUE(g.knoepfe.contains(k)) << k;
    EXPECT_TRUE(g.gruppen.contains("Choice"));
    EXPECT_TRUE(std::any_of(g.regler.begin(), g.regler.end(),
                            [](const auto& r) { return r.second == "Zoom factor"; }));

    const Gesehen info = oeffnenUndLesen(f->aktion("HelpAbout1Execute"));
    EXPECT_EQ(info.titel, "About Gravimonte");
    EXPECT_EQ(info.text, "Gravimonte\nHeight field editor\nVersion 0.1");

    // Hints of the tool bar, the mode list and the mask buttons' status text.
    auto knopf = [&f](const char* name) { return f->findChild<QAbstractButton*>(name); };
    f->aktion("Franzsisch1Click")->trigger();
    EXPECT_EQ(knopf("KMalen2SB")->toolTip(), QString::fromUtf8("Cône"));
    EXPECT_EQ(knopf("VMaskeSB")->statusTip(),
              QString::fromUtf8("Masque: Masque : bleu = protégé, rien n'y change"));
    EXPECT_TRUE(f->modusListe(1)->toolTip().startsWith("Combinaison du clic droit"));
    EXPECT_EQ(oeffnenUndLesen(fraktal).titel, QString::fromUtf8("Réglages des fractales"));

    // Back to the built-in texts, which for the tool hints are English.
    f->aktion("Deutsch1Click")->trigger();
    EXPECT_EQ(knopf("KMalen2SB")->toolTip(), "Cone");
    EXPECT_EQ(oeffnenUndLesen(fraktal).titel, QString::fromUtf8("Eingabe für Fraktale"));
}

// A caption the word table knows; hints may join known parts with ": ".
bool bekannt(const Uebersetzer& u, const QString& t) {
    if (u.nummer(t.trimmed(), Wortart::Feld)) return true;
    const qsizetype trenner = t.indexOf(QStringLiteral(": "));
    return trenner > 0 && bekannt(u, t.left(trenner)) && bekannt(u, t.mid(trenner + 2));
}

// Whether a text needs a word: numbers, sizes, formulas, file names and
// paths do not.
bool wortNoetig(const QString& t) {
    static const QRegularExpression buchstaben("\\p{L}{3}");
    static const QRegularExpression formel("f\\(|f=|sqrt\\(");
    static const QRegularExpression dateiname("^[\\w.-]+\\.\\w{2,4}$");
    return t.contains(buchstaben) && !t.contains(formel) && !t.contains('/') &&
           !t.contains(dateiname);
}

// The captions of `w`'s own widgets (not those of windows opened from it)
// that the word table does not know.
void unbekannteSammeln(const Uebersetzer& u, QWidget* w, std::set<QString>& in) {
    auto pruefen = [&](const QString& t) {
        if (wortNoetig(t) && !bekannt(u, t)) in.insert(t);
    };
    for (QWidget* k : w->findChildren<QWidget*>()) {
        if (k->window() != w) continue;
        // The window fills in the recording count from its own word.
        if (k->objectName() == QStringLiteral("Aufnahme")) continue;
        pruefen(k->toolTip());
        pruefen(k->statusTip());
        if (auto* r = qobject_cast<ReglerWidget*>(k))
            pruefen(QString::fromStdString(r->rec().Titel));
        if (auto* b = qobject_cast<QAbstractButton*>(k)) pruefen(b->text());
        if (auto* l = qobject_cast<QLabel*>(k)) pruefen(l->text());
        if (auto* g = qobject_cast<QGroupBox*>(k)) pruefen(g->title());
        if (auto* c = qobject_cast<QComboBox*>(k)) {
            for (int i = 0; i < c->count(); ++i)
                pruefen(c->itemText(i));
        }
    }
}

// Opens every dialog of the menu (file dialogs answered with nothing) and
// requires a word for every caption of the window and of each dialog:
// titles, buttons, labels, group boxes, sliders, list items and hints.
TEST_F(Sprache, EveryCaptionOfTheWindowAndItsDialogsHasAWord) {
    Sitzung s;
    auto f = fenster(s);
    Dialogdienste& d = f->dienste();
    d.oeffnen = [](const DateiDialog&) { return std::optional<std::string>(); };
    d.speichern = d.oeffnen;
    d.fehler = [](const std::string&) {};
    d.frage = [](const std::string&) { return Antwort::Nein; };
    d.sichern = d.frage;
    d.farbe = [](unsigned) { return std::optional<unsigned>(); };  // the toolkit's own
    const Uebersetzer& u = f->sprache()->uebersetzer();
    std::set<QString> fehlend;
    unbekannteSammeln(u, f.get(), fehlend);
    for (QAction* a : f->findChildren<QAction*>()) {
        const QString t = a->text();
        if (!a->isSeparator() && !u.nummer(t, Wortart::Menue) &&
            t.contains(QRegularExpression("[a-zäöü]{4}")) && !t.contains('(') &&
            !t.startsWith("Palette I") && !t.startsWith("Terragen"))
            fehlend.insert(t);
        if (wortNoetig(a->statusTip()) && !bekannt(u, a->statusTip()))
            fehlend.insert(a->statusTip());
    }
    int dialoge = 0;
    for (QAction* a : f->findChildren<QAction*>()) {
        const bool sprache =
            std::any_of(std::begin(kSprachen), std::end(kSprachen),
                        [a](const Sprachwahl& w) { return a->objectName() == w.menue; });
        if (!a->isEnabled() || a->menu() || sprache || a->objectName() == "FileExit1Execute")
            continue;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++dialoge;
                // Message boxes carry the program's name and a translated
                // message; the about box is checked on its own.
                if (!qobject_cast<QMessageBox*>(dlg)) {
                    if (!u.nummer(dlg->windowTitle(), Wortart::Feld))
                        fehlend.insert(dlg->windowTitle());
                    unbekannteSammeln(u, dlg, fehlend);
                }
                dlg->reject();
            }
        });
        a->trigger();
        QApplication::processEvents();
    }
    EXPECT_GT(dialoge, 30);
    for (const QString& t : fehlend)
        ADD_FAILURE() << "caption without a word: " << t.toStdString();
}

}  // namespace
}  // namespace gm
