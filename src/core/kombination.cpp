#include "core/kombination.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/maske.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/wellenprofil.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

WellenForm modifikatorForm(const ModRec& mod) {
    return {mod.Modus,        mod.Welle,        mod.Negativ, mod.Anstieg,    mod.Digits,
            mod.Linearitaet2, mod.Linearitaet1, mod.Gamma,   mod.Iterationen};
}

double modifikatorPosition(const ModRec& mod, double z) {
    return (mod.Negativ ? 1.0 - z : z) * mod.Iterationen;
}

}  // namespace

double ModifikatorWert(const ModRec& mod, double z) {
    const double r = WellenProfilImRing(modifikatorForm(mod), {mod.Verschiebung, mod.Verschiebung},
                                        modifikatorPosition(mod, z));
    return mod.Invertieren ? 1.0 - r : r;
}

void ModifikatorReihe(const ModRec& mod, const double* z, double* werte, int n, Befehlssatz satz) {
    for (int i = 0; i < n; ++i)
        werte[i] = modifikatorPosition(mod, z[i]);
    WellenProfilReihe(modifikatorForm(mod), {mod.Verschiebung, mod.Verschiebung}, werte, werte, n,
                      satz);
    if (mod.Invertieren) {
        for (int i = 0; i < n; ++i)
            werte[i] = 1.0 - werte[i];
    }
}

double Verknuepfen(int modus, double h, double v) {
    switch (modus) {
        case 1:
            return v;
        case 2:
            return h < v ? v : h;
        case 3:
            return h + v;
        case 4:
            return h - v;
        case 5:
            return 1.0 - v;
        case 6:
            return (1.0 - v < h) ? 1.0 - v : h;
        case 7:
            return std::abs(h - v);
        case 8:
            return h * v;
        case 9:
            return v != 0.0 ? h / v : h;
        case 10:
            return h > v ? v : h;
        case 11:
            return h == 0.0 ? v : h;
        case 12:
            return h > 0.0 ? v : h;
        case 13:
            return (h > 0.0 && h < v) ? v : h;
        default:
            return h;
    }
}

namespace {

struct Abbildung {
    double oben, unten;  // marker levels o and n
    Spanne spanne;
};

// Draws the two marker levels (upper first) and measures Zweitbild within `r`.
Abbildung abbildungVorbereiten(Dokument& dok, const Rechteck& r) {
    Abbildung a{};
    a.oben = clamp01(dok.MarkeOben.Wert + (Random(dok) - 0.5) * 2.0 * dok.MarkeOben.Streuung);
    a.unten = clamp01(dok.MarkeUnten.Wert + (Random(dok) - 0.5) * 2.0 * dok.MarkeUnten.Streuung);
    a.spanne = ZweitbildSpanne(dok, r);
    return a;
}

Rechteck ganzesFeld(const Dokument& dok) {
    return {0, 0, dok.MaxX, dok.MaxY};
}

// Stretch, modifier and level mapping of one valued cell.
inline double abbilden(const Dokument& dok, const Abbildung& a, double z) {
    double v = clamp01((z - a.spanne.minimum) * a.spanne.skala);
    if (dok.ModEinstellungen.Aktiv) v = ModifikatorWert(dok.ModEinstellungen, v);
    return a.unten + (a.oben - a.unten) * v;
}

template <int Modus>
void verknuepfenSpalte(const Dokument& dok, const Abbildung& a, double* z, const std::uint8_t* m,
                       double* h, int n) {
    if (!dok.ModEinstellungen.Aktiv) {
        for (int y = 0; y < n; ++y) {
            if (z[y] == KeinWert || m[y] != 0) continue;
            const double v = abbilden(dok, a, z[y]);
            z[y] = v;
            h[y] = clamp01(Verknuepfen(Modus, h[y], v));
        }
        return;
    }
    // The modifier over whole blocks of the column on vector lanes, the cells
    // without a value or under the mask included; only valued free cells are taken.
    constexpr int Block = 256;
    double v[Block];
    for (int y0 = 0; y0 < n; y0 += Block) {
        const int anzahl = std::min(Block, n - y0);
        for (int i = 0; i < anzahl; ++i)
            v[i] = clamp01((z[y0 + i] - a.spanne.minimum) * a.spanne.skala);
        ModifikatorReihe(dok.ModEinstellungen, v, v, anzahl);
        for (int i = 0, y = y0; i < anzahl; ++i, ++y) {
            if (z[y] == KeinWert || m[y] != 0) continue;
            z[y] = a.unten + (a.oben - a.unten) * v[i];
            h[y] = clamp01(Verknuepfen(Modus, h[y], z[y]));
        }
    }
}

using SpaltenFn = void (*)(const Dokument&, const Abbildung&, double*, const std::uint8_t*, double*,
                           int);

// One column kernel per mode, so the mode switch is resolved once per call.
constexpr SpaltenFn spaltenKerne[14] = {
    verknuepfenSpalte<0>,  verknuepfenSpalte<1>,  verknuepfenSpalte<2>,  verknuepfenSpalte<3>,
    verknuepfenSpalte<4>,  verknuepfenSpalte<5>,  verknuepfenSpalte<6>,  verknuepfenSpalte<7>,
    verknuepfenSpalte<8>,  verknuepfenSpalte<9>,  verknuepfenSpalte<10>, verknuepfenSpalte<11>,
    verknuepfenSpalte<12>, verknuepfenSpalte<13>,
};

void einrechnen(Dokument& dok, int modus, const Rechteck& r) {
    const Abbildung a = abbildungVorbereiten(dok, r);
    const SpaltenFn kern = spaltenKerne[(modus >= 1 && modus <= 13) ? modus : 0];
    for (int x = r.x0; x <= r.x1; ++x) {
        kern(dok, a, dok.Zweitbild.spalte(x) + r.y0, dok.Maske.spalte(x) + r.y0,
             dok.Hoehenfeld.spalte(x) + r.y0, r.y1 - r.y0 + 1);
    }
}

}  // namespace

