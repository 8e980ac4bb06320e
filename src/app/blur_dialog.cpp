#include "app/blur_dialog.h"

#include <QVBoxLayout>
#include <string>

#include "app/regler_widget.h"
#include "script/operationen.h"

namespace gm {

TEingabeBlur::TEingabeBlur(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Stärke Finite Impulse Response Filter"), {}, {},
                      VorschauGrauMalen, parent),
      s_(s) {
    reglerBlur_ = new ReglerWidget(this, 260, 46);
    reglerBlur_->setObjectName("ImageReglerBlur");
    reglerGain_ = new ReglerWidget(this, 260, 46);
    reglerGain_->setObjectName("ImageReglerGain");
    zusatzBereich()->addWidget(reglerBlur_);
    zusatzBereich()->addWidget(reglerGain_);
}

void TEingabeBlur::oeffnen() {
    beginnen(rahmen_);
    const bool weich = gespeichert_.BlurModus == 2;
    if (weich) {
        reglerBlur_->anlegen(reglerVorgabe(BlurParameter[1], gespeichert_.Weichabstand));
        reglerGain_->anlegen(reglerVorgabe(BlurParameter[2], gespeichert_.Filterstaerke2));
    } else {
        reglerBlur_->anlegen(reglerVorgabe(BlurParameter[0], gespeichert_.Filterstaerke));
    }
    reglerGain_->setVisible(weich);
}

bool TEingabeBlur::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeBlur::accept() {
    BlurRec r = gespeichert_;
    // Each slider goes into its own field, so soft mode keeps Filterstaerke.
    if (r.BlurModus == 2) {
        r.Weichabstand = reglerBlur_->wert();
        r.Filterstaerke2 = reglerGain_->wert();
    } else {
        r.Filterstaerke = reglerBlur_->wert();
    }
    if (schliessenNach(RecordAusfuehren(s_, "blur", r))) gespeichert_ = r;
}

}  // namespace gm
