#include "app/berg_dialog.h"

#include "core/zahlen.h"
#include "editing/werkzeug_parameter.h"

namespace gm {

TErstelleBerg::TErstelleBerg(QWidget* parent)
    : ParameterDialog(QStringLiteral("ErstelleBerg"), BergParameter(), {}, VorschauGrauMalen,
                      parent) {
    setObjectName("TErstelleBerg");
    resize(341, 323);
}

bool TErstelleBerg::bearbeiten(BergRec& berg) {
    Werte werte = werteAus(BergParameter(), berg);
    if (!ParameterDialog::bearbeiten(werte)) return false;
    werte[0] = roundHalfEven(werte[0]);
    berg = recordAus<BergRec>(BergParameter(), werte);
    return true;
}

}  // namespace gm
