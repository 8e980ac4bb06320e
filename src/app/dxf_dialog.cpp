#include "app/dxf_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/hauptfenster.h"
#include "app/knoepfe.h"
#include "app/regler_widget.h"
#include "app/zahl_einlesen.h"
#include "app/zahlfeld.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "formats/netz_auswahl.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// A slider and how its value maps to the record.
struct DxfRegler {
    const char* name;
    const char* titel;
    double minimum, maximum, schritt;
    double (*zeigen)(const NetzRec&);
    void (*lesen)(NetzRec&, double);
    bool auswahl;  // a selection slider: shown only while "Optimierung" is set
};
const DxfRegler kRegler[5] = {
    {"ImageReglerBPX", "Punkte in X", 10, 1024, 1,
     [](const NetzRec& r) { return double(r.NetzPunkteX); },
     [](NetzRec& r, double v) { r.NetzPunkteX = roundToInt(v); }, false},
    {"ImageReglerBPY", "Punkte in Y", 10, 1024, 1,
     [](const NetzRec& r) { return double(r.NetzPunkteY); },
     [](NetzRec& r, double v) { r.NetzPunkteY = roundToInt(v); }, false},
    {"ImageReglerR", "Abweichung", 0, 100, 0.01,
     [](const NetzRec& r) { return r.NetzAbweichung * 100; },
     [](NetzRec& r, double v) { r.NetzAbweichung = v * 0.01; }, true},
    {"ImageReglerZ1", "Streuung", 0, 100, 1, [](const NetzRec& r) { return r.NetzStreuung * 100; },
     [](NetzRec& r, double v) { r.NetzStreuung = roundToInt(v) * 0.01; }, true},
    {"ImageReglerZ2", "Zufall", 0, 100, 1, [](const NetzRec& r) { return r.NetzZufall * 100; },
     [](NetzRec& r, double v) { r.NetzZufall = roundToInt(v) * 0.01; }, true},
};

// The three size fields; ranges and captions come from NetzParameter.
struct DxfFeld {
    const char* name;
    const char* titelName;
    const char* parameter;
    double NetzRec::*wert;
};
const DxfFeld kFelder[3] = {
    {"Edit2", "Label3", "Laenge", &NetzRec::Laenge},
    {"Edit3", "Label4", "Breite", &NetzRec::Breite},
    {"Edit4", "Label5", "Hoehe", &NetzRec::Hoehe},
};

// The information labels: caption label and value label.
struct DxfInfo {
    const char* titelName;
    const char* titel;
    const char* name;
};
const DxfInfo kInfo[5] = {
    {"Label6", "Punkte Fest:", "Berechnungspunkte1"},
    {"Label7", "Punkte Zufall:", "Berechnungspunkte2"},
    {"Label8", "Punkte Maximal:", "Berechnungspunkte3"},
    {"Label1", "max. Abweichung:", "MaxAbweichung"},
    {"Label2", "min. Abweichung:", "MinAbweichung"},
};

const Parameter& parameterVon(const char* name) {
    return NetzParameter[*parameterSuchen(NetzParameter, name)];
}

QLabel* beschriftung(const QString& text, const char* name, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    return l;
}

// Width 10 with 8 decimals.
QString abweichungText(double v) {
    return QString::number(v, 'f', 8).rightJustified(10);
}

}  // namespace

