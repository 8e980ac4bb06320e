// "&Bild": the automatic stretches, which map the field onto a fixed range
// and record a "scale" line.

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "filters/invertieren.h"
#include "script/sitzung.h"

namespace gm {

void N00101Click(TLandGenerator& f) {
    StreckenNullEins(f.dok());
    f.neuZeichnen();
}

void minmax1Click(TLandGenerator& f) {
    StreckenMarken(f.dok());
    f.neuZeichnen();
}

}  // namespace gm
