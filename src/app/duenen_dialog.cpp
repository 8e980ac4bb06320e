#include "app/duenen_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_bilder.h"
#include "app/hintergrund.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kFlankenBreite = 539, kFlankenHoehe = 107;
}

TErstelleDuenen::TErstelleDuenen(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Dünen"), DuenenRegler(),
          [this](const Werte& w, Vorschaufeld& feld) { vorschauRechnen(w, feld); },
          [this](const Vorschaufeld& feld, QImage& bild) {
              VorschauMitSpanneMalen(s_, feld, invertiert_, spanne_, bild);
          },
          parent),
      s_(s),
      gespeichert_(werteAus(DuenenRegler(), DuenenStandard())) {
    auto* zeile = new QHBoxLayout;
    for (int f = 0; f < 2; ++f) {
        neu_[f] = new QPushButton(
            f == 0 ? QStringLiteral("Neue Landschaft H") : QStringLiteral("Neue Landschaft V"),
            this);
        neu_[f]->setObjectName(f == 0 ? "SpeedButton1" : "SpeedButton2");
        neu_[f]->setAutoDefault(false);
        zeile->addWidget(neu_[f]);
        connect(neu_[f], &QPushButton::clicked, this, [this, f] {
            DuenenTabellen(s_.dok, s_.duenen, f);
            subjektPruefen();
        });
    }
    zusatzBereich()->addLayout(zeile);
    flankenBild_ = new QLabel(this);
    flankenBild_->setObjectName("DarstellungH");
    flankenBild_->setFixedSize(kFlankenBreite, kFlankenHoehe);
    zusatzBereich()->addWidget(flankenBild_);
}

bool TErstelleDuenen::ausfuehren() {
    return bearbeiten(gespeichert_);
}

DuenenParamRec TErstelleDuenen::gespeichert() const {
    return recordAus<DuenenParamRec>(DuenenRegler(), gespeichert_, DuenenStandard());
}

void TErstelleDuenen::vorschauRechnen(const Werte& w, Vorschaufeld& feld) {
    const auto p = recordAus<DuenenParamRec>(DuenenRegler(), w, DuenenStandard());
    // The first opening makes the tables when nothing made them before.
    const DuenenKurven k = DuenenKurvenBauen(p, DuenenBereit(s_.dok, s_.duenen));
    spanne_ = DuenenVorschau(p, k, feld);
    invertiert_ = p.Invertieren;
    flankenZeichnen(p);
}

void TErstelleDuenen::flankenZeichnen(const DuenenParamRec& p) {
    flanken_ = QImage(kFlankenBreite, kFlankenHoehe, QImage::Format_RGB32);
    flanken_.fill(Qt::black);
    for (auto [x, y] : DuenenFlanken(p, kFlankenBreite, kFlankenHoehe)) {
        if (y >= 0 && y < kFlankenHoehe) flanken_.setPixel(x, y, qRgb(255, 255, 255));
    }
    flankenBild_->setPixmap(QPixmap::fromImage(flanken_));
}

void TErstelleDuenen::accept() {
    pruefen();
    const auto p = recordAus<DuenenParamRec>(DuenenRegler(), arbeitsSatz(), DuenenStandard());
    const DuenenKurven k = DuenenKurvenBauen(p, DuenenBereit(s_.dok, s_.duenen));
    if (!GeneratorLaufen(this, s_.dok, "dunes", [&] { DuenenBerechnen(s_.dok, p, k); })) return;
    ParameterDialog::accept();
}

}  // namespace gm
