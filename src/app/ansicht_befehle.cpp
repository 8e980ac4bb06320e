// "&Ansicht": the zoom steps, and fitting a newly opened field into the view.

#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/hauptfenster.h"
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
