// "B&earbeiten": undo, bitmap copy, the clipboard grid, redraw and clear.

#include <QClipboard>
#include <QGuiApplication>

#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/hauptfenster.h"
#include "core/ablage.h"
#include "script/sitzung.h"

namespace gm {

void Undo1Click(TLandGenerator& f) {
    const Dokument& d = f.dok();
    const int altX = d.MaxX, altY = d.MaxY;
    Undo(f.dok());
    if (d.MaxX == altX && d.MaxY == altY) {
        f.neuZeichnen();
        return;
    }
    // The undo copy was taken at another size: fit the view and the
    // clipboard's menu items to it.
    f.neueGroesse(false);
    f.ablageMenueAktualisieren();
}

void Bitmapkopieren1Click(TLandGenerator& f) {
    QGuiApplication::clipboard()->setImage(f.bild()->bild().convertToFormat(QImage::Format_RGB888));
}

void CutItemClick(TLandGenerator& f) {
    Ausschneiden(f.dok());
    f.neuZeichnen();
    f.ablageMenueAktualisieren();
}

void CopyItemClick(TLandGenerator& f) {
    Kopieren(f.dok());
    f.ablageMenueAktualisieren();
}

void PasteItemClick(TLandGenerator& f) {
    if (!f.dok().AblageBelegt()) return;
    Einfuegen(f.dok());
    f.neuZeichnen();
}

void Tauschen1Click(TLandGenerator& f) {
    if (!f.dok().AblageBelegt()) return;
    Tauschen(f.dok());
    f.neuZeichnen();
}

void Freigeben1Click(TLandGenerator& f) {
    Freigeben(f.dok());
    f.ablageMenueAktualisieren();
}

void Neumalen1Click(TLandGenerator& f) {
    f.neuZeichnen();
}

}  // namespace gm
