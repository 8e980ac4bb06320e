#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstddef>
#include <memory>

#include "app/eingabe_bild.h"
#include "app/hauptfenster.h"
#include "app/mod_panel.h"
#include "app/parameter_dialog.h"
#include "app/regler_widget.h"
#include "script/sitzung.h"

namespace gm {
namespace {

struct ProbeRec {
    double hoehe;
    int anzahl;
    bool spiegeln;
};
const Parameter kProbe[] = {
    Param<&ProbeRec::hoehe>("hoehe", 0.5, 0, 1, Skala::Linear, 0.01, "Höhe"),
    Param<&ProbeRec::anzahl>("anzahl", 3, 1, 10, Skala::Linear, 1, "Anzahl"),
    Param<&ProbeRec::spiegeln>("spiegeln", 0, 0, 1),
};

// The preview is a flat field of the working "hoehe".
void flacheVorschau(const Werte& w, Vorschaufeld& v) {
    for (auto& spalte : v.werte)
        for (double& z : spalte)
            z = w[0];
}

void ziehen(QWidget* w, int x, int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(ParameterDialog, CancelKeepsTheStoredSetAndAcceptTakesTheWorkingSet) {
    ParameterDialog dlg("Probe", kProbe, flacheVorschau);
    Werte gespeichert = vorgaben(kProbe);
    dlg.beginnen(gespeichert);
    EXPECT_EQ(dlg.vorschauLaeufe(), 1);
    EXPECT_EQ(dlg.vorschau().pixel(10, 10), qRgb(128, 128, 128));  // 0.5 * 255 = 127.5 to even
    ReglerWidget* hoehe = dlg.regler("hoehe");
    ASSERT_NE(hoehe, nullptr);
    ASSERT_EQ(hoehe->width(), 260);  // track 12..248

    // A drag changes the working set but recomputes the preview only on release.
    QTest::mousePress(hoehe, Qt::LeftButton, {}, QPoint(12, 23));
    ziehen(hoehe, 248, 23);
    EXPECT_DOUBLE_EQ(dlg.arbeitsSatz()[0], 1.0);
    EXPECT_EQ(dlg.vorschauLaeufe(), 1);
    QTest::mouseRelease(hoehe, Qt::LeftButton, {}, QPoint(248, 23));
    EXPECT_EQ(dlg.vorschauLaeufe(), 2);
    EXPECT_EQ(dlg.vorschau().pixel(0, 0), qRgb(255, 255, 255));
    dlg.schalter("spiegeln")->click();
    EXPECT_EQ(dlg.arbeitsSatz()[2], 1.0);
    EXPECT_EQ(dlg.vorschauLaeufe(), 3);

    dlg.findChild<QPushButton*>("Abbrechen")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(gespeichert, vorgaben(kProbe));

    // Reopening shows the values from before.
    dlg.beginnen(gespeichert);
    EXPECT_DOUBLE_EQ(dlg.regler("hoehe")->wert(), 0.5);
    EXPECT_FALSE(dlg.schalter("spiegeln")->isChecked());

    QTest::keyClick(dlg.regler("anzahl"), Qt::Key_Right);
    dlg.findChild<QPushButton*>("Weiter")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(gespeichert, (Werte{0.5, 4, 0}));
    const auto rec = recordAus<ProbeRec>(kProbe, gespeichert);
    EXPECT_EQ(rec.anzahl, 4);
}

TEST(ParameterDialog, PreviewIsColouredLikeTheMainView) {
    auto s = std::make_unique<Sitzung>();
    s->farben.Farbmodus = 2;
    PaletteUmkehren(s->farben.palette(2));  // white at 0, black at 1
    ParameterDialog dlg("Probe", kProbe, flacheVorschau, VorschauFarbigMaler(*s));
    Werte w{0.2, 3, 0};
    dlg.beginnen(w);
    EXPECT_EQ(dlg.vorschau().size(), QSize(256, 256));
    EXPECT_EQ(dlg.vorschau().pixel(200, 17), qRgb(204, 204, 204));  // 0.8 * 255
}

TEST(EingabeBild, FieldsAreBoundedWholeNumbers) {
    TEingabeBild dlg;
    dlg.vorbereiten({513, 513});
    EXPECT_EQ(dlg.feldX()->text(), "513");
    const auto knoepfe = dlg.findChildren<QRadioButton*>();
    ASSERT_EQ(knoepfe.size(), 10);
    int gewaehlt = -1;
    for (int i = 0; i < knoepfe.size(); ++i)
        if (knoepfe[i]->isChecked()) gewaehlt = i;
    ASSERT_GE(gewaehlt, 0);
    EXPECT_EQ(knoepfe[gewaehlt]->text(), "513 x 513");
    dlg.feldX()->setText("4");
    dlg.feldY()->setText("3000,7");
    const Groesse g = dlg.ergebnis();
    EXPECT_EQ(g.punkteX, 5);
    EXPECT_EQ(g.punkteY, 2049);
    EXPECT_EQ(dlg.feldY()->text(), "2049");
    knoepfe[3]->click();
    EXPECT_EQ(knoepfe[3]->text(), "1024 x 1024 ");
    EXPECT_EQ(dlg.ergebnis().punkteX, 1024);
    dlg.vorbereiten({257, 129});  // no button matches a rectangle
    for (auto* k : knoepfe)
        EXPECT_FALSE(k->isChecked());
}

TEST(ModPanel, CheckModShowsTheControlsAndTheCurve) {
    ModRec mod;
    ModPanel panel(mod);
    EXPECT_EQ(mod.Modus, 3);
    EXPECT_FALSE(mod.Aktiv);
    EXPECT_FALSE(panel.comboModModus()->isEnabled());
    panel.checkMod()->click();
    EXPECT_TRUE(mod.Aktiv);
    EXPECT_TRUE(panel.comboModModus()->isEnabled());
    // The identity curve: i = 107 of 0..107 reaches the top row, mirrored.
    const QImage& k = panel.kurve();
    const QRgb hell = qRgb(192, 192, 192);
    EXPECT_EQ(k.pixel(107, 0), hell);
    EXPECT_EQ(k.pixel(108, 0), hell);
    EXPECT_EQ(k.pixel(0, 45), hell);
    EXPECT_EQ(k.pixel(54, 45 - 23), hell);  // round(45 * 54 / 107) = 23
    EXPECT_EQ(k.pixel(54, 10), qRgb(112, 112, 112));

    panel.comboModModus()->setCurrentIndex(0);  // "f=1"
    EXPECT_EQ(mod.Modus, 1);
    EXPECT_EQ(panel.kurve().pixel(54, 0), hell);
    // Dragging "Digitalisieren" (0..32, step 1) to its right end.
    ReglerWidget* digits = panel.regler(5);
    QTest::mousePress(digits, Qt::LeftButton, {}, QPoint(digits->rec().Rechts, 23));
    EXPECT_EQ(mod.Digits, 32);
    QTest::mouseRelease(digits, Qt::LeftButton, {}, QPoint(digits->rec().Rechts, 23));
}

TEST(Hauptfenster, RendersOffscreenAtItsStartSize) {
    auto s = std::make_unique<Sitzung>();
    TLandGenerator f(*s);
    for (int x = 0; x <= 512; ++x)
        for (int y = 0; y <= 512; ++y)
            s->dok.Hoehenfeld(x, y) = (x + y) / 1024.0;
    f.neuZeichnen();
    f.show();
    QApplication::processEvents();
    const QImage bild = f.grab().toImage();
    // 980 x 680 at most, which leaves room for a title bar and a task bar on
    // a 1366 x 768 screen.
    EXPECT_EQ(bild.size(), f.size());
    EXPECT_LE(bild.width(), 980);
    EXPECT_LE(bild.height(), 680);
    QSet<QRgb> farben;
    for (int y = 0; y < bild.height(); y += 7)
        for (int x = 0; x < bild.width(); x += 7)
            farben.insert(bild.pixel(x, y));
    EXPECT_GT(farben.size(), 50);  // panels, text and the shaded field
}

}  // namespace
}  // namespace gm
