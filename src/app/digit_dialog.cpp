#include "app/digit_dialog.h"

#include <string>

#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

TDigitalisiereBild::TDigitalisiereBild(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Digitalisieren"), DigitParameter, {}, VorschauGrauMalen,
                      parent),
      s_(s),
      gespeichert_(vorgaben(DigitParameter)) {}

bool TDigitalisiereBild::oeffnen() {
    anzahl_ = AnzahlWerte(s_.dok);
    if (anzahl_ < DigitMinWerte) {
        setResult(QDialog::Rejected);
        return false;
    }
    // The slider starts at the count, not at the last value used.
    gespeichert_[0] = anzahl_;
    beginnen(gespeichert_);
    const Parameter& p = DigitParameter[0];
    ReglerVorgabe v;
    v.titel = std::string(p.titel);
    v.minimum = p.minimum;
    v.maximum = anzahl_;
    v.schritt = 1.0;
    v.wert = anzahl_;
    regler("AnzahlStufen")->anlegen(v);
    pruefen();
    return true;
}

bool TDigitalisiereBild::ausfuehren() {
    return oeffnen() && exec() == QDialog::Accepted;
}

void TDigitalisiereBild::accept() {
    pruefen();
    DigitRec r;
    r.AnzahlStufen = roundHalfEven(arbeitsSatz()[0]);
    Digitalisieren(s_.dok, r);
    ParameterDialog::accept();
}

}  // namespace gm
