#include "app/regen_dialog.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <vector>

#include "app/hintergrund.h"
#include "app/regler.h"
#include "core/fortschritt.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// The fields of RegenParameter with the ranges and steps the sliders show.
const std::vector<Parameter>& reglerParameter() {
    static const std::vector<Parameter> tabelle = [] {
        std::vector<Parameter> t;
        for (int i = 0; i < 4; ++i) {
            Parameter p = RegenParameter[i];
            const RegenRegler& r = RegenReglerTabelle[i];
            p.minimum = r.minimum;
            p.maximum = r.maximum;
            p.schritt = r.schritt;
            p.vorgabe = aufSchrittRunden(p.vorgabe * r.teiler, r.schritt);
            t.push_back(p);
        }
        return t;
    }();
    return tabelle;
}

}  // namespace

TEingabeRegenErosion::TEingabeRegenErosion(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Regenerosion"), reglerParameter(), {},
                      VorschauGrauMalen, parent),
      s_(s),
      gespeichert_(vorgaben(reglerParameter())) {
    status_ = new QProgressBar(this);
    status_->setObjectName("StatusAnzeige");
    status_->setRange(0, 100);
    status_->hide();
    zusatzBereich()->addWidget(status_);
}

RegenRec TEingabeRegenErosion::recordAusReglern(const Werte& regler) {
    RegenRec r;
    r.Zyklen = roundToInt(regler[0]);
    r.Regenmenge = regler[1] / RegenReglerTabelle[1].teiler;
    r.Abtrag = regler[2] / RegenReglerTabelle[2].teiler;
    r.Glaettung = regler[3] / RegenReglerTabelle[3].teiler;
    return r;
}

void TEingabeRegenErosion::oeffnen() {
    status_->hide();
    beginnen(gespeichert_);
}

bool TEingabeRegenErosion::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

// The erosion runs beside the window's thread; each cycle's share reaches the
// bar through the event queue. Cancelled, the field and the undo copy are as
// before and the dialog stays open.
void TEingabeRegenErosion::accept() {
    pruefen();
    status_->setValue(0);
    status_->show();
    const RegenRec rec = recordAusReglern(arbeitsSatz());
    const bool fertig =
        dokumentImHintergrund(this, s_.dok, QStringLiteral("Regenerosion ..."), [&] {
            RegenErosion(s_.dok, rec, [this](int zyklus, int gesamt) {
                const int prozent = RegenProzent(zyklus, gesamt);
                QMetaObject::invokeMethod(
                    status_, [this, prozent] { status_->setValue(prozent); }, Qt::QueuedConnection);
                FortschrittMelden(double(zyklus - 1) / gesamt);
            });
        });
    if (!fertig) {
        status_->hide();
        return;
    }
    ParameterDialog::accept();
}

}  // namespace gm
