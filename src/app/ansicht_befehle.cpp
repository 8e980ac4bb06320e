// "&Ansicht": the zoom steps, fitting a newly opened field into the view, the
// profile view and the 3D preview.

#include "app/ansicht3d_fenster.h"
#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/einmal_dialog.h"
#include "app/hauptfenster.h"
#include "app/profil_fenster.h"
#include "core/dokument.h"
#include "display/hauptbild.h"

namespace gm {

void Zoom1Click(TLandGenerator& f) {
    if (const auto z = ZoomGroesser(f.zustand().ZoomFaktor)) f.zoomSetzen(*z);
}

void Zoom2Click(TLandGenerator& f) {
    if (const auto z = ZoomKleiner(f.zustand().ZoomFaktor)) f.zoomSetzen(*z);
}

void N1001Click(TLandGenerator& f) {
    f.zoomSetzen(1.0);
}
void N501Click(TLandGenerator& f) {
    f.zoomSetzen(0.25);
}
void N331Click(TLandGenerator& f) {
    f.zoomSetzen(1.0 / 3);
}
void N502Click(TLandGenerator& f) {
    f.zoomSetzen(0.5);
}
void N2001Click(TLandGenerator& f) {
    f.zoomSetzen(2.0);
}
void N3001Click(TLandGenerator& f) {
    f.zoomSetzen(3.0);
}
void N4001Click(TLandGenerator& f) {
    f.zoomSetzen(4.0);
}

void Vorne1Click(TLandGenerator& f) {
    einmalDialog<TDarstellenProfil>(f).oeffnen(RichtungVorne);
}
void Hinten1Click(TLandGenerator& f) {
    einmalDialog<TDarstellenProfil>(f).oeffnen(RichtungHinten);
}
void Rechts1Click(TLandGenerator& f) {
    einmalDialog<TDarstellenProfil>(f).oeffnen(RichtungRechts);
}
void Links1Click(TLandGenerator& f) {
    einmalDialog<TDarstellenProfil>(f).oeffnen(RichtungLinks);
}

void N3DVorschau1Click(TLandGenerator& f) {
    einmalDialog<TDarstellen3DLandschaft>(f).oeffnen();
}

// Lowers the zoom step by step until the whole field fits the visible view,
// so a large field opens seen whole. Only a shown window has a view size.
void AnsichtEinpassen(TLandGenerator& f) {
    const QWidget* sicht = f.bild()->parentWidget();
    if (!f.isVisible() || !sicht) return;
    const Dokument& d = f.dok();
    double z = f.zustand().ZoomFaktor;
    while ((d.MaxX + 1) * z > sicht->width() || (d.MaxY + 1) * z > sicht->height()) {
        const auto kleiner = ZoomKleiner(z);
        if (!kleiner) break;
        z = *kleiner;
    }
    if (z != f.zustand().ZoomFaktor) f.zoomSetzen(z);
}

}  // namespace gm
