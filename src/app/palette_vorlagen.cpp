#include "app/palette_vorlagen.h"

#include <QAction>
#include <QMenu>

#include "app/hauptfenster.h"
#include "display/palettendatei.h"
#include "script/sitzung.h"

namespace gm {

const PaletteVorlage PaletteVorlagen[4] = {
    {"Erde", "paletten/erde.fpl"},
    {"Wüste", "paletten/wueste.fpl"},
    {"Arktis", "paletten/arktis.fpl"},
    {"Grau", "paletten/grau.fpl"},
};

void PaletteVorlageLaden(TLandGenerator& f, const PaletteVorlage& v) {
    const std::string pfad = f.zustand().Datenordner + v.datei;
    if (Status s = PalettenLaden(pfad, f.sitzung().farben); !s) {
        f.dienste().fehler(s.meldung());
        return;
    }
    f.farbenNeuZeichnen();
}

void PaletteVorlagenEinrichten(TLandGenerator& f) {
    QAction* oeffnen = f.aktion("Laden1Click");
    QMenu* palette = qobject_cast<QMenu*>(oeffnen->parent());
    auto* menue = new QMenu(QStringLiteral("Vorlagen"), palette);
    menue->setObjectName("PaletteVorlagen");
    palette->insertMenu(oeffnen, menue);
    for (const PaletteVorlage& v : PaletteVorlagen) {
        QAction* a = menue->addAction(QString::fromUtf8(v.titel));
        QObject::connect(a, &QAction::triggered, &f, [&f, &v] { PaletteVorlageLaden(f, v); });
    }
}

}  // namespace gm
