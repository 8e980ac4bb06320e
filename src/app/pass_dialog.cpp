#include "app/pass_dialog.h"

#include <span>

#include "app/regler_widget.h"
#include "script/operationen.h"

namespace gm {

namespace {
// The two sliders; PassTyp comes from the menu item.
std::span<const Parameter> regelbar() {
    return std::span<const Parameter>(PassParameter).first(2);
}
}  // namespace

TEingabePassFilter::TEingabePassFilter(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Eingabe Pass-Filter"), regelbar(), {}, VorschauGrauMalen,
                      parent),
      s_(s) {
    regler("PassParameter1")->setObjectName("ImageReglerPF1");
    regler("PassParameter2")->setObjectName("ImageReglerPF2");
}

void TEingabePassFilter::oeffnen() {
    werte_ = werteAus(regelbar(), gespeichert_);
    beginnen(werte_);
}

bool TEingabePassFilter::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabePassFilter::accept() {
    pruefen();
    const PassRec r = recordAus<PassRec>(regelbar(), arbeitsSatz(), gespeichert_);
    if (schliessenNach(RecordAusfuehren(s_, "pass", r))) gespeichert_ = r;
}

}  // namespace gm
