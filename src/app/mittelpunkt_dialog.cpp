#include "app/mittelpunkt_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "generators/profil.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kProfilHoehe = 107;
}

TErstelleMittelpunkt::TErstelleMittelpunkt(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Mittelpunkt"), MittelpunktParameter(),
          [this](const Werte& w, Vorschaufeld& feld) { vorschauRechnen(w, feld); },
          [this](const Vorschaufeld& feld, QImage& bild) {
              VorschauMitSpanneMalen(s_, feld, invertiert_, spanne_, bild);
          },
          parent),
      s_(s),
      gespeichert_(vorgaben(MittelpunktParameter())) {
    neu_ = new QPushButton(QStringLiteral("Neue Berechnung"), this);
    neu_->setObjectName("SpeedButton1");
    neu_->setAutoDefault(false);
    profilBild_ = new QLabel(this);
    profilBild_->setObjectName("Darstellung2");
    profilBild_->setFixedSize(ProfilBreite, kProfilHoehe);
    zusatzBereich()->addWidget(neu_);
    zusatzBereich()->addWidget(profilBild_);
    connect(neu_, &QPushButton::clicked, this, &ParameterDialog::subjektPruefen);
    // The invert box redraws without a new field.
    QCheckBox* iv = schalter("Invertieren");
    QObject::disconnect(iv, nullptr, this, nullptr);
    connect(iv, &QCheckBox::clicked, this, &TErstelleMittelpunkt::nurZeichnen);
}

MittelpunktParamRec TErstelleMittelpunkt::gespeichert() const {
    return recordAus<MittelpunktParamRec>(MittelpunktParameter(), gespeichert_);
}

void TErstelleMittelpunkt::oeffnen() {
    levelAnzahl_ = MittelpunktLevelAnzahl(s_.dok.MaxX, s_.dok.MaxY);
    const auto ebenen = *parameterSuchen(MittelpunktParameter(), "Ebenen");
    if (gespeichert_[ebenen] > levelAnzahl_) gespeichert_[ebenen] = levelAnzahl_;
    neuBerechnen_ = false;
    beginnen(gespeichert_);
    const Parameter& p = MittelpunktParameter()[ebenen];
    ReglerVorgabe v;
    v.titel = std::string(p.titel);
    v.minimum = p.minimum;
    v.maximum = levelAnzahl_;
    v.schritt = 1.0;
    v.wert = gespeichert_[ebenen];
    regler("Ebenen")->anlegen(v);
    neuBerechnen_ = true;
    subjektPruefen();
}

bool TErstelleMittelpunkt::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TErstelleMittelpunkt::vorschauRechnen(const Werte& w, Vorschaufeld& feld) {
    const auto p = recordAus<MittelpunktParamRec>(MittelpunktParameter(), w);
    if (neuBerechnen_) {
        MittelpunktBerechnen(s_.dok, p);
        ++berechnungen_;
    }
    spanne_ = MittelpunktVorschau(s_.dok, feld);
    invertiert_ = p.Invertieren;
    profil_ = ProfilMalen(ProfilZeilen(MittelpunktProfil(s_.dok), kProfilHoehe, p.Invertieren),
                          kProfilHoehe);
    profilBild_->setPixmap(QPixmap::fromImage(profil_));
}

void TErstelleMittelpunkt::nurZeichnen() {
    neuBerechnen_ = false;
    subjektPruefen();
    neuBerechnen_ = true;
}

void TErstelleMittelpunkt::accept() {
    pruefen();
    const auto p = recordAus<MittelpunktParamRec>(MittelpunktParameter(), arbeitsSatz());
    ParameterDialog::accept();
    MittelpunktAbschluss(s_.dok, p);
}

}  // namespace gm
