#include "filters/gamma.h"

#include <cmath>
#include <cstddef>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter GammaParameter[5] = {
    {"Gamma", ParamTyp::Real, offsetof(GammaRec, Gamma), 1.0, 0.01, 100.0, Skala::Logarithmisch,
     0.01, "Gammafunktion"},
    {"Bias", ParamTyp::Real, offsetof(GammaRec, Bias), 0.5, 0.01, 0.99, Skala::Linear, 0.01,
     "Gammafunktion 2"},
    {"Gain", ParamTyp::Real, offsetof(GammaRec, Gain), 0.5, 0.01, 0.99, Skala::Linear, 0.01,
     "Gammafunktion²"},
    {"GainMitte", ParamTyp::Real, offsetof(GammaRec, GainMitte), 0.5, 0.01, 0.99, Skala::Linear,
     0.01, ""},
    {"GammaModus", ParamTyp::Ganz, offsetof(GammaRec, GammaModus), 1, 1, 3, Skala::Linear, 1, ""},
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
    ScriptAnhaengen(
        dok, ScriptZeile("gamma", {rec.Gamma, rec.Bias, rec.Gain, rec.GainMitte, rec.GammaModus}));
}

void GammaKorrekturNachspielen(Dokument& dok, ScriptArgumente& args) {
    GammaRec rec;
    rec.Gamma = ArgumentZahl(args, 1, 1.0, 100.0, 0.01);
    rec.Bias = ArgumentZahl(args, 2, 0.5, 0.99, 0.01);
    rec.Gain = ArgumentZahl(args, 3, 0.5, 0.99, 0.01);
    rec.GainMitte = ArgumentZahl(args, 4, 0.5, 0.99, 0.01);
    rec.GammaModus = ArgumentGanzzahl(args, 5, 1, 3, 1);
    GammaKorrekturAnwenden(dok, rec);
}

Status GammaAusfuehren(Dokument& dok, const Werte& werte) {
    GammaKorrektur(dok, recordAus<GammaRec>(GammaParameter, werte));
    return {};
}

}  // namespace gm
