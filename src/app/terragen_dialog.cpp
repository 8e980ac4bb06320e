#include "app/terragen_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/hauptfenster.h"
#include "app/knoepfe.h"
#include "app/zahl_einlesen.h"
#include "app/zahlfeld.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// The four number fields; ranges and captions come from TerragenParameter.
struct TerragenFeld {
    const char* name;
    const char* parameter;
    double TerragenRec::*wert;
    bool ganz;  // the heights are cut to whole metres
};
const TerragenFeld kFelder[4] = {
    {"Edit0", "SkalierungX", &TerragenRec::SkalierungX, false},
    {"Edit1", "Radius", &TerragenRec::Radius, false},
    {"Edit2", "HoeheMin", &TerragenRec::HoeheMin, true},
    {"Edit3", "HoeheMax", &TerragenRec::HoeheMax, true},
};

const Parameter& parameterVon(const char* name) {
    return TerragenParameter[*parameterSuchen(TerragenParameter, name)];
}

QString zweiStellen(double v) {
    return QString::number(v, 'f', 2);
}

QLabel* beschriftung(const QString& text, const char* name, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    return l;
}

}  // namespace

TEinstellenTerragen::TEinstellenTerragen(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("EinstellenTerragen"));
    setWindowFlag(Qt::Tool);
    setObjectName("TEinstellenTerragen");
    grauFaerben(this);
    auto* raster = new QGridLayout;
    raster->addWidget(beschriftung(QStringLiteral("Terragen Berechnungsraster :"), "Label1", this),
                      0, 0);
    raster_ = beschriftung({}, "Label2", this);
    raster->addWidget(raster_, 0, 1);
    const char* titelNamen[4] = {"Label3", "Label4", "Label6", "Label7"};
    for (int i = 0; i < 4; ++i) {
        const Parameter& p = parameterVon(kFelder[i].parameter);
        const int zeile = i < 2 ? i + 1 : i + 2;  // the extent label sits between
        raster->addWidget(beschriftung(QString::fromUtf8(p.titel.data(), int(p.titel.size())),
                                       titelNamen[i], this),
                          zeile, 0);
        felder_[i] = zahlfeldAnlegen(this, kFelder[i].name);
        raster->addWidget(felder_[i], zeile, 1);
        connect(felder_[i], &QLineEdit::editingFinished, this, &TEinstellenTerragen::felderLesen);
    }
    ausdehnung_ = beschriftung({}, "Label5", this);
    raster->addWidget(ausdehnung_, 3, 1);
    kugel_ = new QCheckBox(QString::fromUtf8("Rendermodus (flach/sphärisch)"), this);
    kugel_->setObjectName("CheckBox1");
    raster->addWidget(kugel_, 6, 0, 1, 2);
    connect(kugel_, &QCheckBox::toggled, this, [this](bool an) { arbeit_.Kugel = an; });

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(dialogKnoepfe(this).zeile);
}

void TEinstellenTerragen::beginnen(const TerragenRec& rec, int nx, int ny) {
    arbeit_ = rec;
    nx_ = nx;
    ny_ = ny;
    raster_->setText(QStringLiteral("%1 x %2").arg(nx).arg(ny));
    for (int i = 0; i < 4; ++i)
        feldZeigen(i);
    kugel_->setChecked(rec.Kugel);
    ausdehnungZeigen();
}

void TEinstellenTerragen::felderLesen() {
    for (int i = 0; i < 4; ++i) {
        const Parameter& p = parameterVon(kFelder[i].parameter);
        const std::string text = felder_[i]->text().toStdString();
        arbeit_.*kFelder[i].wert = ZahlEinlesen(text, kFelder[i].ganz, p.maximum, p.minimum).wert;
        feldZeigen(i);
    }
    ausdehnungZeigen();
}

void TEinstellenTerragen::accept() {
    felderLesen();
    arbeit_.Kugel = kugel_->isChecked();
    terragenSkalaAngleichen(arbeit_);
    QDialog::accept();
}

void TEinstellenTerragen::feldZeigen(int i) {
    felder_[i]->setText(zweiStellen(arbeit_.*kFelder[i].wert));
    zahlfeldGelesen(felder_[i]);
}

void TEinstellenTerragen::ausdehnungZeigen() {
    const double s = arbeit_.SkalierungX;
    ausdehnung_->setText(
        QStringLiteral("%1 x %2 m").arg(roundToInt(nx_ * s)).arg(roundToInt(ny_ * s)));
}

bool terragenEinstellen(TLandGenerator& f) {
    auto* d = f.findChild<TEinstellenTerragen*>();
    if (!d) d = new TEinstellenTerragen(&f);
    TerragenRec& rec = f.sitzung().terragen;
    d->beginnen(rec, f.dok().punkteX(), f.dok().punkteY());
    if (d->exec() != QDialog::Accepted) return false;
    rec = d->arbeitsSatz();
    return true;
}

}  // namespace gm
