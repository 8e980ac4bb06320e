// Every dialog the menu opens fits a 1366 x 768 laptop screen, and the dialog
// frame keeps any dialog on the screen it opens on, with Enter pressing
// "Übernehmen".

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <map>
#include <memory>

#include "app/eingabe_bild.h"
#include "app/fensterstatus.h"
#include "app/hauptfenster.h"
#include "app/parameter_dialog.h"
#include "core/puffer.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

struct Gesehen {
    QString titel;
    QSize natuerlich;  // what its layout asks for
    QRect rahmen;      // where it was shown
};

// Triggers `a` and records, then cancels, every dialog it shows.
void ausloesen(QAction* a, std::map<QString, Gesehen>& dialoge) {
    QTimer uhr;
    uhr.setInterval(5);
    QObject::connect(&uhr, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        if (!qobject_cast<QFileDialog*>(d) && !qobject_cast<QMessageBox*>(d)) {
            dialoge[a->objectName()] = {d->windowTitle(), d->sizeHint(), d->frameGeometry()};
        }
        d->reject();
    });
    uhr.start();
    a->trigger();
    QApplication::processEvents();
}

TEST(DialogGroesse, EveryDialogOfTheMenuFitsA1366x720Area) {
    Sitzung s;
    TLandGenerator f(s);
    Dialogdienste& d = f.dienste();
    d.oeffnen = [](const DateiDialog&) { return std::optional<std::string>(); };
    d.speichern = d.oeffnen;
    d.frage = [](const std::string&) { return Antwort::Abbrechen; };
    d.sichern = [](const std::string&) { return Antwort::Nein; };
    d.fehler = [](const std::string&) {};
    NeueGroesse(s.dok, 32, 32, true);
    f.neueGroesse(false);
    s.dok.ScriptListe[1] = "invert";  // "Abspielen" needs a line
    s.dok.ScriptAnzahl = 1;
    fensterAktualisieren(f);
    f.show();

    std::map<QString, Gesehen> dialoge;
    for (QAction* a : f.findChildren<QAction*>()) {
        // "Neu" of the script would leave nothing to play.
        if (a->objectName().isEmpty() || a->menu() || !a->isEnabled() ||
            a->objectName() == "FileExit1Execute" || a->objectName() == "ScriptNeuClick") {
            continue;
        }
        ausloesen(a, dialoge);
    }
    const QRect frei = f.screen()->availableGeometry();
    for (const auto& [befehl, g] : dialoge) {
        if (qEnvironmentVariableIsSet("GM_GROESSEN")) {
            std::printf("%s %dx%d\n", befehl.toUtf8().constData(), g.natuerlich.width(),
                        g.natuerlich.height());
        }
        EXPECT_LE(g.natuerlich.width(), 1366)
            << befehl.toStdString() << " " << g.titel.toStdString();
        EXPECT_LE(g.natuerlich.height(), 720)
            << befehl.toStdString() << " " << g.titel.toStdString();
        EXPECT_TRUE(frei.contains(g.rahmen.topLeft())) << befehl.toStdString();
        EXPECT_LE(g.rahmen.height(), frei.height()) << befehl.toStdString();
    }
    // The tall ones were among them, so the check cannot pass by seeing nothing.
    for (const char* befehl : {"PerlinNoise1Click", "RegenErosionClick", "Einstellungen1Click",
                               "FileNew1Execute", "DXF2Click", "ScriptAbspielenClick"}) {
        EXPECT_TRUE(dialoge.count(befehl)) << befehl;
    }
    EXPECT_GE(dialoge.size(), 15u);
}

// A dialog taller than the screen is capped to it and its parameter column
// scrolls; Enter on a slider presses "Übernehmen".
TEST(DialogGroesse, TallDialogScrollsWithinTheScreenAndEnterAccepts) {
    struct Rec {
        double w[40] = {};
    };
    static const auto parameter = [] {
        std::vector<Parameter> t;
        for (int i = 0; i < 40; ++i)
            t.push_back(Param<&Rec::w, 0>("Wert", 0.5, 0, 1));
        return t;
    }();
    ParameterDialog dlg(QStringLiteral("Hoch"), parameter);
    Werte gespeichert(parameter.size(), 0.5);
    dlg.beginnen(gespeichert);
    EXPECT_GT(dlg.sizeHint().height(), 20 * 46);  // two columns of 20 sliders
    dlg.show();
    QApplication::processEvents();
    const QRect frei = dlg.screen()->availableGeometry();
    EXPECT_LE(dlg.height(), frei.height());
    EXPECT_GE(dlg.y(), frei.top());
    auto* flaeche = dlg.findChild<QScrollArea*>();
    ASSERT_NE(flaeche, nullptr);
    EXPECT_TRUE(flaeche->verticalScrollBar()->isVisible());
    EXPECT_TRUE(dlg.findChild<QPushButton*>("Weiter")->isVisible());

    dlg.regler("Wert")->setFocus();
    QTest::keyClick(dlg.regler("Wert"), Qt::Key_Right);
    QTest::keyClick(dlg.regler("Wert"), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_NEAR(gespeichert[0], 0.51, 1e-12);
}

// Enter in a number field only moves on, reading the field on the way.
TEST(DialogGroesse, EnterInANumberFieldMovesToTheNextControl) {
    TEingabeBild dlg;
    dlg.vorbereiten({513, 513});
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.feldX()->setFocus();
    dlg.feldX()->selectAll();
    QTest::keyClicks(dlg.feldX(), "99999");
    QTest::keyClick(dlg.feldX(), Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.feldX()->hasFocus());
    EXPECT_EQ(dlg.feldX()->text(), "2049");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
}

}  // namespace
}  // namespace gm
