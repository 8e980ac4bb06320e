#include "script/befehlstabelle.h"

#include <array>

#include "editing/strich_zeile.h"

namespace gm {

namespace {

// One row per command word, in dispatch order.
constexpr std::array<Befehl, BefehlAnzahl> tabelle{{
    {"sharpen", Form::Bar},
    {"soften", Form::Bar},
    {"erosion", Form::Bar},
    {"dilation", Form::Bar},
    {"noise", Form::Argumente},
    {"gamma", Form::Argumente},
    {"crater", Form::Argumente},
    {"lumcontr", Form::Argumente},
    {"scale", Form::Argumente},
    {"invert", Form::Bar},
    {"modify", Form::Bar},
    {"digit", Form::Argumente},
    {"terrace", Form::Argumente},
    {"raining", Form::Argumente},
    {"trace", Form::Argumente},
    {"blur", Form::Argumente},
    {"pass", Form::Argumente},
    {"twirl", Form::Argumente},
    {"wave", Form::Argumente},
    {"tile_normal", Form::Bar},
    {"tile_mirror", Form::Bar},
    {"clear", Form::Bar},
    {"paintmode", Form::Argumente},
    {"build_noise", Form::Argumente},
    {"build_rotate", Form::Argumente},
    {"save_terragen", Form::Argumente},
}};

const Erweiterungswort erweiterungen[] = {
    {StrichWort, &StrichNachspielen},
};

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

std::span<const Erweiterungswort> Erweiterungswoerter() {
    return erweiterungen;
}

const Erweiterungswort* ErweiterungSuchen(std::string_view wort) {
    if (BefehlSuchen(wort) != nullptr) return nullptr;
    for (const Erweiterungswort& e : erweiterungen) {
        if (e.wort == wort) return &e;
    }
    return nullptr;
}

}  // namespace gm
