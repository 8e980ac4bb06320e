#include "core/maske.h"

#include "core/puffer.h"

namespace gm {

void MaskeAlles(Dokument& dok) {
    dok.Maske.fuellen(1);
}

void MaskeInvertieren(Dokument& dok) {
    for (int x = 0; x <= dok.MaxX; ++x) {
        std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            m[y] ^= 1;
    }
}

namespace {
// Sets the selected cells by mask mode: modes 1 and 2 add them, mode 3 removes them.
template <class Gewaehlt>
void auswaehlen(Dokument& dok, Gewaehlt&& gewaehlt) {
    if (dok.Maskenmodus == 1) MaskeLoeschen(dok);
    const std::uint8_t neu = dok.Maskenmodus == 3 ? 0 : 1;
    for (int x = 0; x <= dok.MaxX; ++x) {
        std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (gewaehlt(x, y)) m[y] = neu;
        }
    }
}
}  // namespace

void MaskeNachHoehe(Dokument& dok, double unten, double oben) {
    auswaehlen(dok, [&](int x, int y) {
        const double h = dok.Hoehenfeld(x, y);
        return unten <= h && h <= oben;
    });
}

void MaskeAusZweitbild(Dokument& dok) {
    auswaehlen(dok, [&](int x, int y) { return dok.Zweitbild(x, y) != KeinWert; });
}

void MaskeUeberHoehe(Dokument& dok) {
    MaskeNachHoehe(dok, dok.MarkeOben.Wert, 1.0);
}
void MaskeHoehe(Dokument& dok) {
    MaskeNachHoehe(dok, dok.MarkeUnten.Wert, dok.MarkeOben.Wert);
}
void MaskeUnterHoehe(Dokument& dok) {
    MaskeNachHoehe(dok, 0.0, dok.MarkeUnten.Wert);
}
void MaskeNull(Dokument& dok) {
    MaskeNachHoehe(dok, 0.0, 0.0);
}

}  // namespace gm
