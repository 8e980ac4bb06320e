#include "app/regen_dialog.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <vector>

#include "app/regler.h"
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

void TEingabeRegenErosion::accept() {
    pruefen();
    status_->setValue(0);
    status_->show();
    // The run blocks the event loop, so the bar is painted directly.
    RegenErosion(s_.dok, recordAusReglern(arbeitsSatz()), [this](int zyklus, int gesamt) {
        status_->setValue(RegenProzent(zyklus, gesamt));
        status_->repaint();
    });
    ParameterDialog::accept();
}

}  // namespace gm
