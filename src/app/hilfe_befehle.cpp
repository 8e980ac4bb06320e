// "&Hilfe": the about box.

#include <QMessageBox>

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/sprache.h"

namespace gm {

void HelpAbout1Execute(TLandGenerator& f) {
    // The toolkit's message boxes are not captioned by the window, so the box
    // takes its words here.
    auto wort = [&f](const char* deutsch) {
        const QString t = QString::fromUtf8(deutsch);
        return f.sprache() ? f.sprache()->uebersetzer().text(t, Wortart::Feld) : t;
    };
    QMessageBox::about(&f, wort("Über Gravimonte"),
                       "Gravimonte\n" + wort("Editor für Höhenfelder") + "\n" +
                           wort("Version %1").arg(QStringLiteral("0.1")));
}

}  // namespace gm
