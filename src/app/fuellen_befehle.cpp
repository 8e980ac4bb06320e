// "&Fuellen": the direct fills "Konstant" and "Rauschen".

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "script/sitzung.h"

namespace gm {

namespace {
// Fills every free active cell of Zweitbild with wert(), leaves the rest
// without a value, and combines. The combination takes the undo copy.
template <class Wert>
void fuellen(TLandGenerator& f, Wert wert) {
    Dokument& d = f.dok();
    ZweitbildLeeren(d);
    for (int x = 0; x <= d.MaxX; ++x) {
        double* z = d.Zweitbild.spalte(x);
        const std::uint8_t* m = d.Maske.spalte(x);
        for (int y = 0; y <= d.MaxY; ++y) {
            if (m[y] == 0) z[y] = wert();
        }
    }
    ZweitbildVerknuepfen(d);
    f.neuZeichnen();
}
}  // namespace

void Konstant1Click(TLandGenerator& f) {
    fuellen(f, [] { return 1.0; });
}

void Rauschen1Click(TLandGenerator& f) {
    Dokument& d = f.dok();
    fuellen(f, [&d] { return Random(d); });
}

}  // namespace gm
