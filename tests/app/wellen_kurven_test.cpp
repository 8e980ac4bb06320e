// The small curve images of the rotation and function dialogs: each plots
// WellenProfil for the working set with one phase shift, and follows a
// slider while it is dragged, before the preview is recomputed on release.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/dialog_bilder.h"
#include "app/funktionen_dialog.h"
#include "app/rotation_dialog.h"
#include "core/wellenprofil.h"
#include "core/zahlen.h"
#include "modal_hilfe.h"
#include "script/sitzung.h"

namespace gm {
namespace {

using test::modalBedienen;

QImage bildVon(const QDialog& d, const char* name) {
    const auto* l = d.findChild<QLabel*>(name);
    if (l == nullptr) {
        ADD_FAILURE() << name << " missing";
        return {};
    }
    return l->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

struct Profil {
    int kurve;
    bool welle, negativ;
    double anstieg, stufen, mitte, dehnung, gamma, perioden, phase;
};

// Column i shows the profile at t = (1 - u or u) * perioden, u = i / (w - 1),
// as a white pixel at row Round((1 - v) * (h - 2)); the bottom row is grey.
void erwarteKurve(const QImage& bild, const Profil& p, const char* name) {
    ASSERT_FALSE(bild.isNull()) << name;
    const int w = bild.width(), h = bild.height();
    for (int i : {0, 1, w / 5, w / 3, w / 2, 2 * w / 3, w - 2, w - 1}) {
        const double u = double(i) / (w - 1);
        const double t = (p.negativ ? 1.0 - u : u) * p.perioden;
        const double v = WellenProfil(p.kurve, p.welle, p.negativ, p.anstieg, p.stufen, p.mitte,
                                      p.dehnung, p.gamma, p.perioden, p.phase, t);
        const int zeile = int(roundHalfEven((1.0 - std::clamp(v, 0.0, 1.0)) * (h - 2)));
        EXPECT_EQ(bild.pixel(i, zeile), qRgb(255, 255, 255)) << name << " column " << i;
        EXPECT_EQ(bild.pixel(i, h - 1), qRgb(192, 192, 192)) << name << " column " << i;
    }
}

Profil profil(const RotationParamRec& r, double phase) {
    return {r.Kurve,        r.Welle,        r.Negativ, r.AnstiegF, r.Stufen,
            r.Linearitaet2, r.Linearitaet1, r.GammaF,  r.Perioden, phase};
}

Profil profil(const FunktionenAchse& a, double phase) {
    return {a.Kurve,        a.Welle,        a.Negativ, a.AnstiegF, a.Stufen,
            a.Linearitaet2, a.Linearitaet1, a.GammaF,  a.Perioden, phase};
}

class WellenKurven : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
    }
    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
};

TEST_F(WellenKurven, RotationCurvesShowBothPhaseShiftsAndFollowTheSliders) {
    ASSERT_TRUE(modalBedienen<TErstelleRotation>(*f, "Rotation1Click", [](auto& d) {
        const auto pruefen = [&] {
            const RotationParamRec r = d.arbeit();
            erwarteKurve(bildVon(d, "ImageD1"), profil(r, r.Verschiebung1), "ImageD1");
            erwarteKurve(bildVon(d, "ImageD2"), profil(r, r.Verschiebung2), "ImageD2");
        };
        pruefen();  // the start: 'f=x' over one period, a straight rise
        const QImage d1 = bildVon(d, "ImageD1"), d2 = bildVon(d, "ImageD2");
        EXPECT_EQ(d1, d2);
        // Dragging the first phase shift redraws ImageD1 before the release.
        bool waehrend = false;
        const int laeufe = d.vorschauLaeufe();
        test::ziehen(d.regler("Verschiebung1"), 60, 140, [&] {
            waehrend = bildVon(d, "ImageD1") != d1 && d.vorschauLaeufe() == laeufe;
        });
        ASSERT_NE(std::fmod(d.regler("Verschiebung1")->wert(), 1.0), 0.0);  // not a whole shift
        EXPECT_TRUE(waehrend);
        EXPECT_EQ(bildVon(d, "ImageD2"), d2);
        pruefen();
        // Periods, a curve, "Welle" and "Negativ" reach both images.
        test::ziehen(d.regler("Perioden"), 60, 170);
        d.kurven()->setCurrentIndex(5);
        d.schalter("Welle")->click();
        d.schalter("Negativ")->click();
        test::ziehen(d.regler("GammaF"), 100, 190);
        EXPECT_NE(bildVon(d, "ImageD2"), d2);
        pruefen();
    }));
}

TEST_F(WellenKurven, FunctionCurvesShowEachAxisAndPhaseShiftAndFollowTheSliders) {
    ASSERT_TRUE(modalBedienen<TErstelleFunktionen>(*f, "Funktion1Click", [](auto& d) {
        const char* namen[2][2] = {{"ImageDX1", "ImageDX2"}, {"ImageDY1", "ImageDY2"}};
        const auto pruefen = [&] {
            const FunktionenParamRec r = d.arbeit();
            for (int a = 0; a < 2; ++a) {
                const FunktionenAchse& achse = r.Achse[std::size_t(a)];
                erwarteKurve(bildVon(d, namen[a][0]), profil(achse, achse.Verschiebung1),
                             namen[a][0]);
                erwarteKurve(bildVon(d, namen[a][1]), profil(achse, achse.Verschiebung2),
                             namen[a][1]);
            }
        };
        pruefen();
        const QImage x1 = bildVon(d, "ImageDX1"), y2 = bildVon(d, "ImageDY2");
        bool waehrend = false;
        test::ziehen(d.regler("Verschiebung2Y"), 60, 120,
                     [&] { waehrend = bildVon(d, "ImageDY2") != y2; });
        EXPECT_TRUE(waehrend);
        EXPECT_EQ(bildVon(d, "ImageDX1"), x1);
        d.kurven(0)->setCurrentIndex(6);
        test::ziehen(d.regler("PeriodenX"), 60, 180);
        test::ziehen(d.regler("StufenX"), 60, 80);
        d.schalter("NegativX")->click();
        EXPECT_NE(bildVon(d, "ImageDX1"), x1);
        pruefen();
    }));
}

}  // namespace
}  // namespace gm
