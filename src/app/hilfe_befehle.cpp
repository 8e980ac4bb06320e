// "&Hilfe": the about box.

#include <QMessageBox>

#include "app/befehle.h"
#include "app/hauptfenster.h"

namespace gm {

void HelpAbout1Execute(TLandGenerator& f) {
    QMessageBox::about(&f, QStringLiteral("Gravimonte"),
                       QStringLiteral("Gravimonte\nEditor für Höhenfelder\nVersion 0.1"));
}

}  // namespace gm
