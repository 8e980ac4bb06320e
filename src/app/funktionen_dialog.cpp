#include "app/funktionen_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "app/dialog_bilder.h"
#include "app/parameter_auswahl.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const std::vector<Parameter>& rahmen() {
    static const std::vector<Parameter> t =
        ParameterOhne(FunktionenParameter(), {"Verknuepfung", "KurveX", "KurveY"});
    return t;
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

TErstelleFunktionen::TErstelleFunktionen(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Funktion"), rahmen(),
          [this](const Werte&, Vorschaufeld& feld) { FunktionenVorschau(arbeit(), feld); },
          VorschauFarbigMaler(s), parent),
      s_(s),
      gespeichert_(recordVorgaben<FunktionenParamRec>(FunktionenParameter())) {
    auto* raster = new QGridLayout;
    const char* namen[2] = {"AuswahlFunktionenX", "AuswahlFunktionenY"};
    for (int a = 0; a < 2; ++a) {
        kurve_[a] = new QComboBox(this);
        kurve_[a]->setObjectName(namen[a]);
        for (std::string_view n : WellenKurvenNamen) {
            std::string eintrag(n);
            if (const auto i = eintrag.find('x'); a == 1 && i != std::string::npos)
                eintrag[i] = 'y';
            kurve_[a]->addItem(text(eintrag));
        }
        raster->addWidget(kurve_[a], 0, a);
        connect(kurve_[a], &QComboBox::currentIndexChanged, this,
                &TErstelleFunktionen::einstellungen);
    }
    auto* gruppe = new QGroupBox(QStringLiteral("Verknüpfung"), this);
    gruppe->setObjectName("AuswahlFunktion");
    auto* spalten = new QGridLayout(gruppe);
    verknuepfung_ = new QButtonGroup(this);
    for (int i = 0; i < int(FunktionenVerknuepfungNamen.size()); ++i) {
        auto* r = new QRadioButton(text(FunktionenVerknuepfungNamen[std::size_t(i)]), gruppe);
        verknuepfung_->addButton(r, i);
        spalten->addWidget(r, i / 2, i % 2);
    }
    raster->addWidget(gruppe, 1, 0, 1, 2);
    // Each axis's two curves below its list: ImageDX1 over ImageDX2, ImageDY1
    // over ImageDY2.
    const char* bildNamen[2][2] = {{"ImageDX1", "ImageDX2"}, {"ImageDY1", "ImageDY2"}};
    for (int a = 0; a < 2; ++a) {
        for (int w = 0; w < 2; ++w) {
            QLabel*& b = kurvenBild_[a][w];
            b = new QLabel(this);
            b->setObjectName(bildNamen[a][w]);
            b->setFixedSize(WellenKurveBreite, WellenKurveHoehe);
            raster->addWidget(b, 2 + w, a);
        }
    }
    zusatzBereich()->addLayout(raster);
    connect(verknuepfung_, &QButtonGroup::idClicked, this, &TErstelleFunktionen::einstellungen);
    kurvenVerbinden(*this, [this] { kurvenZeichnen(); });
    for (QComboBox* k : kurve_)
        connect(k, &QComboBox::currentIndexChanged, this, &TErstelleFunktionen::kurvenZeichnen);
}

void TErstelleFunktionen::kurvenZeichnen() {
    if (aufbau_) return;  // the working set is not read yet
    const FunktionenParamRec r = arbeit();
    for (int a = 0; a < 2; ++a) {
        for (int w = 0; w < 2; ++w) {
            kurvenBild_[a][w]->setPixmap(QPixmap::fromImage(WellenKurveMalen(
                r.Achse[std::size_t(a)], w + 1, WellenKurveBreite, WellenKurveHoehe)));
        }
    }
}

void TErstelleFunktionen::oeffnen() {
    aufbau_ = true;
    for (int a = 0; a < 2; ++a)
        kurve_[a]->setCurrentIndex(gespeichert_.Achse[std::size_t(a)].Kurve - 1);
    if (QAbstractButton* b = verknuepfung_->button(gespeichert_.Verknuepfung)) b->setChecked(true);
    rahmen_ = werteAus(std::span<const Parameter>(rahmen()), gespeichert_);
    aufbau_ = false;
    beginnen(rahmen_);
    kurvenZeichnen();
}

bool TErstelleFunktionen::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

FunktionenParamRec TErstelleFunktionen::arbeit() const {
    FunktionenParamRec r = MitRahmen(gespeichert_, rahmen(), arbeitsSatz());
    for (int a = 0; a < 2; ++a)
        r.Achse[std::size_t(a)].Kurve = kurve_[a]->currentIndex() + 1;
    r.Verknuepfung = verknuepfung_->checkedId() < 0 ? 0 : verknuepfung_->checkedId();
    return r;
}

void TErstelleFunktionen::einstellungen() {
    if (!aufbau_) subjektPruefen();
}

void TErstelleFunktionen::accept() {
    pruefen();
    const FunktionenParamRec r = arbeit();
    FunktionenBerechnen(s_.dok, r);
    gespeichert_ = r;
    ParameterDialog::accept();
}

}  // namespace gm
