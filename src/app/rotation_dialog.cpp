#include "app/rotation_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/dialog_bilder.h"
#include "app/hintergrund.h"
#include "app/parameter_auswahl.h"
#include "app/regler_widget.h"
#include "generators/funktionen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const std::vector<Parameter>& rahmen() {
    static const std::vector<Parameter> t = ParameterOhne(RotationParameter(), {"Kurve"});
    return t;
}

// The rotation's profile over the radial position has the settings of one
// function generator axis.
FunktionenAchse profilAchse(const RotationParamRec& r) {
    return {r.Welle,  r.Negativ,      r.Kurve,        r.Perioden,      r.AnstiegF,     r.Stufen,
            r.GammaF, r.Linearitaet1, r.Linearitaet2, r.Verschiebung1, r.Verschiebung2};
}

}  // namespace

TErstelleRotation::TErstelleRotation(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Rotation"), rahmen(),
          [this](const Werte&, Vorschaufeld& feld) {
              RotationVorschau(arbeit(), s_.dok.MaxX, s_.dok.MaxY, feld);
          },
          VorschauFarbigMaler(s), parent),
      s_(s),
      gespeichert_(recordVorgaben<RotationParamRec>(RotationParameter())) {
    kurve_ = new QComboBox(this);
    kurve_->setObjectName("AuswahlRotation");
    for (std::string_view n : WellenKurvenNamen)
        kurve_->addItem(QString::fromUtf8(n.data(), qsizetype(n.size())));
    zusatzBereich()->addWidget(kurve_);
    connect(kurve_, &QComboBox::currentIndexChanged, this, [this] {
        if (!aufbau_) subjektPruefen();
    });
    auto* bilder = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        kurvenBild_[i] = new QLabel(this);
        kurvenBild_[i]->setObjectName(QStringLiteral("ImageD%1").arg(i + 1));
        kurvenBild_[i]->setFixedSize(WellenKurveBreite, WellenKurveHoehe);
        bilder->addWidget(kurvenBild_[i]);
    }
    zusatzBereich()->addLayout(bilder);
    kurvenVerbinden(*this, [this] { kurvenZeichnen(); });
    connect(kurve_, &QComboBox::currentIndexChanged, this, &TErstelleRotation::kurvenZeichnen);
}

void TErstelleRotation::kurvenZeichnen() {
    if (aufbau_) return;  // the working set is not read yet
    const FunktionenAchse a = profilAchse(arbeit());
    for (int i = 0; i < 2; ++i) {
        kurvenBild_[i]->setPixmap(
            QPixmap::fromImage(WellenKurveMalen(a, i + 1, WellenKurveBreite, WellenKurveHoehe)));
    }
}

void TErstelleRotation::oeffnen() {
    const Dokument& d = s_.dok;
    RotationParamRec g = RotationAufFeld(d, gespeichert_);
    // A smaller field than at the last opening: positions back into it.
    auto begrenzen = [](double& v, int max) { v = std::clamp(v, 1.0, double(max + 1)); };
    for (double* v : {&g.MitteX, &g.FokusX, &g.RadiusX})
        begrenzen(*v, d.MaxX);
    for (double* v : {&g.MitteY, &g.FokusY, &g.RadiusY})
        begrenzen(*v, d.MaxY);
    gespeichert_ = g;
    aufbau_ = true;
    kurve_->setCurrentIndex(std::clamp(g.Kurve, 1, 8) - 1);
    rahmen_ = werteAus(std::span<const Parameter>(rahmen()), g);
    beginnen(rahmen_);
    // Centre, focus and radii range over the field.
    const struct {
        const char* name;
        double wert;
        int max;
    } lagen[] = {{"MitteX", g.MitteX, d.MaxX},   {"MitteY", g.MitteY, d.MaxY},
                 {"FokusX", g.FokusX, d.MaxX},   {"FokusY", g.FokusY, d.MaxY},
                 {"RadiusX", g.RadiusX, d.MaxX}, {"RadiusY", g.RadiusY, d.MaxY}};
    for (const auto& l : lagen) {
        ReglerWidget* r = regler(l.name);
        ReglerVorgabe v;
        v.titel = r->rec().Titel;
        v.minimum = 1;
        v.maximum = l.max + 1;
        v.schritt = 1;
        v.wert = l.wert;
        r->anlegen(v);
    }
    aufbau_ = false;
    subjektPruefen();
    kurvenZeichnen();
}

bool TErstelleRotation::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

RotationParamRec TErstelleRotation::arbeit() const {
    RotationParamRec r = MitRahmen(gespeichert_, rahmen(), arbeitsSatz());
    r.Kurve = kurve_->currentIndex() + 1;
    return RotationKoppeln(r);
}

void TErstelleRotation::accept() {
    pruefen();
    const RotationParamRec r = arbeit();
    if (!GeneratorLaufen(this, s_.dok, "rotate", [&] { RotationErzeugen(s_.dok, r); })) return;
    gespeichert_ = r;
    ParameterDialog::accept();
}

}  // namespace gm
