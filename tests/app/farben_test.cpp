#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/hauptfenster.h"
#include "app/regler_widget.h"
#include "app/render_dialog.h"
#include "app/skala_widget.h"
#include "script/sitzung.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

// A bar of 1016 rows: row y stands for the value (1008 - y) / 1000.
class Farben : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->skala()->setFixedSize(90, 1016);
        f->dienste().farbe = [this](unsigned rgb) {
            farbVorgaben.push_back(rgb);
            return antwortFarbe;
        };
        f->dienste().fehler = [this](const std::string& t) { fehler.push_back(t); };
        f->dienste().frage = [](const std::string&) { return Antwort::Ja; };
    }
    void druecken(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(f->skala(), b, {}, QPoint(x, y));
    }
    void ziehen(int x, int y, Qt::MouseButtons b = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, b, {});
        QApplication::sendEvent(f->skala(), &e);
    }
    void loslassen(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(f->skala(), b, {}, QPoint(x, y));
    }
    void doppelklick(int x, int y) {
        druecken(x, y);
        loslassen(x, y);
        QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(x, y), QPointF(x, y), Qt::LeftButton,
                      Qt::LeftButton, {});
        QApplication::sendEvent(f->skala(), &e);
        loslassen(x, y);
    }
    Palette& p1() { return s->farben.palette(1); }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    std::optional<unsigned> antwortFarbe = 0xFF0000u;
    std::vector<unsigned> farbVorgaben;
    std::vector<std::string> fehler;
};

TEST_F(Farben, PalettePointsAreInsertedDraggedColouredAndDeleted) {
    ASSERT_EQ(s->farben.Farbmodus, 1);
    doppelklick(8, 508);
    ASSERT_EQ(p1().MaxIndex, 2);
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Position, 0.5);
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Rot, 0.5);

    druecken(8, 508);
    ziehen(8, 308);
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Position, 0.7);
    EXPECT_EQ(f->statusText(1).toStdString(), "Farbskala(x, r, g, b): (0.700000, 128, 128, 128)");
    ziehen(8, 10);  // not more than 2 rows below the last point (row 8)
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Position, 0.7);
    ziehen(8, 11);
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Position, 0.997);
    loslassen(8, 11);

    druecken(8, 11, Qt::RightButton);
    loslassen(8, 11, Qt::RightButton);
    ASSERT_EQ(farbVorgaben, std::vector<unsigned>{0x808080u});
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Rot, 1.0);
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Gruen, 0.0);

    // The first and the last point stay; the inner one goes.
    doppelklick(8, 1008);
    EXPECT_EQ(p1().MaxIndex, 2);
    doppelklick(8, 11);
    EXPECT_EQ(p1().MaxIndex, 1);

    // In grey mode the bar edits no points.
    f->aktion("Graustufen1Click")->trigger();
    doppelklick(8, 508);
    EXPECT_EQ(p1().MaxIndex, 1);
}

TEST_F(Farben, MarkersFollowBothButtons) {
    druecken(45, 808);  // left half: MarkeUnten
    loslassen(45, 808);
    EXPECT_DOUBLE_EQ(s->dok.MarkeUnten.Wert, 0.2);
    druecken(75, 58);  // right half: MarkeOben
    loslassen(75, 58);
    EXPECT_DOUBLE_EQ(s->dok.MarkeOben.Wert, 0.95);
    druecken(75, 258, Qt::RightButton);  // spread 0.2 requested
    EXPECT_NEAR(s->dok.MarkeOben.Streuung, 0.05, 1e-12);
    loslassen(75, 258, Qt::RightButton);
    EXPECT_TRUE(farbVorgaben.empty());
    // Above the top row the value grows by 0.001 per event.
    druecken(45, 3);
    ziehen(45, 3);
    EXPECT_NEAR(s->dok.MarkeUnten.Wert, 0.202, 1e-12);
    loslassen(45, 3);
}

