// The 3D preview and the profile view opened through their "&Ansicht"
// commands on the real window, driven through their widgets.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "app/ansicht3d_fenster.h"
#include "app/bild3d_widget.h"
#include "app/profil_fenster.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;
using test::ziehen;

class Ansichten : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        f->dienste().groesse = [](Groesse) { return Groesse{65, 33}; };
        f->aktion("FileNew1Execute")->trigger();
        for (int x = 0; x <= s->dok.MaxX; ++x)
            for (int y = 0; y <= s->dok.MaxY; ++y)
                s->dok.Hoehenfeld(x, y) = (x % 16) / 20.0 + y / 80.0;
    }
    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

void maus(QWidget* w, QEvent::Type art, QPoint p, Qt::MouseButton taste, Qt::MouseButtons tasten) {
    QMouseEvent e(art, QPointF(p), QPointF(p), taste, tasten, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(Ansichten, PreviewTurnsWithSliderAndDragAndKeepsItsSettings) {
    ASSERT_TRUE(f->aktion("N3DVorschau1Click")->isEnabled());
    QImage zuletzt;
    ASSERT_TRUE(modalBedienen<TDarstellen3DLandschaft>(*f, "N3DVorschau1Click", [&](auto& d) {
        const QImage anfang = d.bild()->bild();
        ASSERT_FALSE(anfang.isNull());
        EXPECT_EQ(anfang.size(), d.bild()->size());
        EXPECT_DOUBLE_EQ(d.regler("ImageHw")->wert(), 80.0);

        ReglerWidget* x = d.regler("ImageXw");
        ziehen(x, x->rec().Links + 10, x->rec().Links + 150);
        EXPECT_NE(s->ansicht.WinkelX, 0.0);
        EXPECT_DOUBLE_EQ(s->ansicht.WinkelX, x->wert());
        EXPECT_FALSE(d.nurKasten());  // a released slider shows the surface
        const QImage gedreht = d.bild()->bild();
        EXPECT_NE(gedreht, anfang);

        // A drag on the picture: 20 pixels right turn WinkelZ by 10 degrees.
        Bild3DWidget* b = d.bild();
        maus(b, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
        maus(b, QEvent::MouseMove, {120, 100}, Qt::NoButton, Qt::LeftButton);
        maus(b, QEvent::MouseButtonRelease, {120, 100}, Qt::LeftButton, Qt::NoButton);
        EXPECT_DOUBLE_EQ(s->ansicht.WinkelZ, 10.0);
        EXPECT_DOUBLE_EQ(d.regler("ImageZw")->wert(), 10.0);
        EXPECT_NE(d.bild()->bild(), gedreht);

        const QImage flach = d.bild()->bild();
        d.schattierung()->click();
        EXPECT_TRUE(s->ansicht.Schattierung);
        EXPECT_NE(d.bild()->bild(), flach);
        zuletzt = d.bild()->bild();
        d.template findChild<QPushButton*>("Beenden")->click();
    }));
    const AnsichtRec gespeichert = s->ansicht;

    // Reopened: the sliders start from the kept settings and the picture repeats.
    ASSERT_TRUE(modalBedienen<TDarstellen3DLandschaft>(*f, "N3DVorschau1Click", [&](auto& d) {
        EXPECT_DOUBLE_EQ(d.regler("ImageXw")->wert(), gespeichert.WinkelX);
        EXPECT_DOUBLE_EQ(d.regler("ImageZw")->wert(), 10.0);
        EXPECT_TRUE(d.schattierung()->isChecked());
        EXPECT_EQ(d.bild()->bild(), zuletzt);
    }));
}

TEST_F(Ansichten, ProfileViewFollowsDirectionAndSection) {
    ASSERT_TRUE(modalBedienen<TDarstellenProfil>(*f, "Vorne1Click", [&](auto& d) {
        EXPECT_EQ(d.blickrichtung(), RichtungVorne);
        EXPECT_TRUE(d.knopf(RichtungVorne)->isChecked());
        EXPECT_DOUBLE_EQ(d.regler()->rec().Maximum, 32.0);  // sections along y
        ASSERT_FALSE(d.profil1().isNull());
        ASSERT_FALSE(d.profil().isNull());
        ASSERT_EQ(d.draufsicht().size(), QSize(256, 256));
        EXPECT_EQ(d.draufsicht().pixel(10, 0), qRgb(255, 0, 0));  // marker at section 0

        const QImage vorher = d.profil1();
        ReglerWidget* r = d.regler();
        ziehen(r, r->rec().Links, r->rec().Rechts);
        EXPECT_EQ(d.schnitt(), 32);
        EXPECT_NE(d.profil1(), vorher);
        EXPECT_EQ(d.draufsicht().pixel(10, 255), qRgb(255, 0, 0));
        EXPECT_NE(d.draufsicht().pixel(10, 0), qRgb(255, 0, 0));  // the old marker is gone

        const QImage vorne = d.profil1();
        d.knopf(RichtungHinten)->click();
        EXPECT_EQ(d.blickrichtung(), RichtungHinten);
        EXPECT_EQ(d.profil1(), vorne.mirrored(true, false));

        // Right: sections along x, up to 64; the section is kept.
        d.knopf(RichtungRechts)->click();
        EXPECT_DOUBLE_EQ(d.regler()->rec().Maximum, 64.0);
        EXPECT_EQ(d.schnitt(), 32);
        ziehen(r, r->rec().Rechts, r->rec().Links);
        EXPECT_EQ(d.schnitt(), 0);
        d.template findChild<QPushButton*>("Beenden")->click();
    }));
    EXPECT_TRUE(modalBedienen<TDarstellenProfil>(*f, "Links1Click", [&](auto& d) {
        EXPECT_EQ(d.blickrichtung(), RichtungLinks);
        EXPECT_TRUE(d.knopf(RichtungLinks)->isChecked());
    }));
}

}  // namespace
}  // namespace gm
