#include "app/mod_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/knoepfe.h"
#include "app/regler_widget.h"
#include "core/kombination.h"
#include "core/zahlen.h"
#include "script/einstellungen_parameter.h"

namespace gm {

namespace {

// The sliders in panel order, by field of the modifier's parameter description.
const char* const kRegler[7] = {"Iterationen",  "Anstieg", "Verschiebung", "Linearitaet1",
                                "Linearitaet2", "Digits",  "Gamma"};

const Parameter& reglerParameter(int i) {
    return ModParameter()[*parameterSuchen(ModParameter(), kRegler[i])];
}

const char* const kModi[8] = {"f=1",       "f=0/1",        "f=x",         "f=x²",
                              "f=sqrt(x)", "f=cos(x*2pi)", "f=sin(x*pi)", "f=cos(x*pi)"};

}  // namespace

void ZeichneModKurve(QImage& bild, const ModRec& mod) {
    const int w = bild.width();
    const int h = bild.height();
    bild.fill(QColor(112, 112, 112));
    QPainter p(&bild);
    const QColor hell(192, 192, 192);
    p.setPen(QPen(hell, 2));
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.setPen(QPen(hell, 1));
    const int haelfte = w / 2;
    QPoint links, rechts;
    for (int i = 0; i < haelfte; ++i) {
        const double z = haelfte > 1 ? double(i) / (haelfte - 1) : 0.0;
        const int r = roundToInt((h - 1) * ModifikatorWert(mod, z));
        const QPoint a(i, h - 1 - r), b(w - 1 - i, h - 1 - r);
        if (i > 0) {
            p.drawLine(links, a);
            p.drawLine(rechts, b);
        } else {
            p.drawPoint(a);
            p.drawPoint(b);
        }
        links = a;
        rechts = b;
    }
}

ModPanel::ModPanel(ModRec& mod, QWidget* parent)
    : QWidget(parent), mod_(mod), kurve_(216, 46, QImage::Format_RGB32) {
    grauFaerben(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);
    checkMod_ = new QCheckBox(QStringLiteral("Modifikatoren"), this);
    checkMod_->setObjectName("CheckMod");
    kurvenBild_ = new QLabel(this);
    kurvenBild_->setObjectName("ImageAusgabeMod");
    kurvenBild_->setFixedSize(kurve_.size());
    combo_ = new QComboBox(this);
    combo_->setObjectName("ComboModModus");
    for (const char* m : kModi)
        combo_->addItem(QString::fromUtf8(m));
    welle_ = new QCheckBox(QStringLiteral("Welle"), this);
    negativ_ = new QCheckBox(QStringLiteral("Negativ"), this);
    invertieren_ = new QCheckBox(QStringLiteral("Invertieren"), this);
    welle_->setObjectName("CheckModWelle");
    negativ_->setObjectName("CheckModNegativ");
    invertieren_->setObjectName("CheckModInvertieren");

    scroll_ = new QScrollArea(this);
    auto* innen = new QWidget;
    grauFaerben(innen);
    auto* reglerSpalte = new QVBoxLayout(innen);
    reglerSpalte->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 7; ++i) {
        regler_[i] = new ReglerWidget(innen, 196, 46);
        const Parameter& p = reglerParameter(i);
        regler_[i]->anlegen({std::string(p.titel), p.minimum, p.maximum, p.schritt,
                             feldLesen(mod_, p), p.skala == Skala::Logarithmisch});
        reglerSpalte->addWidget(regler_[i]);
        connect(regler_[i], &ReglerWidget::geaendert, this, &ModPanel::checkenEinstellungenMod);
        connect(regler_[i], &ReglerWidget::losgelassen, this, &ModPanel::checkenEinstellungenMod);
    }
    scroll_->setWidget(innen);
    scroll_->setWidgetResizable(false);

    spalte->addWidget(checkMod_);
    spalte->addWidget(kurvenBild_);
    spalte->addWidget(combo_);
    auto* schalter = new QGridLayout;
    schalter->addWidget(welle_, 0, 0);
    schalter->addWidget(negativ_, 0, 1);
    schalter->addWidget(invertieren_, 1, 0, 1, 2);
    spalte->addLayout(schalter);
    // At least three of the seven sliders stay in view.
    scroll_->setMinimumHeight(3 * regler_[0]->height() + 2 * scroll_->frameWidth() + 4);
    spalte->addWidget(scroll_, 1);

    combo_->setCurrentIndex(2);  // "f=x"
    checkMod_->setChecked(mod_.Aktiv);
    connect(checkMod_, &QCheckBox::clicked, this, &ModPanel::checkModClick);
    for (QCheckBox* c : {welle_, negativ_, invertieren_}) {
        connect(c, &QCheckBox::clicked, this, &ModPanel::checkenEinstellungenMod);
    }
    connect(combo_, &QComboBox::currentIndexChanged, this, &ModPanel::checkenEinstellungenMod);
    checkModClick();
}

void ModPanel::checkModClick() {
    mod_.Aktiv = checkMod_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{scroll_, kurvenBild_, welle_, negativ_,
                                                      invertieren_, combo_}) {
        w->setVisible(mod_.Aktiv);
        w->setEnabled(mod_.Aktiv);
    }
    checkenEinstellungenMod();
}

void ModPanel::checkenEinstellungenMod() {
    for (int i = 0; i < 7; ++i)
        feldSetzen(mod_, reglerParameter(i), regler_[i]->wert());
    mod_.Modus = combo_->currentIndex() + 1;
    mod_.Welle = welle_->isChecked();
    mod_.Negativ = negativ_->isChecked();
    mod_.Invertieren = invertieren_->isChecked();
    if (mod_.Aktiv) {
        ZeichneModKurve(kurve_, mod_);
        kurvenBild_->setPixmap(QPixmap::fromImage(kurve_));
    }
}

}  // namespace gm