void ZweitbildVerknuepfen(Dokument& dok) {
    ZweitbildVerknuepfen(dok, dok.Verknuepfungsmodus);
}

void ZweitbildVerknuepfen(Dokument& dok, int modus) {
    UndoSichern(dok);
    ZweitbildEinrechnen(dok, modus);
}

void ZweitbildVerknuepfen(Dokument& dok, int modus, const Rechteck& bereich) {
    UndoSichern(dok);
    einrechnen(dok, modus, bereich);
}

void ZweitbildEinrechnen(Dokument& dok, int modus) {
    einrechnen(dok, modus, ganzesFeld(dok));
}

StrichRegel strichRegelFuer(int werkzeug) {
    switch (werkzeug) {
        case 1:
        case 2:  // mountains
        case 31:
        case 32:
        case 33:  // circle, cone, sphere
        case 41:
        case 42:
        case 44:  // polygons
            return StrichRegel::Verknuepfen;
        case 5:
        case 6:
            return StrichRegel::Maske;
        case 7:
        case 8:
            return StrichRegel::Nivellieren;
        default:
            return StrichRegel::Nichts;  // none, pipette, soft and hard brushes
    }
}

void Angleichen(Dokument& dok) {
    UndoSichern(dok);
    double minimum = 1.0, maximum = 0.0, summe = 0.0;
    std::size_t anzahl = 0;
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* z = dok.Zweitbild.spalte(x);
        const double* h = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (z[y] == KeinWert) continue;
            minimum = std::min(minimum, h[y]);
            maximum = std::max(maximum, h[y]);
            summe += h[y];
            ++anzahl;
        }
    }
    if (anzahl == 0) return;
    const double mittel = summe / double(anzahl);
    const double ziel = clamp01(dok.Gleichmodus == 1   ? minimum
                                : dok.Gleichmodus == 2 ? maximum
                                                       : mittel);
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* z = dok.Zweitbild.spalte(x);
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (z[y] != KeinWert && m[y] == 0) h[y] = ziel;
        }
    }
}

void StrichAnwenden(Dokument& dok) {
    ZweitbildLeeren(dok);
    if (dok.Strichbild) {
        for (int x = 0; x <= dok.MaxX; ++x) {
            std::copy_n(dok.Strichbild->spalte(x), dok.MaxY + 1, dok.Zweitbild.spalte(x));
        }
    }
    switch (strichRegelFuer(dok.Werkzeug)) {
        case StrichRegel::Verknuepfen:
            ZweitbildVerknuepfen(dok);
            break;
        case StrichRegel::Maske:
            MaskeAusZweitbild(dok);
            break;
        case StrichRegel::Nivellieren:
            Angleichen(dok);
            break;
        case StrichRegel::Nichts:
            break;
    }
}

void StrichSammeln(Dokument& dok) {
    const Abbildung a = abbildungVorbereiten(dok, ganzesFeld(dok));
    TFeld& strich = *dok.Strichbild;
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        double* s = strich.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (z[y] == KeinWert) continue;
            const double v = abbilden(dok, a, z[y]);
            z[y] = v;
            if (s[y] < v) s[y] = v;
        }
    }
}

void ModifizierenAnwenden(Dokument& dok) {
    std::vector<double> v(std::size_t(dok.MaxY + 1));
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        ModifikatorReihe(dok.ModEinstellungen, h, v.data(), dok.MaxY + 1);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 0) h[y] = v[std::size_t(y)];
        }
    }
}

void Modifizieren(Dokument& dok) {
    UndoSichern(dok);
    ModifizierenAnwenden(dok);
    ScriptAnhaengen(dok, "modify");
}

}  // namespace gm
