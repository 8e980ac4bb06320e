#include "app/coffee_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/austausch.h"
#include "app/hauptfenster.h"
#include "app/knoepfe.h"
#include "app/zahl_einlesen.h"
#include "app/zahlfeld.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const DateiArt kCoffee{&Fensterzustand::coffee, "Exportieren Coffee", "Coffee (*.cof);;All  (*.*)",
                       "cof"};
const DateiArt kVorlage{&Fensterzustand::coffee, "Vorlage Coffee", "Coffee (*.cof);;All  (*.*)",
                        "cof"};

QString vorlageText(const std::string& pfad) {
    return QString::fromStdString(std::filesystem::path(pfad).filename().string());
}

}  // namespace

TExportiereCoffee::TExportiereCoffee(TLandGenerator& f) : QDialog(&f), f_(f) {
    setWindowTitle(QStringLiteral("Einstellungen Coffee"));
    setWindowFlag(Qt::Tool);
    setObjectName("TExportiereCoffee");
    grauFaerben(this);
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("PlugIn ID (10000..30000) :"), this), 0, 0);
    id_ = zahlfeldAnlegen(this, "Edit3");
    raster->addWidget(id_, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Name :"), this), 1, 0);
    name_ = new QLineEdit(this);
    name_->setObjectName("Edit4");
    name_->setMaxLength(255);
    raster->addWidget(name_, 1, 1);
    raster->addWidget(new QLabel(QStringLiteral("Vorlage :"), this), 2, 0);
    vorlage_ = new QLabel(this);
    vorlage_->setObjectName("Vorlage");
    raster->addWidget(vorlage_, 2, 1);
    auto* waehlen = new QPushButton(QStringLiteral("Vorlage wählen..."), this);
    waehlen->setObjectName("VorlageWaehlen");
    waehlen->setAutoDefault(false);
    raster->addWidget(waehlen, 3, 1);
    connect(id_, &QLineEdit::editingFinished, this, &TExportiereCoffee::felderLesen);
    connect(waehlen, &QPushButton::clicked, this, &TExportiereCoffee::vorlageWaehlen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(dialogKnoepfe(this).zeile);
}

void TExportiereCoffee::beginnen(const CoffeeRec& rec) {
    arbeit_ = rec;
    id_->setText(QString::number(rec.PluginID));
    zahlfeldGelesen(id_);
    name_->setText(QString::fromStdString(rec.Name));
    vorlage_->setText(vorlageText(rec.Vorlage));
    vorlage_->setToolTip(QString::fromStdString(rec.Vorlage));
}

void TExportiereCoffee::felderLesen() {
    const Parameter& p = CoffeeParameter[0];
    arbeit_.PluginID =
        int(ZahlEinlesen(id_->text().toStdString(), true, p.maximum, p.minimum).wert);
    id_->setText(QString::number(arbeit_.PluginID));
    zahlfeldGelesen(id_);
    arbeit_.Name = name_->text().toStdString();
}

void TExportiereCoffee::vorlageWaehlen() {
    DateiDialog d = austauschDialog(f_.zustand(), kVorlage);
    d.vorschlag = arbeit_.Vorlage;
    const auto pfad = f_.dienste().oeffnen(d);
    if (!pfad || pfad->empty()) return;
    arbeit_.Vorlage = *pfad;
    vorlage_->setText(vorlageText(*pfad));
    vorlage_->setToolTip(QString::fromStdString(*pfad));
}

void TExportiereCoffee::accept() {
    felderLesen();
    QDialog::accept();
}

void coffeeExportieren(TLandGenerator& f) {
    CoffeeRec& rec = f.sitzung().coffee;
    if (rec.Vorlage.empty()) rec.Vorlage = f.zustand().Datenordner + std::string(CoffeeVorlageName);
    auto* d = f.findChild<TExportiereCoffee*>();
    if (!d) d = new TExportiereCoffee(f);
    d->beginnen(rec);
    if (d->exec() != QDialog::Accepted) return;
    rec = d->arbeitsSatz();
    DateiWahl& wahl = f.zustand().coffee;
    DateiDialog dialog = austauschDialog(f.zustand(), kCoffee);
    const std::string ordner = wahl.ordner.empty() ? f.zustand().Programmordner : wahl.ordner;
    dialog.vorschlag = (std::filesystem::path(ordner) / CoffeeDateiname(rec.Name)).string();
    const auto pfad = f.dienste().speichern(dialog);
    if (!pfad || pfad->empty()) return;
    dateiUebernehmen(wahl, *pfad);
    austauschMelden(f, SchreibeCoffee(f.sitzung().farben, rec, *pfad), *pfad);
}

}  // namespace gm
