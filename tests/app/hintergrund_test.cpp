// Long work beside the window's thread: cancelling leaves the document as it
// was, finishing applies it, and the window's events keep flowing meanwhile.
// The slow generators' dialogs ("&Fuellen", then "Übernehmen") work the same
// way and apply what the direct run gives.

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <memory>
#include <thread>
#include <vector>

#include "app/einmal_dialog.h"
#include "app/hintergrund.h"
#include "app/regen_dialog.h"
#include "app/rotation_dialog.h"
#include "app/zellen_dialog.h"
#include "core/fortschritt.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

std::vector<double> spalten(const TFeld& t, const Dokument& d) {
    std::vector<double> v;
    for (int x = -1; x <= d.MaxX + 1; ++x)
        for (int y = -1; y <= d.MaxY + 1; ++y)
            v.push_back(t(x, y));
    return v;
}

// Presses "Abbrechen" of the progress dialog as soon as there is one and
// counts the window's timer events meanwhile.
struct Abbrecher {
    explicit Abbrecher(QWidget* fenster) {
        uhr.setInterval(5);
        QObject::connect(&uhr, &QTimer::timeout, [this, fenster] {
            ++ticks;
            if (auto* p = fenster->findChild<QProgressDialog*>("Fortschritt")) {
                p->cancel();
                abgebrochen = true;
            }
        });
        uhr.start();
    }
    QTimer uhr;
    int ticks = 0;
    bool abgebrochen = false;
};

class Hintergrund : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        Dokument& d = s->dok;
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                d.Hoehenfeld(x, y) = 0.1 + 0.8 * ((x * 7 + y * 13) % 97) / 97.0;
        UndoSichern(d);
        d.Hoehenfeld(3, 4) = 0.5;  // the undo copy differs from the field
        d.ScriptAufnahme = true;
        feld = spalten(d.Hoehenfeld, d);
        undo = spalten(d.UndoBild, d);
    }
    void unveraendert() {
        const Dokument& d = s->dok;
        EXPECT_EQ(d.MaxX, 512);
        EXPECT_TRUE(spalten(d.Hoehenfeld, d) == feld);
        EXPECT_TRUE(spalten(d.UndoBild, d) == undo);
        EXPECT_EQ(d.ScriptAnzahl, 0);
    }

    // Presses "Übernehmen" and, at the first event the waiting window
    // handles, "Abbrechen" of the progress dialog. True when there was one.
    static bool uebernehmenUndAbbrechen(QDialog& d) {
        bool abgebrochen = false;
        QTimer::singleShot(0, &d, [&] {
            if (auto* p = d.findChild<QProgressDialog*>("Fortschritt")) {
                p->cancel();
                abgebrochen = true;
            }
        });
        test::weiter(d);
        return abgebrochen;
    }
    // The field the window's run left equals the generator's direct run,
    // combined, on the field before it.
    template <class Direkt>
    void gleichDirekt(Direkt direkt) {
        Dokument& d = s->dok;
        const std::vector<double> fenster = spalten(d.Hoehenfeld, d);
        EXPECT_FALSE(fenster == feld);
        UndoZurueck(d);
        direkt();
        ZweitbildVerknuepfen(d);
        EXPECT_TRUE(spalten(d.Hoehenfeld, d) == fenster);
    }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    std::vector<double> feld, undo;
};

TEST_F(Hintergrund, CancelledErosionLeavesFieldAndUndoCopyUnchangedAndTheDialogOpen) {
    bool offen = false;
    int ticks = 0;
    const bool gezeigt =
        test::modalBedienen<TEingabeRegenErosion>(*f, "RegenErosionClick", [&](auto& d) {
            ReglerWidget* z = d.regler("Zyklen");
            test::ziehen(z, z->rec().Rechts, z->rec().Rechts);  // 1000 cycles on 513 x 513
            ASSERT_EQ(z->wert(), 1000.0);
            Abbrecher abbrecher(f.get());
            test::weiter(d);
            EXPECT_TRUE(abbrecher.abgebrochen);
            ticks = abbrecher.ticks;
            offen = d.isVisible();
        });
    ASSERT_TRUE(gezeigt);
    EXPECT_TRUE(offen);
    EXPECT_GT(ticks, 0);  // the window's events ran during the work
    unveraendert();
}

