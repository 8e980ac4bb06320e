// The tools on the main view through real mouse events: each family changes
// the field inside its box only and takes one undo copy, the right button
// combines by the right-hand mode, the mask protects cells, a click-move-click
// drag works like press-drag-release, the window's stroke equals --stroke for
// the same seed, and the "Berge" dialog stores or keeps its settings.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <memory>

#include "app/berg_dialog.h"
#include "app/bild_widget.h"
#include "app/hauptbild.h"
#include "app/hauptfenster.h"
#include "app/modal_hilfe.h"
#include "app/regler_widget.h"
#include "app/werkzeug_maus.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "script/sitzung.h"
#include "script/zeile.h"

namespace gm {
namespace {

class WerkzeugFenster : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        musterFuellen(s->dok);
    }
    static void musterFuellen(Dokument& d) {
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                d.Hoehenfeld(x, y) = 0.3 + 0.01 * ((x * 5 + y * 3) % 7);
    }
    void maus(QEvent::Type art, QPointF p, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
        QMouseEvent e(art, p, p, knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(f->bild(), &e);
    }
    void ziehen(QPointF a, QPointF b, Qt::MouseButton knopf = Qt::LeftButton) {
        maus(QEvent::MouseButtonPress, a, knopf, knopf);
        maus(QEvent::MouseMove, (a + b) / 2, Qt::NoButton, knopf);
        maus(QEvent::MouseMove, b, Qt::NoButton, knopf);
        maus(QEvent::MouseButtonRelease, b, knopf, Qt::NoButton);
    }
    void klicken(QPointF p) {
        maus(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    void werkzeug(const char* knopf) {
        auto* k = f->findChild<QAbstractButton*>(knopf);
        ASSERT_NE(k, nullptr) << knopf;
        if (!k->isChecked()) k->click();
    }
    // The cells that differ between the field (or mask) and `vorher`, as a box.
    struct Aenderung {
        int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1, anzahl = 0;
    };
    Aenderung vergleichen(const std::vector<double>& vorher, bool maske = false) const {
        Aenderung a;
        const Dokument& d = s->dok;
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y) {
                const double jetzt = maske ? d.Maske(x, y) : d.Hoehenfeld(x, y);
                if (jetzt == vorher[std::size_t(x) * (d.MaxY + 1) + y]) continue;
                ++a.anzahl;
                a.x0 = std::min(a.x0, x), a.y0 = std::min(a.y0, y);
                a.x1 = std::max(a.x1, x), a.y1 = std::max(a.y1, y);
            }
        return a;
    }
    std::vector<double> abbild(bool maske = false) const {
        std::vector<double> v;
        const Dokument& d = s->dok;
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                v.push_back(maske ? d.Maske(x, y) : d.Hoehenfeld(x, y));
        return v;
    }
    bool undoIst(const std::vector<double>& vorher) const {
        const Dokument& d = s->dok;
        for (int x = 0; x <= d.MaxX; ++x)
            for (int y = 0; y <= d.MaxY; ++y)
                if (d.UndoBild(x, y) != vorher[std::size_t(x) * (d.MaxY + 1) + y]) return false;
        return true;
    }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(WerkzeugFenster, EachToolFamilyChangesOnlyItsBoxAndTakesOneUndoCopy) {
    const struct {
        const char* knopf;
        bool maske;
    } familien[] = {{"VMalen1SB", false},    {"KMalen2SB", false}, {"SpeedButton1", false},
                    {"SpeedButton2", false}, {"KGleichSB", false}, {"VWeichSB", false},
                    {"KHartSB", false},      {"VMaskeSB", true}};
    for (const auto& fam : familien) {
        musterFuellen(s->dok);
        werkzeug(fam.knopf);
        const auto vorher = abbild(fam.maske);
        const auto feldVorher = abbild();
        ziehen({100, 120}, {180, 170});
        const Aenderung a = vergleichen(vorher, fam.maske);
        EXPECT_GT(a.anzahl, 100) << fam.knopf;
        EXPECT_GE(a.x0, 100) << fam.knopf;
        EXPECT_LE(a.x1, 180) << fam.knopf;
        EXPECT_GE(a.y0, 120) << fam.knopf;
        EXPECT_LE(a.y1, 170) << fam.knopf;
        if (!fam.maske) {
            EXPECT_TRUE(undoIst(feldVorher)) << fam.knopf;
        }
        EXPECT_FALSE(f->werkzeugMaus()->zugLaeuft());
        EXPECT_TRUE(f->bild()->umriss().isEmpty());
        MaskeLoeschen(s->dok);
    }
}

// After a dab the view shows what a whole redraw shows, yet only the dab's
// box was recoloured: a cell changed behind the view's back elsewhere keeps
// its old colour until the next whole redraw.
TEST_F(WerkzeugFenster, ADabRedrawsOnlyItsBoxAndTheViewEqualsAWholeRedraw) {
    const auto ganzGemalt = [this] {
        PixelImage puffer;
        return HauptbildMalen(*s, f->zustand().ZoomFaktor, puffer);
    };
    for (double zoom : {1.0, 0.5}) {
        f->zoomSetzen(zoom);
        for (const char* knopf : {"VMalen1SB", "KHartSB", "SpeedButton1", "VMaskeSB"}) {
            musterFuellen(s->dok);
            MaskeLoeschen(s->dok);
            f->neuZeichnen();
            werkzeug(knopf);
            ziehen({40, 50}, {90, 80});
            ASSERT_TRUE(f->bild()->bild() == ganzGemalt()) << knopf << " zoom " << zoom;
        }
        const QImage vorher = f->bild()->bild();
        werkzeug("VMalen1SB");
        s->dok.Hoehenfeld(400, 400) = s->dok.Hoehenfeld(400, 400) < 0.5 ? 0.9 : 0.1;
        ziehen({40, 50}, {90, 80});
        const QPoint p(int(400 * zoom), int(400 * zoom));
        EXPECT_EQ(f->bild()->bild().pixel(p), vorher.pixel(p));
        EXPECT_NE(ganzGemalt().pixel(p), vorher.pixel(p));
    }
}

TEST_F(WerkzeugFenster, RightButtonUsesTheRightModeAndTheMaskProtectsCells) {
    werkzeug("KMalen1SB");
    f->modusListe(0)->setCurrentIndex(0);  // "Normal"
    f->modusListe(1)->setCurrentIndex(4);  // "1-x"
    s->dok.Maske(150, 150) = 1;
    ziehen({120, 120}, {180, 180}, Qt::RightButton);
    EXPECT_EQ(s->dok.Hoehenfeld(150, 151), 0.0);  // 1 - the upper marker
    EXPECT_NE(s->dok.Hoehenfeld(150, 150), 0.0);
    EXPECT_EQ(s->dok.Verknuepfungsmodus, 1);
    ziehen({120, 120}, {180, 180});
    EXPECT_EQ(s->dok.Hoehenfeld(150, 151), 1.0);
}

TEST_F(WerkzeugFenster, AClickStartsADragThatTheNextReleaseEnds) {
    werkzeug("VMalen1SB");
    klicken({200, 200});
    EXPECT_TRUE(f->werkzeugMaus()->zugLaeuft());
    maus(QEvent::MouseMove, {260, 240}, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(f->bild()->umriss().isEmpty());
    const double vorher = s->dok.Hoehenfeld(230, 220);
    klicken({260, 240});
    EXPECT_FALSE(f->werkzeugMaus()->zugLaeuft());
    EXPECT_EQ(s->dok.Hoehenfeld(230, 220), 1.0);
    EXPECT_NE(vorher, 1.0);
}

TEST_F(WerkzeugFenster, TheWindowsStrokeEqualsTheCommandLinesForTheSameSeed) {
    werkzeug("SpeedButton2");
    auto* ecken = f->findChild<ReglerWidget*>("IEinstellungen_01");
    test::ziehen(ecken, ecken->rec().Links + 40, ecken->rec().Links + 30);  // some Zufall
    ASSERT_LT(s->werkzeug.Form.Zufall.Wert, 1.0);
    auto andere = std::make_unique<Sitzung>();
    musterFuellen(andere->dok);
    andere->werkzeug = s->werkzeug;
    andere->dok.Verknuepfungsmodus = s->dok.Verknuepfungsmodus;
    setzeSeed(s->dok, 777);
    setzeSeed(andere->dok, 777);
    s->dok.ScriptAufnahme = true;
    // Outlines drawn during the drag must not touch the document's generator.
    maus(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 20; ++i)
        maus(QEvent::MouseMove, QPointF(110 + i, 105 + 2 * i), Qt::NoButton, Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, {190, 160}, Qt::LeftButton, Qt::NoButton);
    const Punkt punkte[2] = {{100, 100}, {190, 160}};
    ASSERT_TRUE(PunkteAnwenden(andere->dok, andere->werkzeug, 2, false, punkte).ok());
    EXPECT_EQ(abbild(), [&] {
        std::vector<double> v;
        for (int x = 0; x <= andere->dok.MaxX; ++x)
            for (int y = 0; y <= andere->dok.MaxY; ++y)
                v.push_back(andere->dok.Hoehenfeld(x, y));
        return v;
    }());
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(s->dok.ScriptListe[1].rfind("stroke(2, 0, ", 0), 0u) << s->dok.ScriptListe[1];
}

TEST_F(WerkzeugFenster, BergeDialogStoresOnAcceptAndKeepsOnCancel) {
    const auto zieheLevel = [](TErstelleBerg& d) {
        ReglerWidget* r = d.regler("Level");
        ASSERT_NE(r, nullptr);
        test::ziehen(r, r->rec().Links + 2, r->rec().Links + 2);  // to the minimum, 2
    };
    EXPECT_TRUE(test::modalBedienen<TErstelleBerg>(*f, "Berge1Click", [&](TErstelleBerg& d) {
        zieheLevel(d);
        test::abbrechen(d);
    }));
    EXPECT_EQ(s->werkzeug.Berg.Level, 5);
    EXPECT_TRUE(test::modalBedienen<TErstelleBerg>(*f, "Berge1Click", [&](TErstelleBerg& d) {
        zieheLevel(d);
        test::weiter(d);
    }));
    EXPECT_EQ(s->werkzeug.Berg.Level, 2);
    EXPECT_EQ(s->werkzeug.Berg.ZufallZ, 0.5);
}

TEST_F(WerkzeugFenster, GleichPinselCommandsSetTheLevelMode) {
    f->aktion("Minimum1Click")->trigger();
    EXPECT_EQ(s->dok.Gleichmodus, 1);
    f->aktion("Maximum1Click")->trigger();
    EXPECT_EQ(s->dok.Gleichmodus, 2);
    f->aktion("Mittel1Click")->trigger();
    EXPECT_EQ(s->dok.Gleichmodus, 3);
}

}  // namespace
}  // namespace gm
