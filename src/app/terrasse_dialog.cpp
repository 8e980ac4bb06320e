#include "app/terrasse_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>
#include <span>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "filters/transferkurve.h"
#include "script/operationen.h"

namespace gm {

namespace {
constexpr int kBildBreite = 256;
constexpr int kBildHoehe = 128;

// The dialog's controls: every field but TerrasseReserve, which only the
// script line carries.
std::span<const Parameter> steuerbar() {
    return std::span<const Parameter>(TerrasseParameter).subspan(1);
}

struct Name {
    const char* feld;
    const char* objekt;
};
const Name kNamen[] = {
    {"Stufen", "ImageReglerST"},         {"Verschiebung", "ImageReglerVS"},
    {"Anstieg", "ImageReglerAN"},        {"Mittelpunkt", "ImageReglerMP"},
    {"GammaUnten", "ImageReglerGU"},     {"GammaOben", "ImageReglerGO"},
    {"AnschnittUnten", "ImageReglerAU"}, {"AnschnittOben", "ImageReglerAO"},
};

QLabel* bildFeld(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFixedSize(kBildBreite, kBildHoehe);
    return l;
}
}  // namespace

TEingabeTerrasse::TEingabeTerrasse(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Terrassieren"), steuerbar(), {}, VorschauGrauMalen,
                      parent),
      s_(s) {
    darstellung1_ = bildFeld(this, "Darstellung1");
    darstellung2_ = bildFeld(this, "Darstellung2");
    zusatzBereich()->addWidget(darstellung1_);
    zusatzBereich()->addWidget(darstellung2_);
    for (const Name& n : kNamen) {
        ReglerWidget* r = regler(n.feld);
        r->setObjectName(n.objekt);
        connect(r, &ReglerWidget::geaendert, this, &TEingabeTerrasse::kurvenZeichnen);
        connect(r, &ReglerWidget::losgelassen, this, &TEingabeTerrasse::kurvenZeichnen);
    }
    schalter("BegrenzenUnten")->setObjectName("CheckBoxUU");
    schalter("BegrenzenOben")->setObjectName("CheckBoxUO");
    for (const char* name : {"BegrenzenUnten", "BegrenzenOben"})
        connect(schalter(name), &QCheckBox::clicked, this, &TEingabeTerrasse::kurvenZeichnen);
}

TerrasseRec TEingabeTerrasse::arbeit() const {
    return recordAus<TerrasseRec>(steuerbar(), arbeitsSatz(), gespeichert_);
}

void TEingabeTerrasse::oeffnen() {
    werte_ = werteAus(steuerbar(), gespeichert_);
    beginnen(werte_);
    kurvenZeichnen();
}

bool TEingabeTerrasse::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeTerrasse::kurvenZeichnen() {
    pruefen();
    const TerrasseRec r = arbeit();
    kurve_ = KurveMalen(TransferKurve(kBildBreite, [&r](double x) { return TerrasseWert(r, x); }),
                        kBildHoehe);
    TerrasseRec eine = r;
    eine.Stufen = 1;
    kurveEineStufe_ =
        KurveMalen(TransferKurve(kBildBreite, [&eine](double x) { return TerrasseWert(eine, x); }),
                   kBildHoehe);
    darstellung1_->setPixmap(QPixmap::fromImage(kurve_));
    darstellung2_->setPixmap(QPixmap::fromImage(kurveEineStufe_));
}

void TEingabeTerrasse::accept() {
    pruefen();
    const TerrasseRec r = arbeit();
    if (schliessenNach(RecordAusfuehren(s_, "terrace", r))) gespeichert_ = r;
}

}  // namespace gm
