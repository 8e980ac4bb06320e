#include "app/verlauf_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/hauptfenster.h"
#include "app/zahl_einlesen.h"
#include "app/zahlfeld.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// The dialog's sliders and switch: the record's fields after width and height.
std::span<const Parameter> reglerParameter() {
    return std::span<const Parameter>(VerlaufParameter).subspan(2);
}

VerlaufRec mitGroesse(const Werte& w, double breite, double hoehe) {
    VerlaufRec r = recordAus<VerlaufRec>(reglerParameter(), w);
    r.BreiteX = breite;
    r.HoeheY = hoehe;
    return r;
}

// Palette 1 whatever the colour mode, as the export writes it.
VorschauMaler paletteMaler(Sitzung& s) {
    return [&s](const Vorschaufeld& feld, QImage& bild) {
        const Palette& p = s.farben.palette(1);
        for (int y = 0; y < VorschauKante; ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
            for (int x = 0; x < VorschauKante; ++x) {
                const Farbe3 f = PaletteFarbe(p, feld.werte[x][y]);
                zeile[x] = qRgb(roundToInt(f.rot * 255), roundToInt(f.gruen * 255),
                                roundToInt(f.blau * 255));
            }
        }
    };
}

}  // namespace

void VerlaufVorschau(const VerlaufRec& rec, std::uint32_t seed, Vorschaufeld& feld) {
    Zufallsfolge zufall(seed);
    for (int y = 0; y < VorschauKante; ++y) {
        const double g = 1.0 - double(y) / VorschauKante;
        double wert = rec.Konstant ? VerlaufWert(g, rec, zufall) : 0.0;
        for (int x = 0; x < VorschauKante; ++x) {
            if (!rec.Konstant) wert = VerlaufWert(g, rec, zufall);
            feld.werte[x][y] = wert;
        }
    }
}

TEingabeVerlauf::TEingabeVerlauf(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Eingabe Parameter Verlauf"), reglerParameter(),
          [&s](const Werte& w, Vorschaufeld& feld) {
              VerlaufVorschau(mitGroesse(w, 0, 0), s.dok.RandSeed, feld);
          },
          paletteMaler(s), parent),
      s_(s) {
    setObjectName("TEingabeVerlauf");
    auto* raster = new QGridLayout;
    const char* namen[2] = {"Edit0", "Edit1"};
    for (int i = 0; i < 2; ++i) {
        const std::string_view titel = VerlaufParameter[i].titel;
        raster->addWidget(
            new QLabel(QString::fromUtf8(titel.data(), qsizetype(titel.size())), this), i, 0);
        felder_[i] = zahlfeldAnlegen(this, namen[i]);
        raster->addWidget(felder_[i], i, 1);
        connect(felder_[i], &QLineEdit::editingFinished, this, &TEingabeVerlauf::felderLesen);
    }
    zusatzBereich()->addLayout(raster);
}

void TEingabeVerlauf::beginnen() {
    const VerlaufRec& rec = s_.verlauf;
    gespeichert_ = werteAus(reglerParameter(), rec);
    breite_ = rec.BreiteX;
    hoehe_ = rec.HoeheY;
    felder_[0]->setText(QString::number(breite_));
    felder_[1]->setText(QString::number(hoehe_));
    for (QLineEdit* e : felder_)
        zahlfeldGelesen(e);
    ParameterDialog::beginnen(gespeichert_);
}

void TEingabeVerlauf::felderLesen() {
    double* ziele[2] = {&breite_, &hoehe_};
    for (int i = 0; i < 2; ++i) {
        const Parameter& p = VerlaufParameter[i];
        *ziele[i] =
            ZahlEinlesen(felder_[i]->text().toStdString(), false, p.maximum, p.minimum).wert;
        felder_[i]->setText(QString::number(*ziele[i]));
        zahlfeldGelesen(felder_[i]);
    }
}

VerlaufRec TEingabeVerlauf::arbeitsRecord() const {
    return mitGroesse(arbeitsSatz(), breite_, hoehe_);
}

void TEingabeVerlauf::accept() {
    felderLesen();
    ParameterDialog::accept();
    s_.verlauf = mitGroesse(gespeichert_, breite_, hoehe_);
}

bool verlaufEinstellen(TLandGenerator& f) {
    auto* d = f.findChild<TEingabeVerlauf*>();
    if (!d) d = new TEingabeVerlauf(f.sitzung(), &f);
    d->beginnen();
    return d->exec() == QDialog::Accepted;
}

}  // namespace gm
