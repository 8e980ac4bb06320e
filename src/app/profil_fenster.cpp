#include "app/profil_fenster.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/bild3d_widget.h"
#include "app/hauptbild.h"
#include "app/knoepfe.h"
#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

struct Knopf {
    const char* name;
    const char* text;
    const char* hinweis;
};
// In the order of the directions 1..4.
const Knopf kKnoepfe[4] = {{"SpeedButtonV", "V", "Vorne"},
                           {"SpeedButtonH", "H", "Hinten"},
                           {"SpeedButtonR", "R", "Rechts"},
                           {"SpeedButtonL", "L", "Links"}};

QSize groesse(const PixelImage& b) {
    return {b.width, b.height};
}

}  // namespace

TDarstellenProfil::TDarstellenProfil(Sitzung& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("DarstellenProfil");
    setWindowTitle(QStringLiteral("Darstellen Profil"));
    grauFaerben(this);
    BildDraufsicht = new QLabel(this);
    BildDraufsicht->setObjectName("BildDraufsicht");
    BildDraufsicht->setFixedSize(256, 256);
    BildProfil1 = new Bild3DWidget(QSize(512, 200), QSize(128, 60), this);
    BildProfil1->setObjectName("BildProfil1");
    BildProfil = new Bild3DWidget(QSize(512, 300), QSize(128, 80), this);
    BildProfil->setObjectName("BildProfil");

    auto* gruppe = new QButtonGroup(this);
    auto* knopfZeile = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* k = new QToolButton(this);
        k->setObjectName(kKnoepfe[i].name);
        k->setText(QString::fromUtf8(kKnoepfe[i].text));
        k->setToolTip(QString::fromUtf8(kKnoepfe[i].hinweis));
        k->setCheckable(true);
        gruppe->addButton(k, i + 1);
        knopfZeile->addWidget(k);
        knoepfe_[i] = k;
    }
    knopfZeile->addStretch(1);
    connect(gruppe, &QButtonGroup::idClicked, this, &TDarstellenProfil::richtungSetzen);

    regler_ = new ReglerWidget(this);
    regler_->setObjectName("ImageRegler1");
    connect(regler_, &ReglerWidget::geaendert, this, &TDarstellenProfil::schnittGelesen);
    connect(regler_, &ReglerWidget::losgelassen, this, &TDarstellenProfil::schnittGelesen);
    auto* beenden = new QPushButton(QStringLiteral("Beenden"), this);
    beenden->setObjectName("Beenden");
    connect(beenden, &QPushButton::clicked, this, &QDialog::accept);

    auto* links = new QVBoxLayout;
    links->addWidget(BildDraufsicht);
    links->addLayout(knopfZeile);
    links->addWidget(regler_);
    links->addStretch(1);
    links->addWidget(beenden);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(BildProfil1, 2);
    rechts->addWidget(BildProfil, 3);
    auto* zeile = new QHBoxLayout(this);
    zeile->addLayout(links);
    zeile->addLayout(rechts, 1);

    connect(BildProfil1, &Bild3DWidget::groesseGeaendert, this, &TDarstellenProfil::einzelZeichnen);
    connect(BildProfil, &Bild3DWidget::groesseGeaendert, this, &TDarstellenProfil::stapelZeichnen);
}

const QImage& TDarstellenProfil::draufsicht() const {
    return draufsichtBild_;
}
const QImage& TDarstellenProfil::profil1() const {
    return BildProfil1->bild();
}
const QImage& TDarstellenProfil::profil() const {
    return BildProfil->bild();
}

void TDarstellenProfil::vorbereiten(int richtung) {
    draufsicht_.resize(256, 256);
    ZeichneDraufsicht(s_.farben, s_.dok, draufsicht_);
    richtungSetzen(richtung);
}

void TDarstellenProfil::oeffnen(int richtung) {
    vorbereiten(richtung);
    exec();
}

void TDarstellenProfil::richtungSetzen(int richtung) {
    Blickrichtung = std::clamp(richtung, RichtungVorne, RichtungLinks);
    knoepfe_[Blickrichtung - 1]->setChecked(true);
    // The range follows the direction, so a section kept from the other
    // axis of a rectangular field cannot point outside it.
    const int m = ProfilQuerMax(s_.dok, Blickrichtung);
    Schnitt = std::clamp(Schnitt, 0, m);
    ReglerVorgabe v;
    v.titel = "Pixel";
    v.maximum = m;
    v.schritt = 1;
    v.wert = Schnitt;
    regler_->anlegen(v);
    einzelZeichnen();
    stapelZeichnen();
    markeZeichnen();
}

void TDarstellenProfil::schnittGelesen() {
    const int neu =
        std::clamp(roundToInt(regler_->wert()), 0, ProfilQuerMax(s_.dok, Blickrichtung));
    if (neu == Schnitt) return;
    Schnitt = neu;
    einzelZeichnen();
    markeZeichnen();
}

void TDarstellenProfil::einzelZeichnen() {
    puffer_.resize(BildProfil1->width(), BildProfil1->height());
    ZeichneEinzelprofil(s_.dok, Blickrichtung, Schnitt, puffer_);
    BildProfil1->bildSetzen(AlsQImage(puffer_));
}

void TDarstellenProfil::stapelZeichnen() {
    puffer_.resize(BildProfil->width(), BildProfil->height());
    ZeichneProfilStapel(s_.dok, Blickrichtung, puffer_);
    BildProfil->bildSetzen(AlsQImage(puffer_));
}

void TDarstellenProfil::markeZeichnen() {
    if (groesse(draufsicht_).isEmpty()) return;
    ZeichneSchnittMarke(draufsicht_, s_.dok, Blickrichtung, Schnitt, puffer_);
    draufsichtBild_ = AlsQImage(puffer_);
    BildDraufsicht->setPixmap(QPixmap::fromImage(draufsichtBild_));
}

}  // namespace gm
