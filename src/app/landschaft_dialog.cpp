#include "app/landschaft_dialog.h"

#include <vector>

#include "app/parameter_auswahl.h"
#include "app/regler_widget.h"
#include "core/zufall.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// Both "Level" sliders; the mode shows one of them.
const std::vector<Parameter>& rahmen() {
    static const std::vector<Parameter> t = [] {
        std::vector<Parameter> v(QuadtreeParameter().begin(), QuadtreeParameter().begin() + 1);
        const auto s = SchollenParameter();
        v.insert(v.end(), s.begin(), s.end());
        return v;
    }();
    return t;
}

}  // namespace

TErstelleLandschaft::TErstelleLandschaft(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Erstelle Landschaft"), rahmen(), {}, VorschauGrauMalen,
                      parent),
      s_(s),
      gespeichert_(LandschaftStandard()) {}

void TErstelleLandschaft::oeffnen() {
    const bool schollen = modus_ == LandschaftSchollen;
    setWindowTitle(schollen ? QStringLiteral("Erstelle Landschaft / Schollen")
                            : QStringLiteral("Erstelle Landschaft / Erster Versuch"));
    regler("Anzahl")->setVisible(schollen);
    regler("Ebenen")->setVisible(!schollen);
    rahmen_ = werteAus(std::span<const Parameter>(rahmen()), gespeichert_);
    beginnen(rahmen_);
}

bool TErstelleLandschaft::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

LandschaftParamRec TErstelleLandschaft::arbeit() const {
    return MitRahmen(gespeichert_, rahmen(), arbeitsSatz());
}

void TErstelleLandschaft::accept() {
    pruefen();
    const LandschaftParamRec r = arbeit();
    if (modus_ == LandschaftSchollen) Randomize(s_.dok);
    LandschaftBerechnen(s_.dok, r, modus_);
    gespeichert_ = r;
    ParameterDialog::accept();
}

}  // namespace gm
