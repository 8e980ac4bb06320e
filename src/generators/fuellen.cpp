#include "generators/fuellen.h"

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace gm {

namespace {
// The combination takes the undo copy.
template <class Wert>
void fuellen(Dokument& d, Wert wert) {
    ZweitbildLeeren(d);
    for (int x = 0; x <= d.MaxX; ++x) {
        double* z = d.Zweitbild.spalte(x);
        const std::uint8_t* m = d.Maske.spalte(x);
        for (int y = 0; y <= d.MaxY; ++y) {
            if (m[y] == 0) z[y] = wert();
        }
    }
    ZweitbildVerknuepfen(d);
}
}  // namespace

void KonstantFuellen(Dokument& dok) {
    fuellen(dok, [] { return 1.0; });
}

void RauschenFuellen(Dokument& dok) {
    fuellen(dok, [&dok] { return Random(dok); });
}

}  // namespace gm
