#include "script/befehlstabelle.h"

#include <array>

#include "core/ablage.h"
#include "core/kombination.h"
#include "filters/digit.h"
#include "filters/gamma.h"
#include "filters/hell_kontr.h"
#include "filters/invertieren.h"
#include "filters/regen_erosion.h"
#include "generators/noise.h"

namespace gm {

namespace {

void paintmodeNachspielen(Dokument& dok, ScriptArgumente& a) {
    dok.Verknuepfungsmodus = ArgumentGanzzahl(a, 1, 2, 13, 1);
}

void clearNachspielen(Dokument& dok, ScriptArgumente&) {
    HoehenfeldNullen(dok);
}
void modifyNachspielen(Dokument& dok, ScriptArgumente&) {
    ModifizierenAnwenden(dok);
}

// One row per command word, in dispatch order.
constexpr std::array<Befehl, BefehlAnzahl> tabelle{{
    {"sharpen", Form::Bar, nullptr},
    {"soften", Form::Bar, nullptr},
    {"erosion", Form::Bar, nullptr},
    {"dilation", Form::Bar, nullptr},
    {"noise", Form::Argumente, nullptr},
    {"gamma", Form::Argumente, &aufDokument<GammaKorrekturNachspielen>},
    {"crater", Form::Argumente, nullptr},
    {"lumcontr", Form::Argumente, &aufDokument<HelligkeitKontrastNachspielen>},
    {"scale", Form::Argumente, &aufDokument<SkalierenNachspielen>},
    {"invert", Form::Bar, &aufDokument<InvertierenNachspielen>},
    {"modify", Form::Bar, &aufDokument<modifyNachspielen>},
    {"digit", Form::Argumente, &aufDokument<DigitalisierenNachspielen>},
    {"terrace", Form::Argumente, nullptr},
    {"raining", Form::Argumente, &aufDokument<RegenErosionNachspielen>},
    {"trace", Form::Argumente, nullptr},
    {"blur", Form::Argumente, nullptr},
    {"pass", Form::Argumente, nullptr},
    {"twirl", Form::Argumente, nullptr},
    {"wave", Form::Argumente, nullptr},
    {"tile_normal", Form::Bar, nullptr},
    {"tile_mirror", Form::Bar, nullptr},
    {"clear", Form::Bar, &aufDokument<clearNachspielen>},
    {"paintmode", Form::Argumente, &aufDokument<paintmodeNachspielen>},
    {"build_noise", Form::Argumente, &aufDokument<build_noiseNachspielen>},
    {"build_rotate", Form::Argumente, nullptr},
    {"save_terragen", Form::Argumente,
     [](Sitzung& s, ScriptArgumente& a) { save_terragenNachspielen(s.dok, s.terragen, a); }},
}};

}  // namespace

std::span<const Befehl> Befehlstabelle() {
    return tabelle;
}

const Befehl* BefehlSuchen(std::string_view wort) {
    for (const Befehl& b : tabelle) {
        if (b.wort == wort) return &b;
    }
    return nullptr;
}

}  // namespace gm
