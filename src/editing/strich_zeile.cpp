#include "editing/strich_zeile.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

#include "core/script_liste.h"

namespace gm {

namespace {

// The shortest text that reads back as exactly the same double.
std::string genau(double v) {
    char puffer[32];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, v);
    return ec == std::errc() ? std::string(puffer, ende) : std::string("0");
}

ScriptArg genauArg(double v) {
    return ScriptArg(std::string_view(genau(v)));
}

// Box coordinates a line may carry.
constexpr double MaxKoordinate = 1.0e4;

struct Zeilenwerte {
    int werkzeug = 0, rechts = 0, modus = 2;
    FormRec box;
    FormRegler form;
    int gleichmodus = 3, maskenmodus = 1;
    BergRec berg;
    double seed = 0.0;
};

// The shape sliders in slot order; each takes two slots, value and spread.
template <class F>
auto regler(F& f) {
    return std::array{&f.Ecken, &f.Zufall, &f.Drehung, &f.Verdrehung, &f.Verschiebung};
}

struct Bereich {
    double minimum, maximum;
};
constexpr Bereich kReglerBereiche[5] = {
    {MinEcken, MaxEcken}, {0.0, 1.0}, {0.0, 360.0}, {0.0, 360.0}, {0.0, 0.99}};

}  // namespace

std::string StrichZeile(const Dokument& dok, const Strich& s) {
    const int modus = s.Rechts ? dok.VerknuepfungsmodusRechts : dok.Verknuepfungsmodus;
    std::vector<ScriptArg> a = {s.Werkzeug,         int(s.Rechts),      modus,
                                genauArg(s.Box.x1), genauArg(s.Box.y1), genauArg(s.Box.x2),
                                genauArg(s.Box.y2)};
    for (const ReglerWert* r : regler(s.Form)) {
        a.push_back(genauArg(r->Wert));
        a.push_back(genauArg(r->Streuung));
    }
    a.emplace_back(dok.Gleichmodus);
    a.emplace_back(dok.Maskenmodus);
    a.emplace_back(s.Berg.Level);
    a.push_back(genauArg(s.Berg.ZufallX));
    a.push_back(genauArg(s.Berg.ZufallY));
    a.push_back(genauArg(s.Berg.ZufallZ));
    a.push_back(ScriptArg(std::string_view(std::to_string(dok.RandSeed))));
    return ScriptZeile(StrichWort, a);
}

Rechteck WerkzeugAnwenden(Dokument& dok, const Strich& s) {
    if (WerkzeugMitNummer(s.Werkzeug) == nullptr) return {};
    ScriptAnhaengen(dok, StrichZeile(dok, s));
    return FormAnwenden(dok, s);
}

Status StrichNachspielen(Dokument& dok, ScriptArgumente& args) {
    Zeilenwerte w;
    int slot = 1;
    w.werkzeug = ArgumentGanzzahl(args, slot++, 0, 99, 0);
    if (WerkzeugMitNummer(w.werkzeug) == nullptr) {
        return Status::fehler("unknown tool " + std::to_string(w.werkzeug));
    }
    w.rechts = ArgumentGanzzahl(args, slot++, 0, 1, 0);
    w.modus = ArgumentGanzzahl(args, slot++, w.rechts ? 6 : 2, 13, 1);
    for (double* k : {&w.box.x1, &w.box.y1, &w.box.x2, &w.box.y2}) {
        *k = ArgumentZahl(args, slot++, 0.0, MaxKoordinate, -MaxKoordinate);
    }
    const FormRegler vorgabe;
    auto ziele = regler(w.form);
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        const Bereich b = kReglerBereiche[i];
        const ReglerWert v = *regler(vorgabe)[i];
        ziele[i]->Wert = ArgumentZahl(args, slot++, v.Wert, b.maximum, b.minimum);
        ziele[i]->Streuung = ArgumentZahl(args, slot++, 0.0, b.maximum - b.minimum, 0.0);
    }
    w.gleichmodus = ArgumentGanzzahl(args, slot++, 3, 3, 1);
    w.maskenmodus = ArgumentGanzzahl(args, slot++, 1, 3, 1);
    w.berg.Level = ArgumentGanzzahl(args, slot++, 5, 7, 2);
    w.berg.ZufallX = ArgumentZahl(args, slot++, 0.15, 0.9, 0.0);
    w.berg.ZufallY = ArgumentZahl(args, slot++, 0.15, 0.9, 0.0);
    w.berg.ZufallZ = ArgumentZahl(args, slot++, 0.5, 0.9, 0.0);
    w.seed = ArgumentZahl(args, slot++, double(dok.RandSeed), 4294967295.0, 0.0);

    (w.rechts ? dok.VerknuepfungsmodusRechts : dok.Verknuepfungsmodus) = w.modus;
    dok.Gleichmodus = w.gleichmodus;
    dok.Maskenmodus = w.maskenmodus;
    if (w.seed == double(std::uint32_t(w.seed))) dok.RandSeed = std::uint32_t(w.seed);
    FormAnwenden(dok, {w.werkzeug, w.rechts != 0, w.box, w.form, w.berg});
    return {};
}

}  // namespace gm
