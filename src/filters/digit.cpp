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
    Param<&DigitRec::AnzahlStufen>("AnzahlStufen", 2.0, 2.0, double(DigitMaxWerte), Skala::Linear,
                                   1.0, "Anzahl Stufen"),
};

namespace {
double anzahlWerte(const Dokument& dok) {
    return AnzahlWerte(dok);
}
}  // namespace

// The line's level count defaults to, and may not exceed, the field's number
// of distinct values at replay time.
const ScriptArgument DigitArgumente[1] = {
    ArgBis<&DigitRec::AnzahlStufen>(&anzahlWerte, 1.0, ArgForm::GanzAlsZahl),
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
    ScriptAnhaengen(dok, ScriptZeileAus("digit", DigitArgumente, rec));
    return true;
}

void DigitalisierenNachspielen(Dokument& dok, ScriptArgumente& args) {
    if (AnzahlWerte(dok) < DigitMinWerte) return;
    DigitalisierenAnwenden(dok, ausArgumenten<DigitRec>(args, DigitArgumente, dok).AnzahlStufen);
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
