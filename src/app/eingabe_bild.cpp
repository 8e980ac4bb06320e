#include "app/eingabe_bild.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/knoepfe.h"
#include "app/zahl_einlesen.h"
#include "app/zahlfeld.h"
#include "core/feld.h"

namespace gm {

namespace {
struct Knopf {
    const char* text;
    int punkte;
};
constexpr Knopf kKnoepfe[] = {
    {"128 x 128", 128},    {"256 x 256", 256},          {"512 x 512", 512}, {"1024 x 1024 ", 1024},
    {"2048 x 2048", 2048}, {"129 x 129", 129},          {"257 x 257", 257}, {"513 x 513", 513},
    {"1025 x 1025", 1025}, {"2049 x 2049 (max)", 2049},
};
}  // namespace

TEingabeBild::TEingabeBild(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Eingabe Bildgröße"));
    setWindowFlag(Qt::Tool);
    grauFaerben(this);
    auto* raster = new QGridLayout;
    feldX_ = zahlfeldAnlegen(this, "EditX");
    feldY_ = zahlfeldAnlegen(this, "EditY");
    raster->addWidget(new QLabel(QStringLiteral("Punkte in X"), this), 0, 0);
    raster->addWidget(feldX_, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Punkte in Y"), this), 1, 0);
    raster->addWidget(feldY_, 1, 1);
    for (int i = 0; i < int(std::size(kKnoepfe)); ++i) {
        auto* k = new QRadioButton(QString::fromUtf8(kKnoepfe[i].text), this);
        raster->addWidget(k, 2 + i % 5, i / 5);
        const int punkte = kKnoepfe[i].punkte;
        connect(k, &QRadioButton::clicked, this, [this, punkte] {
            feldX_->setText(QString::number(punkte));
            feldY_->setText(QString::number(punkte));
        });
        knoepfe_.append(k);
    }
    for (QLineEdit* f : {feldX_, feldY_}) {
        connect(f, &QLineEdit::editingFinished, this, [this, f] { feldAuswerten(f); });
    }
    auto knoepfe = dialogKnoepfe(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(knoepfe.zeile);
}

void TEingabeBild::vorbereiten(Groesse aktuell) {
    feldX_->setText(QString::number(aktuell.punkteX));
    feldY_->setText(QString::number(aktuell.punkteY));
    for (int i = 0; i < knoepfe_.size(); ++i) {
        const int p = kKnoepfe[i].punkte;
        knoepfe_[i]->setAutoExclusive(false);
        knoepfe_[i]->setChecked(p == aktuell.punkteX && p == aktuell.punkteY);
        knoepfe_[i]->setAutoExclusive(true);
    }
}

void TEingabeBild::feldAuswerten(QLineEdit* feld) {
    const auto e = ZahlEinlesen(feld->text().toStdString(), true, MaxPunkte, MinPunkte);
    feld->setText(QString::number(int(e.wert)));
    zahlfeldGelesen(feld);
}

Groesse TEingabeBild::ergebnis() {
    feldAuswerten(feldX_);
    feldAuswerten(feldY_);
    return {feldX_->text().toInt(), feldY_->text().toInt()};
}

}  // namespace gm
