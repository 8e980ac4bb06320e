#include "app/noise_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "app/zahl_einlesen.h"
#include "core/zahlen.h"
#include "generators/profil.h"
#include "script/sitzung.h"

namespace gm {

namespace {

constexpr int kProfilHoehe = 107;

// The fields the frame shows as sliders and check boxes, in dialog order.
const std::vector<Parameter>& rahmenParameter() {
    static const std::vector<Parameter> tabelle = [] {
        const char* namen[] = {"Anstieg1",     "Anstieg2",     "FraktalDimension", "Offset",
                               "IterationenX", "IterationenY", "VerschiebungX",    "VerschiebungY",
                               "Level1",       "Level2",       "Level3",           "Level4",
                               "Level5",       "Level6",       "Level7",           "Level8",
                               "Level9",       "Level10",      "Level11",          "Invertieren"};
        std::vector<Parameter> t;
        const auto alle = NoiseParameter();
        for (const char* n : namen)
            t.push_back(alle[*parameterSuchen(alle, n)]);
        return t;
    }();
    return tabelle;
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QComboBox* liste(QWidget* eltern, const char* name, auto const& eintraege) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(name);
    for (std::string_view e : eintraege)
        c->addItem(text(e));
    return c;
}

}  // namespace

TErstelleNoise::TErstelleNoise(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Noise"), rahmenParameter(),
          [this](const Werte&, Vorschaufeld& feld) { vorschauRechnen(feld); },
          [this](const Vorschaufeld& feld, QImage& bild) {
              VorschauMitSpanneMalen(s_, feld, invertiert_, spanne_, bild);
          },
          parent),
      s_(s) {
    NoiseVorgaben(z_);
    zusatzAufbauen();
}

void TErstelleNoise::zusatzAufbauen() {
    auto* raster = new QGridLayout;
    methoden_ = liste(this, "AuswahlBerechnungsmethode", NoiseMethodenNamen);
    std::vector<std::string_view> setupNamen;
    for (const auto& st : NoiseSetups)
        setupNamen.push_back(st.Name);
    setups_ = liste(this, "AuswahlSetups", setupNamen);
    achseX_ = liste(this, "AuswahlNoiseX", NoiseAchsenNamenX);
    achseY_ = liste(this, "AuswahlNoiseY", NoiseAchsenNamenY);
    raster->addWidget(methoden_, 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Torvik's Setup's"), this), 0, 1);
    raster->addWidget(setups_, 1, 1);
    raster->addWidget(achseX_, 2, 0);
    raster->addWidget(achseY_, 2, 1);

    auto* gruppe = new QGroupBox(QStringLiteral("Verknüpfung"), this);
    gruppe->setObjectName("AuswahlVerknuepfung");
    auto* spalten = new QGridLayout(gruppe);
    verknuepfung_ = new QButtonGroup(this);
    for (int i = 0; i < int(NoiseVerknuepfungNamen.size()); ++i) {
        auto* r = new QRadioButton(text(NoiseVerknuepfungNamen[std::size_t(i)]), gruppe);
        verknuepfung_->addButton(r, i);
        spalten->addWidget(r, i / 2, i % 2);
    }
    raster->addWidget(gruppe, 3, 0, 1, 2);

    startwert_ = new QLineEdit(this);
    startwert_->setObjectName("Edit0");
    startwert_->setMaxLength(24);
    neu_ = new QPushButton(QStringLiteral("Neue Berechnung"), this);
    neu_->setObjectName("SpeedButton1");
    neu_->setAutoDefault(false);
    raster->addWidget(startwert_, 4, 0);
    raster->addWidget(neu_, 4, 1);
    zusatzBereich()->addLayout(raster);

    profilBild_ = new QLabel(this);
    profilBild_->setObjectName("DarstellungH");
    profilBild_->setFixedSize(ProfilBreite, kProfilHoehe);
    zusatzBereich()->addWidget(profilBild_);

    for (QComboBox* c : {methoden_, achseX_, achseY_}) {
        connect(c, &QComboBox::currentIndexChanged, this, &TErstelleNoise::einstellungenNoise);
    }
    connect(setups_, &QComboBox::currentIndexChanged, this, &TErstelleNoise::setupGewaehlt);
    connect(verknuepfung_, &QButtonGroup::idClicked, this, &TErstelleNoise::einstellungenNoise);
    // Enter moves on, which leaves the field; leaving it rebuilds the tables.
    connect(startwert_, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(startwert_, &QLineEdit::editingFinished, this, &TErstelleNoise::startwertVerlassen);
    connect(neu_, &QPushButton::clicked, this, &TErstelleNoise::neueBerechnungClick);
    // "Übernehmen" and "Abbrechen" act like labels: a click does not leave the
    // seed field, so a seed typed but not left rebuilds no tables on cancel.
    for (const char* name : {"Weiter", "Abbrechen"})
        findChild<QPushButton*>(name)->setFocusPolicy(Qt::TabFocus);
}

void TErstelleNoise::oeffnen() {
    aufbau_ = true;
    const Dokument& d = s_.dok;
    levelAnzahl_ = NoiseLevelAnzahl(d.MaxX, d.MaxY);
    for (int k = 1; k <= NoiseLevelMax; ++k) {
        schalter("Level" + std::to_string(k))->setEnabled(NoiseLevelWaehlbar(k, levelAnzahl_));
    }
    const NoiseParamRec& g = z_.gespeichert;
    achseX_->setCurrentIndex(g.TypX - 1);
    achseY_->setCurrentIndex(g.TypY - 1);
    if (QAbstractButton* b = verknuepfung_->button(g.Verknuepfung)) b->setChecked(true);
    methoden_->setCurrentIndex(g.Methode);
    setups_->setCurrentIndex(0);  // shown, not applied
    startwert_->setText(QString::fromStdString(formatFixed(g.Startwert, 0)));
    rahmen_ = werteAus(std::span<const Parameter>(rahmenParameter()), g);
    aufbau_ = false;
    beginnen(rahmen_);  // ends with CheckenEinstellungenNoise
}

bool TErstelleNoise::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

NoiseParamRec TErstelleNoise::arbeit() const {
    NoiseParamRec p = z_.gespeichert;
    const auto& tabelle = rahmenParameter();
    const Werte& w = arbeitsSatz();
    for (std::size_t i = 0; i < tabelle.size() && i < w.size(); ++i)
        feldSetzen(p, tabelle[i], w[i]);
    p.Methode = methoden_->currentIndex();
    p.TypX = achseX_->currentIndex() + 1;
    p.TypY = achseY_->currentIndex() + 1;
    p.Verknuepfung = verknuepfung_->checkedId() < 0 ? 0 : verknuepfung_->checkedId();
    p.Startwert = ZahlEinlesen(startwert_->text().toStdString(), true, 65000.0, 1.0).wert;
    return p;
}

void TErstelleNoise::vorschauRechnen(Vorschaufeld& feld) {
    const NoiseParamRec p = arbeit();
    // AusgabeWerte: the seed as a whole number.
    const QString seed = QString::fromStdString(formatFixed(p.Startwert, 0));
    if (startwert_->text() != seed) startwert_->setText(seed);
    spanne_ = NoiseVorschau(p, z_.tabellen, feld);
    invertiert_ = p.Invertieren;
    profil_ = ProfilMalen(ProfilZeilen(NoiseProfil(p, z_.tabellen), kProfilHoehe, !p.Invertieren),
                          kProfilHoehe);
    profilBild_->setPixmap(QPixmap::fromImage(profil_));
}

void TErstelleNoise::einstellungenNoise() {
    if (!aufbau_) subjektPruefen();
}

void TErstelleNoise::setupGewaehlt(int index) {
    if (aufbau_ || index < 0) return;
    NoiseParamRec p = arbeit();
    NoiseSetupAnwenden(NoiseSetups[std::size_t(index)], p);
    regler("Anstieg1")->wertSetzen(p.Anstieg1);
    regler("Anstieg2")->wertSetzen(p.Anstieg2);
    regler("FraktalDimension")->wertSetzen(p.FraktalDimension);
    regler("Offset")->wertSetzen(p.Offset);
    aufbau_ = true;  // one preview for the whole preset
    methoden_->setCurrentIndex(p.Methode);
    aufbau_ = false;
    subjektPruefen();
}

void TErstelleNoise::startwertVerlassen() {
    if (aufbau_ || !isVisible()) return;
    const double seed = NoiseStartwertAusText(startwert_->text().toStdString());
    NoiseTabellenAufbau(z_.tabellen, seed);
    startwert_->setText(QString::fromStdString(formatFixed(seed, 0)));
    subjektPruefen();
}

void TErstelleNoise::neueBerechnungClick() {
    const double seed = NoiseNeuerStartwert(s_.dok);
    NoiseTabellenAufbau(z_.tabellen, seed);
    startwert_->setText(QString::fromStdString(formatFixed(seed, 0)));
    subjektPruefen();
}

void TErstelleNoise::accept() {
    pruefen();
    NoiseParamRec p = arbeit();
    NoiseUebernehmen(s_.dok, z_, p);
    ParameterDialog::accept();
}

}  // namespace gm
