#include "filters/digit.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter DigitParameter[1] = {
    {"AnzahlStufen", ParamTyp::Real, offsetof(DigitRec, AnzahlStufen), 2.0, 2.0,
     double(DigitMaxWerte), Skala::Linear, 1.0, "Anzahl Stufen"},
};

int AnzahlWerte(const Dokument& dok) {
    // Kept sorted for a binary search; the count is the same as appending each
    // new value to a list compared by equality (0.0 and -0.0 are one value).
    std::array<double, DigitMaxWerte> werte{};
    int n = 0;
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* s = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const double v = s[y];
            if (v != v) {  // NaN equals nothing, so it is always new
                if (++n == DigitMaxWerte) return n;
                continue;
            }
            double* ende = werte.data() + n;
            double* ort = std::lower_bound(werte.data(), ende, v);
            if (ort != ende && *ort == v) continue;
            std::copy_backward(ort, ende, ende + 1);
            *ort = v;
            if (++n == DigitMaxWerte) return n;
        }
    }
    return n;
}

void DigitalisierenAnwenden(Dokument& dok, double anzahlStufen) {
    if (!(anzahlStufen > 1.0)) return;
    const double q = 1.0 / (anzahlStufen - 1.0);
    freieZellenAbbilden(dok, [q](double v) { return clamp01(q * roundHalfEven(v / q)); });
}

bool Digitalisieren(Dokument& dok, const DigitRec& rec) {
    if (AnzahlWerte(dok) < DigitMinWerte) return false;
    UndoSichern(dok);
    DigitalisierenAnwenden(dok, rec.AnzahlStufen);
    ScriptAnhaengen(dok,
                    ScriptZeile("digit", {std::string_view(formatFixed(rec.AnzahlStufen, 0))}));
    return true;
}

void DigitalisierenNachspielen(Dokument& dok, ScriptArgumente& args) {
    const int anzahl = AnzahlWerte(dok);
    if (anzahl < DigitMinWerte) return;
    const double stufen = ArgumentZahl(args, 1, anzahl, anzahl, 1.0);
    DigitalisierenAnwenden(dok, stufen);
}

Status DigitalisierenAusfuehren(Dokument& dok, const Werte& werte) {
    if (!Digitalisieren(dok, recordAus<DigitRec>(DigitParameter, werte))) {
        return Status::fehler("quantising needs at least " + std::to_string(DigitMinWerte) +
                              " distinct heights; the field has " +
                              std::to_string(AnzahlWerte(dok)));
    }
    return {};
}

}  // namespace gm