TEingabeDXF::TEingabeDXF(Dokument& dok, QWidget* parent) : QDialog(parent), dok_(dok) {
    setWindowTitle(QStringLiteral("Voreinstellungen DXF"));
    setWindowFlag(Qt::Tool);
    setObjectName("TEingabeDXF");
    grauFaerben(this);
    auto* spalte = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        regler_[i] = new ReglerWidget(this);
        regler_[i]->setObjectName(kRegler[i].name);
        spalte->addWidget(regler_[i]);
        connect(regler_[i], &ReglerWidget::geaendert, this, &TEingabeDXF::pruefen);
        connect(regler_[i], &ReglerWidget::losgelassen, this, &TEingabeDXF::informationBerechnen);
    }
    optimierung_ = new QCheckBox(QStringLiteral("Optimierung"), this);
    optimierung_->setObjectName("CheckOptimierung");
    spalte->insertWidget(2, optimierung_);
    connect(optimierung_, &QCheckBox::toggled, this, [this] {
        pruefen();
        schieberSichtbar();
    });

    auto* raster = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const Parameter& p = parameterVon(kFelder[i].parameter);
        raster->addWidget(beschriftung(QString::fromUtf8(p.titel.data(), int(p.titel.size())),
                                       kFelder[i].titelName, this),
                          i, 0);
        felder_[i] = zahlfeldAnlegen(this, kFelder[i].name);
        raster->addWidget(felder_[i], i, 1);
        connect(felder_[i], &QLineEdit::editingFinished, this, [this] {
            pruefen();
            anzeigen();
        });
    }
    for (int i = 0; i < 5; ++i) {
        raster->addWidget(beschriftung(QString::fromUtf8(kInfo[i].titel), kInfo[i].titelName, this),
                          3 + i, 0);
        raster->addWidget(beschriftung({}, kInfo[i].name, this), 3 + i, 1);
    }
    spalte->addLayout(raster);
    spalte->addLayout(dialogKnoepfe(this).zeile);
}

ReglerWidget* TEingabeDXF::regler(const char* name) const {
    return findChild<ReglerWidget*>(name);
}

QLabel* TEingabeDXF::information(const char* name) const {
    return findChild<QLabel*>(name);
}

void TEingabeDXF::beginnen() {
    arbeit_ = gespeichert_;
    for (int i = 0; i < 5; ++i) {
        const DxfRegler& r = kRegler[i];
        regler_[i]->anlegen({r.titel, r.minimum, r.maximum, r.schritt, r.zeigen(arbeit_)});
    }
    {
        const QSignalBlocker still(optimierung_);
        optimierung_->setChecked(arbeit_.Optimierung);
    }
    anzeigen();
    schieberSichtbar();
    informationBerechnen();
}

void TEingabeDXF::pruefen() {
    for (int i = 0; i < 5; ++i)
        kRegler[i].lesen(arbeit_, regler_[i]->wert());
    for (int i = 0; i < 3; ++i) {
        const Parameter& p = parameterVon(kFelder[i].parameter);
        const std::string text = felder_[i]->text().toStdString();
        arbeit_.*kFelder[i].wert = ZahlEinlesen(text, false, p.maximum, p.minimum).wert;
    }
    arbeit_.Optimierung = optimierung_->isChecked();
}

void TEingabeDXF::informationBerechnen() {
    pruefen();
    const std::uint32_t seedVorher = dok_.RandSeed;
    if (zaehlSeed) {
        setzeSeed(dok_, *zaehlSeed);
    } else {
        Randomize(dok_);
    }
    const NetzZaehlung z = PunkteZaehlen(dok_, arbeit_);
    dok_.RandSeed = seedVorher;
    information("Berechnungspunkte1")->setText(QString::number(z.fest));
    information("Berechnungspunkte2")->setText(QString::number(z.zufall));
    information("Berechnungspunkte3")->setText(QString::number(z.maximal));
    information("MaxAbweichung")->setText(abweichungText(z.abweichung.Dmax));
    information("MinAbweichung")->setText(abweichungText(z.abweichung.Dmin));
}

void TEingabeDXF::accept() {
    pruefen();
    gespeichert_ = arbeit_;
    QDialog::accept();
}

void TEingabeDXF::anzeigen() {
    for (int i = 0; i < 3; ++i) {
        felder_[i]->setText(QString::number(arbeit_.*kFelder[i].wert, 'f', 2));
        zahlfeldGelesen(felder_[i]);
    }
}

void TEingabeDXF::schieberSichtbar() {
    for (int i = 0; i < 5; ++i) {
        if (!kRegler[i].auswahl) continue;
        regler_[i]->setEnabled(arbeit_.Optimierung);
        regler_[i]->setVisible(arbeit_.Optimierung);
    }
}

TEingabeDXF& dxfDialog(TLandGenerator& f) {
    auto* d = f.findChild<TEingabeDXF*>();
    if (!d) d = new TEingabeDXF(f.dok(), &f);
    return *d;
}

}  // namespace gm
