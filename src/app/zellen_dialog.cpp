#include "app/zellen_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_bilder.h"
#include "app/hintergrund.h"
#include "script/sitzung.h"

namespace gm {

TErstelleZellen::TErstelleZellen(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Zellen"), ZellenRegler(),
          [this](const Werte&, Vorschaufeld& feld) {
              const ZellenParamRec p = arbeit();
              // The first opening makes the points when nothing made them before.
              spanne_ = ZellenVorschau(p, ZellenBereit(s_.dok, s_.zellen), feld);
              invertiert_ = p.Invertieren;
          },
          [this](const Vorschaufeld& feld, QImage& bild) {
              VorschauMitSpanneMalen(s_, feld, invertiert_, spanne_, bild);
          },
          parent),
      s_(s),
      gespeichert_(ZellenStandard()) {
    auto* gruppe = new QGroupBox(QStringLiteral("Verknuepfung"), this);
    gruppe->setObjectName("AuswahlVerknuepfung");
    auto* raster = new QGridLayout(gruppe);
    verknuepfung_ = new QButtonGroup(this);
    for (int i = 0; i < int(ZellenVerknuepfungNamen.size()); ++i) {
        auto* r =
            new QRadioButton(QString::fromUtf8(ZellenVerknuepfungNamen[std::size_t(i)]), gruppe);
        verknuepfung_->addButton(r, i);
        raster->addWidget(r, i / 2, i % 2);
    }
    zusatzBereich()->addWidget(gruppe);
    neu_ = new QPushButton(QStringLiteral("Neue Berechnung"), this);
    neu_->setObjectName("SpeedButton1");
    neu_->setAutoDefault(false);
    zusatzBereich()->addWidget(neu_);
    connect(verknuepfung_, &QButtonGroup::idClicked, this, &ParameterDialog::subjektPruefen);
    connect(neu_, &QPushButton::clicked, this, [this] {
        ZellenPunkteErzeugen(s_.dok, s_.zellen);
        subjektPruefen();
    });
}

ZellenParamRec TErstelleZellen::arbeit() const {
    ZellenParamRec p = recordAus<ZellenParamRec>(ZellenRegler(), arbeitsSatz(), gespeichert_);
    p.Verknuepfung = std::max(0, verknuepfung_->checkedId());
    p.NeueBerechnung = false;
    return p;
}

bool TErstelleZellen::ausfuehren() {
    reglerWerte_ = werteAus(ZellenRegler(), gespeichert_);
    verknuepfung_->button(gespeichert_.Verknuepfung)->setChecked(true);
    return bearbeiten(reglerWerte_);
}

void TErstelleZellen::accept() {
    pruefen();
    const ZellenParamRec p = arbeit();
    const auto& punkte = ZellenBereit(s_.dok, s_.zellen);
    if (!GeneratorLaufen(this, s_.dok, "cells", [&] { ZellenBerechnen(s_.dok, p, punkte); })) {
        return;
    }
    gespeichert_ = p;
    ParameterDialog::accept();
}

}  // namespace gm
