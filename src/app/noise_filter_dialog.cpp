#include "app/noise_filter_dialog.h"

#include <QVBoxLayout>
#include <string>

#include "app/regler_widget.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

TEingabeNoiseFilter::TEingabeNoiseFilter(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Noise-Filter"), {}, {}, VorschauGrauMalen, parent), s_(s) {
    reglerNF_ = new ReglerWidget(this, 260, 46);
    reglerNF_->setObjectName("ImageReglerNF");
    zusatzBereich()->addWidget(reglerNF_);
}

void TEingabeNoiseFilter::oeffnen() {
    beginnen(rahmen_);
    const Parameter& p = NoiseFilterParameter[0];
    ReglerVorgabe v;
    v.titel = std::string(p.titel);
    v.minimum = p.minimum;
    v.maximum = s_.dok.MaxX;
    v.schritt = p.schritt;
    v.wert = NoiseFilterRec{}.Noiseweite;
    v.logarithmisch = true;
    reglerNF_->anlegen(v);
}

bool TEingabeNoiseFilter::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeNoiseFilter::accept() {
    NoiseFilterRec r;
    r.Noiseweite = reglerNF_->wert();
    schliessenNach(RecordAusfuehren(s_, OperationsArt::Filter, "noise", r));
}

}  // namespace gm