TEST_F(Farben, PaletteMenuCopiesArrangesAndRoundTripsFiles) {
    Palette& p2 = s->farben.palette(2);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PunktEinfuegen(p2, 1, Palettenpunkt{0.1 * (3 - i), 0.2, 0.4, 0.6}));
    }
    ASSERT_EQ(p2.MaxIndex, 4);
    f->aktion("P2P11Click")->trigger();
    EXPECT_EQ(p1().MaxIndex, 4);
    EXPECT_EQ(p2.MaxIndex, 4);
    f->aktion("Kopieren2Click")->trigger();
    EXPECT_DOUBLE_EQ(p1().Punkte[1].Position, 0.25);
    EXPECT_DOUBLE_EQ(p1().Punkte[3].Position, 0.75);
    f->aktion("GrP21Click")->trigger();
    EXPECT_EQ(p2.MaxIndex, 1);
    f->aktion("Palette12Click")->trigger();
    EXPECT_EQ(s->farben.Farbmodus, 3);
    EXPECT_TRUE(f->aktion("Palette12Click")->isChecked());
    EXPECT_FALSE(f->aktion("Palette11Click")->isChecked());

    const fs::path datei =
        fs::temp_directory_path() / ("gm_app_pal_" + std::to_string(::getpid()) + ".fpl");
    std::vector<std::string> titel;
    f->dienste().speichern = [&](const DateiDialog& d) {
        titel.push_back(d.titel);
        return std::optional<std::string>(datei.string());
    };
    f->dienste().oeffnen = f->dienste().speichern;
    s->farben.Render.FelsHoehe = 0.123456;
    f->aktion("Speichern1Click")->trigger();  // no name yet: asks for one
    EXPECT_EQ(titel, std::vector<std::string>{"Speichern Palette"});
    const Palette gesichert = p1();
    f->aktion("GrP11Click")->trigger();
    s->farben.Render.FelsHoehe = 0.5;
    f->aktion("Laden1Click")->trigger();
    EXPECT_EQ(p1().MaxIndex, gesichert.MaxIndex);
    EXPECT_NEAR(p1().Punkte[2].Position, gesichert.Punkte[2].Position, 1e-6);
    EXPECT_DOUBLE_EQ(s->farben.Render.FelsHoehe, 0.123456);
    EXPECT_TRUE(fehler.empty());
    fs::remove(datei);
}

TEST(RenderDialog, CancelRestoresEveryFieldIncludingColours) {
    auto s = std::make_unique<Sitzung>();
    std::vector<unsigned> vorgaben;
    TEingabeRenderEinstellungen dlg(*s, [&](unsigned rgb) {
        vorgaben.push_back(rgb);
        return std::optional<unsigned>(0xFF0000u);
    });
    const RenderRec vorher = s->farben.Render;
    dlg.vorbereiten();
    EXPECT_TRUE(dlg.regler("ImageReglerSchneeX")->isHidden());
    dlg.schnee()->click();
    EXPECT_TRUE(s->farben.Render.Schnee);
    EXPECT_FALSE(dlg.regler("ImageReglerSchneeX")->isHidden());

    ReglerWidget* hv = dlg.regler("ImageReglerHV");
    QTest::mousePress(hv, Qt::LeftButton, {}, QPoint(hv->rec().Rechts, 23));
    EXPECT_DOUBLE_EQ(s->farben.Render.HoehenZufall, 1.0);  // written at once
    QTest::mouseRelease(hv, Qt::LeftButton, {}, QPoint(hv->rec().Rechts, 23));
    ReglerWidget* grenze = dlg.regler("ImageReglerSchneeX");
    QTest::mousePress(grenze, Qt::RightButton, {}, QPoint(grenze->rec().Links, 23));
    EXPECT_NEAR(s->farben.Render.SchneeHoeheBreite, 0.2, 1e-12);  // 0.8 - 0, bounded by 1 - 0.8
    QTest::mouseRelease(grenze, Qt::RightButton, {}, QPoint(grenze->rec().Links, 23));

    dlg.feldKlick(0);  // SchneeFarbe1
    ASSERT_EQ(vorgaben, std::vector<unsigned>{0xFFFFFFu});
    EXPECT_DOUBLE_EQ(s->farben.Render.SchneeFarbe1.Gruen, 0.0);
    EXPECT_EQ(dlg.feld("ImageSF1")->pixmap().toImage().pixel(5, 5), qRgb(255, 0, 0));
    dlg.feldKlick(0);
    EXPECT_EQ(vorgaben.back(), 0xFF0000u);  // the dialog is preset with the new colour

    dlg.findChild<QPushButton*>("Abbrechen")->click();
    const RenderRec& r = s->farben.Render;
    EXPECT_EQ(r.Schnee, vorher.Schnee);
    EXPECT_EQ(r.HoehenZufall, vorher.HoehenZufall);
    EXPECT_EQ(r.SchneeHoeheBreite, vorher.SchneeHoeheBreite);
    EXPECT_EQ(r.SchneeFarbe1.Rot, 1.0);
    EXPECT_EQ(r.SchneeFarbe1.Gruen, 1.0);

    dlg.vorbereiten();
    dlg.fels()->click();
    dlg.findChild<QPushButton*>("Weiter")->click();
    EXPECT_TRUE(s->farben.Render.Fels);
}

}  // namespace
}  // namespace gm
