#include "app/lauf_fehler.h"

#include <QDialog>
#include <QVariant>

namespace gm {

namespace {
constexpr const char* kFehler = "laufFehler";
}

void abgelehntSchliessen(QDialog& dialog, const std::string& meldung) {
    dialog.setProperty(kFehler, QString::fromStdString(meldung));
    dialog.QDialog::reject();
}

std::string LaufFehlerNehmen(QDialog& dialog) {
    const std::string m = dialog.property(kFehler).toString().toStdString();
    dialog.setProperty(kFehler, QVariant());
    return m;
}

}  // namespace gm