TEST_F(Hintergrund, MarkedOperationRunsOnAWorkerAndCancelPutsEverythingBack) {
    static std::thread::id faden;
    // Half applies itself, then reports until it is stopped (or a safety bound).
    const Operation op{"langsam",
                       OperationsArt::Filter,
                       {},
                       "langsam",
                       {},
                       [](Sitzung& s, const Operation&, const Werte&) -> Status {
                           faden = std::this_thread::get_id();
                           UndoSichern(s.dok);
                           ScriptAnhaengen(s.dok, "langsam");
                           for (int x = 0; x <= s.dok.MaxX / 2; ++x)
                               s.dok.Hoehenfeld(x, 0) = 0.0;
                           s.dok.MaxX = 100;
                           for (int i = 0; i < 400; ++i) {
                               FortschrittMelden(i / 400.0);
                               std::this_thread::sleep_for(std::chrono::milliseconds(1));
                           }
                           return {};
                       },
                       nullptr,
                       {},
                       DialogArt::Keiner,
                       true};
    {
        Abbrecher abbrecher(f.get());
        EXPECT_FALSE(OperationLaufen(f.get(), *s, op, {}).has_value());
        EXPECT_TRUE(abbrecher.abgebrochen);
    }
    EXPECT_NE(faden, std::this_thread::get_id());
    unveraendert();

    // Not cancelled, it applies and spends the undo copy like any run.
    const auto lauf = OperationLaufen(f.get(), *s, op, {});
    ASSERT_TRUE(lauf.has_value());
    EXPECT_TRUE(lauf->ok());
    EXPECT_EQ(s->dok.MaxX, 100);
    EXPECT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(s->dok.UndoBild(3, 4), 0.5);  // the field before the run

    // Unmarked, the same row runs on the calling thread.
    Operation kurz = op;
    kurz.lang = false;
    s->dok.MaxX = 512;
    ASSERT_TRUE(OperationLaufen(f.get(), *s, kurz, {}).has_value());
    EXPECT_EQ(faden, std::this_thread::get_id());
}

TEST_F(Hintergrund, RotationDialogCancelledKeepsEverythingAppliedEqualsTheDirectRun) {
    ASSERT_TRUE(test::modalBedienen<TErstelleRotation>(*f, "Rotation1Click", [&](auto& d) {
        test::ziehen(d.regler("Perioden"), 60, 160);
        const double vorher = d.gespeichert().Perioden;
        EXPECT_TRUE(uebernehmenUndAbbrechen(d));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.gespeichert().Perioden, vorher);
        unveraendert();  // field, undo copy and the unrecorded line
        test::weiter(d);
        EXPECT_FALSE(d.isVisible());
        EXPECT_NE(d.gespeichert().Perioden, vorher);
    }));
    EXPECT_EQ(s->dok.ScriptAnzahl, 1);
    const RotationParamRec rec = einmalDialog<TErstelleRotation>(*f).gespeichert();
    gleichDirekt([&] { RotationErzeugen(s->dok, rec); });
}

TEST_F(Hintergrund, CellsDialogCancelledKeepsEverythingAppliedEqualsTheDirectRun) {
    ASSERT_TRUE(test::modalBedienen<TErstelleZellen>(*f, "Zellen1Click", [&](auto& d) {
        test::ziehen(d.regler("Anzahl"), 60, 90);
        EXPECT_TRUE(uebernehmenUndAbbrechen(d));
        EXPECT_TRUE(d.isVisible());
        unveraendert();
        test::weiter(d);
    }));
    const ZellenParamRec rec = einmalDialog<TErstelleZellen>(*f).gespeichert();
    gleichDirekt([&] { ZellenBerechnen(s->dok, rec, ZellenBereit(s->dok, s->zellen)); });
}

}  // namespace
}  // namespace gm
