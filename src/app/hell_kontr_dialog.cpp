#include "app/hell_kontr_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/dialog_bilder.h"
#include "app/regler_widget.h"
#include "filters/transferkurve.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kBildBreite = 256;
constexpr int kBildHoehe = 128;

QLabel* bildFeld(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFixedSize(kBildBreite, kBildHoehe);
    return l;
}
}  // namespace

TEingabeHelligkeitKontrast::TEingabeHelligkeitKontrast(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Helligkeit-Kontrast"), HellKontrParameter, {},
                      VorschauGrauMalen, parent),
      s_(s),
      gespeichert_(vorgaben(HellKontrParameter)) {
    darstellung_ = bildFeld(this, "Darstellung");
    darstellung1_ = bildFeld(this, "Darstellung1");
    zusatzBereich()->addWidget(darstellung_);
    zusatzBereich()->addWidget(darstellung1_);
    for (const char* name : {"Helligkeit", "Kontrast"}) {
        ReglerWidget* r = regler(name);
        connect(r, &ReglerWidget::geaendert, this, &TEingabeHelligkeitKontrast::bilderZeichnen);
        connect(r, &ReglerWidget::losgelassen, this, &TEingabeHelligkeitKontrast::bilderZeichnen);
    }
}

HellKontrRec TEingabeHelligkeitKontrast::gespeichert() const {
    return recordAus<HellKontrRec>(HellKontrParameter, gespeichert_);
}

void TEingabeHelligkeitKontrast::oeffnen() {
    histogramm_ = HistogrammFuellen(s_.dok);
    beginnen(gespeichert_);
    bilderZeichnen();
}

bool TEingabeHelligkeitKontrast::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeHelligkeitKontrast::bilderZeichnen() {
    const auto r = recordAus<HellKontrRec>(HellKontrParameter, arbeitsSatz());
    histogrammBild_ =
        HistogrammMalen(histogramm_, r.Helligkeit, r.Kontrast, kBildBreite, kBildHoehe);
    darstellung_->setPixmap(QPixmap::fromImage(histogrammBild_));
    kurve_ = KurveMalen(TransferKurve(kBildBreite, [&r](double x) { return HellKontrKurve(r, x); }),
                        kBildHoehe);
    darstellung1_->setPixmap(QPixmap::fromImage(kurve_));
}

void TEingabeHelligkeitKontrast::accept() {
    pruefen();
    (void)RecordAusfuehren(s_, "lumcontr",
                           recordAus<HellKontrRec>(HellKontrParameter, arbeitsSatz()));
    ParameterDialog::accept();
}

}  // namespace gm
