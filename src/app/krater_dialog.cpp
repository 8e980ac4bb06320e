#include "app/krater_dialog.h"

#include <QLabel>
#include <QVBoxLayout>
#include <span>
#include <string>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "core/zufall.h"
#include "filters/transferkurve.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kBildBreite = 256;
constexpr int kBildHoehe = 128;
constexpr int kBandMindestBreite = 3;

// The frame's sliders: Tiefe and Zufall; the cut level and the rim width share
// one slider of their own.
std::span<const Parameter> rahmenParameter() {
    return std::span<const Parameter>(KraterisierenParameter).subspan(2);
}

QLabel* bildFeld(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFixedSize(kBildBreite, kBildHoehe);
    return l;
}
}  // namespace

TEingabeKraterisieren::TEingabeKraterisieren(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Kraterisieren"), rahmenParameter(), {},
                      VorschauGrauMalen, parent),
      s_(s) {
    reglerSchnitt_ = new ReglerWidget(this, 260, 46);
    reglerSchnitt_->setObjectName("ImageReglerSchnitt");
    darstellung_ = bildFeld(this, "Darstellung");
    darstellung1_ = bildFeld(this, "Darstellung1");
    zusatzBereich()->addWidget(reglerSchnitt_);
    zusatzBereich()->addWidget(darstellung_);
    zusatzBereich()->addWidget(darstellung1_);
    regler("Tiefe")->setObjectName("ImageReglerTiefe");
    regler("Zufall")->setObjectName("ImageReglerZufall");
    for (ReglerWidget* r : {reglerSchnitt_, regler("Tiefe"), regler("Zufall")}) {
        connect(r, &ReglerWidget::geaendert, this, &TEingabeKraterisieren::bilderZeichnen);
        connect(r, &ReglerWidget::losgelassen, this, &TEingabeKraterisieren::bilderZeichnen);
    }
}

KraterisierenRec TEingabeKraterisieren::arbeit() const {
    KraterisierenRec r =
        recordAus<KraterisierenRec>(rahmenParameter(), arbeitsSatz(), gespeichert_);
    r.Schnittlevel = reglerSchnitt_->wert();
    r.Randbreite = reglerSchnitt_->streuung();
    return r;
}

void TEingabeKraterisieren::oeffnen() {
    Randomize(s_.dok);
    histogramm_ = HistogrammFuellen(s_.dok);
    const Parameter& p = KraterisierenParameter[0];
    ReglerVorgabe v;
    v.titel = std::string(p.titel);
    v.minimum = p.minimum;
    v.maximum = p.maximum;
    v.schritt = p.schritt;
    v.wert = gespeichert_.Schnittlevel;
    v.mitStreuung = true;
    v.streuung = gespeichert_.Randbreite;
    reglerSchnitt_->anlegen(v);
    werte_ = werteAus(rahmenParameter(), gespeichert_);
    beginnen(werte_);
    bilderZeichnen();
}

bool TEingabeKraterisieren::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeKraterisieren::bilderZeichnen() {
    pruefen();
    const KraterisierenRec r = arbeit();
    histogrammBild_ = HistogrammMalen(histogramm_, r.Schnittlevel - r.Randbreite / 2.0,
                                      r.Randbreite, kBildBreite, kBildHoehe, kBandMindestBreite);
    darstellung_->setPixmap(QPixmap::fromImage(histogrammBild_));
    Dokument& dok = s_.dok;
    kurve_ = KurveMalen(
        TransferKurve(kBildBreite, [&dok, &r](double x) { return KraterWert(dok, r, x); }),
        kBildHoehe);
    darstellung1_->setPixmap(QPixmap::fromImage(kurve_));
}

void TEingabeKraterisieren::accept() {
    pruefen();
    const KraterisierenRec r = arbeit();
    if (schliessenNach(RecordAusfuehren(s_, "crater", r))) gespeichert_ = r;
}

}  // namespace gm
