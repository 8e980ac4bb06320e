#include "app/sporen_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "app/dialog_bilder.h"
#include "app/hintergrund.h"
#include "app/parameter_auswahl.h"
#include "core/zufall.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const std::vector<Parameter>& rahmen() {
    static const std::vector<Parameter> t = ParameterOhne(SporenParameter(), {"NeueBerechnung"});
    return t;
}

}  // namespace

TErstelleSporen::TErstelleSporen(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Sporen"), rahmen(),
          [this](const Werte&, Vorschaufeld& feld) { vorschauRechnen(feld); },
          [this](const Vorschaufeld& feld, QImage& bild) {
              VorschauMitSpanneMalen(s_, feld, invertiert_, spanne_, bild);
          },
          parent),
      s_(s),
      gespeichert_(recordVorgaben<SporenParamRec>(SporenParameter())) {
    neu_ = new QPushButton(QStringLiteral("Neue Berechnung"), this);
    neu_->setObjectName("SpeedButton1");
    neu_->setAutoDefault(false);
    zusatzBereich()->addWidget(neu_);
    connect(neu_, &QPushButton::clicked, this, &TErstelleSporen::neueBerechnungClick);
}

void TErstelleSporen::oeffnen() {
    if (!s_.sporen) {
        s_.sporen = std::make_unique<SporenTabellen>();
        SporenTabellenBilden(s_.dok, *s_.sporen, &Randomize);
    }
    *tabellen_ = *s_.sporen;
    rahmen_ = werteAus(std::span<const Parameter>(rahmen()), gespeichert_);
    beginnen(rahmen_);
}

bool TErstelleSporen::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

SporenParamRec TErstelleSporen::arbeit() const {
    return MitRahmen(gespeichert_, rahmen(), arbeitsSatz());
}

void TErstelleSporen::vorschauRechnen(Vorschaufeld& feld) {
    const SporenParamRec p = arbeit();
    spanne_ = SporenVorschau(p, *tabellen_, s_.dok.MaxX, s_.dok.MaxY, feld);
    invertiert_ = p.SporenInvertieren;
}

void TErstelleSporen::neueBerechnungClick() {
    SporenTabellenBilden(s_.dok, *tabellen_, &Randomize);
    subjektPruefen();
}

void TErstelleSporen::accept() {
    pruefen();
    const SporenParamRec p = arbeit();
    // Cancelled, the window keeps its tables and the dialog its new ones.
    if (!GeneratorLaufen(this, s_.dok, "spores", [&] { SporenBerechnen(s_.dok, p, *tabellen_); })) {
        return;
    }
    *s_.sporen = *tabellen_;
    gespeichert_ = p;
    ParameterDialog::accept();
}

}  // namespace gm
