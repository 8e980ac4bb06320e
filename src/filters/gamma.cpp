#include "filters/gamma.h"

#include <cmath>
#include <cstddef>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter GammaParameter[5] = {
    Param<&GammaRec::Gamma>("Gamma", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gammafunktion"),
    Param<&GammaRec::Bias>("Bias", 0.5, 0.01, 0.99, Skala::Linear, 0.01, "Gammafunktion 2"),
    Param<&GammaRec::Gain>("Gain", 0.5, 0.01, 0.99, Skala::Linear, 0.01, "Gammafunktion²"),
    Param<&GammaRec::GainMitte>("GainMitte", 0.5, 0.01, 0.99, Skala::Linear, 0.01, ""),
    Param<&GammaRec::GammaModus>("GammaModus", 1, 1, 3, Skala::Linear, 1, ""),
};

const ScriptArgument GammaArgumente[5] = {
    Arg<&GammaRec::Gamma>(1.0, 100.0, 0.01), Arg<&GammaRec::Bias>(0.5, 0.99, 0.01),
    Arg<&GammaRec::Gain>(0.5, 0.99, 0.01),   Arg<&GammaRec::GainMitte>(0.5, 0.99, 0.01),
    Arg<&GammaRec::GammaModus>(1, 3, 1),
};

double BiasKurve(double t, double b) {
    return std::pow(t, std::log(b) / std::log(0.5));
}

double GammaKurve(const GammaRec& rec, double x) {
    switch (rec.GammaModus) {
        case 1:
            return std::pow(x, rec.Gamma);
        case 2:
            return BiasKurve(x, rec.Bias);
        case 3: {
            const double p = rec.GainMitte;
            if (x < p) return p * BiasKurve(x / p, 1.0 - rec.Gain);
            return 1.0 - (1.0 - p) * BiasKurve((1.0 - x) / (1.0 - p), 1.0 - rec.Gain);
        }
        default:
            return x;
    }
}

void GammaKorrekturAnwenden(Dokument& dok, const GammaRec& rec) {
    freieZellenAbbilden(dok, [&](double v) { return v == 0.0 ? v : GammaKurve(rec, clamp01(v)); });
}

void GammaKorrektur(Dokument& dok, const GammaRec& rec) {
    UndoSichern(dok);
    GammaKorrekturAnwenden(dok, rec);
    ScriptAnhaengen(dok, ScriptZeileAus("gamma", GammaArgumente, rec));
}

void GammaKorrekturNachspielen(Dokument& dok, ScriptArgumente& args) {
    GammaKorrekturAnwenden(dok, ausArgumenten<GammaRec>(args, GammaArgumente, dok));
}

Status GammaAusfuehren(Dokument& dok, const Werte& werte) {
    GammaKorrektur(dok, recordAus<GammaRec>(GammaParameter, werte));
    return {};
}

}  // namespace gm
