// "&Ansicht": the zoom steps.

#include "app/befehle.h"
#include "app/hauptfenster.h"
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

}  // namespace gm
