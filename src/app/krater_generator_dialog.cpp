#include "app/krater_generator_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/regler_widget.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kProfilBreite = 539, kProfilHoehe = 107;
}

TErstelleKrater::TErstelleKrater(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Krater"), KraterParameter(), {}, VorschauGrauMalen, parent),
      s_(s),
      gespeichert_(vorgaben(KraterParameter())) {
    profilBild_ = new QLabel(this);
    profilBild_->setObjectName("DarstellungH");
    profilBild_->setFixedSize(kProfilBreite, kProfilHoehe);
    zusatzBereich()->addWidget(profilBild_);
    for (const Parameter& p : KraterParameter()) {
        connect(regler(p.name), &ReglerWidget::losgelassen, this, &TErstelleKrater::profilZeichnen);
    }
}

bool TErstelleKrater::ausfuehren() {
    beginnen(gespeichert_);
    profilZeichnen();
    return exec() == QDialog::Accepted;
}

KraterParamRec TErstelleKrater::gespeichert() const {
    return recordAus<KraterParamRec>(KraterParameter(), gespeichert_);
}

void TErstelleKrater::profilZeichnen() {
    const auto p = recordAus<KraterParamRec>(KraterParameter(), arbeitsSatz());
    profil_ = QImage(kProfilBreite, kProfilHoehe, QImage::Format_RGB32);
    profil_.fill(Qt::black);
    const std::vector<int> zeilen = KraterProfilZeilen(p, kProfilBreite, kProfilHoehe);
    for (int i = 0; i < kProfilBreite; ++i)
        profil_.setPixel(i, zeilen[i], qRgb(255, 255, 255));
    profilBild_->setPixmap(QPixmap::fromImage(profil_));
}

void TErstelleKrater::accept() {
    pruefen();
    const auto p = recordAus<KraterParamRec>(KraterParameter(), arbeitsSatz());
    schliessenNach(RecordAusfuehren(s_, OperationsArt::Generator, "craters", p));
}

}  // namespace gm
