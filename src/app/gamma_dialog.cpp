#include "app/gamma_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "filters/transferkurve.h"
#include "script/operationen.h"

namespace gm {

namespace {

constexpr int kKurveBreite = 256;
constexpr int kKurveHoehe = 128;
const char* const kKnopfNamen[3] = {"RBGamma", "RBBias", "RBGain"};

}  // namespace

TGammaKorrektur::TGammaKorrektur(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Exponentieren"), {}, {}, VorschauGrauMalen, parent),
      s_(s) {
    auto* gruppe = new QButtonGroup(this);
    for (int m = 1; m <= 3; ++m) {
        const std::string_view titel = GammaParameter[m - 1].titel;
        auto* k = new QRadioButton(QString::fromUtf8(titel.data(), qsizetype(titel.size())), this);
        k->setObjectName(kKnopfNamen[m - 1]);
        gruppe->addButton(k, m);
        zusatzBereich()->addWidget(k);
        knoepfe_[m - 1] = k;
    }
    reglerGamma_ = new ReglerWidget(this, 260, 46);
    reglerGamma_->setObjectName("ImageReglerGamma");
    reglerGain_ = new ReglerWidget(this, 260, 46);
    reglerGain_->setObjectName("ImageReglerGain");
    darstellung_ = new QLabel(this);
    darstellung_->setObjectName("Darstellung");
    darstellung_->setFixedSize(kKurveBreite, kKurveHoehe);
    zusatzBereich()->addWidget(reglerGamma_);
    zusatzBereich()->addWidget(reglerGain_);
    zusatzBereich()->addWidget(darstellung_);
    connect(gruppe, &QButtonGroup::idClicked, this, &TGammaKorrektur::modusSetzen);
    for (ReglerWidget* r : {reglerGamma_, reglerGain_}) {
        connect(r, &ReglerWidget::geaendert, this, &TGammaKorrektur::reglerLesen);
        connect(r, &ReglerWidget::losgelassen, this, &TGammaKorrektur::reglerLesen);
    }
}

double& TGammaKorrektur::modusWert(int modus) {
    return modus == 1 ? arbeit_.Gamma : (modus == 2 ? arbeit_.Bias : arbeit_.Gain);
}

void TGammaKorrektur::oeffnen() {
    arbeit_ = gespeichert_;
    beginnen(rahmen_);
    reglerGain_->anlegen(reglerVorgabe(GammaParameter[3], arbeit_.GainMitte));
    knopf(arbeit_.GammaModus)->setChecked(true);
    modusSetzen(arbeit_.GammaModus);
}

bool TGammaKorrektur::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TGammaKorrektur::modusSetzen(int modus) {
    arbeit_.GammaModus = modus;
    reglerGamma_->anlegen(reglerVorgabe(GammaParameter[modus - 1], modusWert(modus)));
    reglerGain_->setVisible(modus == 3);
    kurveZeichnen();
}

void TGammaKorrektur::reglerLesen() {
    modusWert(arbeit_.GammaModus) = reglerGamma_->wert();
    arbeit_.GainMitte = reglerGain_->wert();
    kurveZeichnen();
}

void TGammaKorrektur::kurveZeichnen() {
    const GammaRec r = arbeit_;
    kurve_ = KurveMalen(TransferKurve(kKurveBreite, [&r](double x) { return GammaKurve(r, x); }),
                        kKurveHoehe);
    darstellung_->setPixmap(QPixmap::fromImage(kurve_));
}

void TGammaKorrektur::accept() {
    reglerLesen();
    (void)RecordAusfuehren(s_, "gamma", arbeit_);
    gespeichert_ = arbeit_;
    ParameterDialog::accept();
}

}  // namespace gm
