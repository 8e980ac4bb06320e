#include "core/script_argumente.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/script_liste.h"
#include "core/zahlen.h"

namespace gm {

namespace {
std::string nimmBisTab(std::string& text) {
    auto tab = text.find('\t');
    std::string teil;
    if (tab == std::string::npos) {
        teil = std::move(text);
        text.clear();
    } else {
        teil = text.substr(0, tab);
        text.erase(0, tab + 1);
    }
    return teil;
}

// The slot's number; empty text reads as 0, text that is no number as nothing.
std::optional<double> lesen(ScriptArgumente& args, int slot) {
    if (slot < 1 || slot > ScriptMaxArgumente) return 0.0;
    std::string teil = nimmBisTab(args.slot[slot]);
    if (trimBlanks(teil).empty()) return 0.0;
    return parseNumber(teil);
}
}  // namespace

double ArgumentZahl(ScriptArgumente& args, int slot, double vorgabe, double maximum,
                    double minimum) {
    const auto v = lesen(args, slot);
    if (!v || *v < minimum || *v > maximum) return vorgabe;
    return *v;
}

int ArgumentGanzzahl(ScriptArgumente& args, int slot, int vorgabe, int maximum, int minimum) {
    const auto v = lesen(args, slot);
    // A value that is not a whole number counts as outside the range.
    if (!v || *v < minimum || *v > maximum || *v != std::trunc(*v)) return vorgabe;
    return int(*v);
}

std::string ArgumentText(ScriptArgumente& args, int slot) {
    if (slot < 1 || slot > ScriptMaxArgumente) return {};
    return nimmBisTab(args.slot[slot]);
}

}  // namespace gm

namespace gm {

std::string ScriptZeileAus(std::string_view wort, std::span<const ScriptArgument> tabelle,
                           const void* record) {
    if (tabelle.empty()) return std::string(wort);
    std::vector<ScriptArg> argumente;
    for (const ScriptArgument& a : tabelle) {
        switch (a.form) {
            case ArgForm::Dezimal:
                argumente.emplace_back(a.lesen(record));
                break;
            case ArgForm::Ganz:
                argumente.emplace_back(int(a.lesen(record)));
                break;
            case ArgForm::GanzAlsZahl:
                argumente.emplace_back(std::string_view(formatFixed(a.lesen(record), 0)));
                break;
            case ArgForm::Text:
                argumente.emplace_back(std::string_view(a.text(record)));
                break;
        }
    }
    return ScriptZeile(wort, argumente);
}

void ArgumenteLesen(ScriptArgumente& args, std::span<const ScriptArgument> tabelle, void* record,
                    const Dokument& dok) {
    int slot = 0;
    for (const ScriptArgument& a : tabelle) {
        ++slot;
        if (a.form == ArgForm::Text) {
            a.textSetzen(record, std::string(trimBlanks(ArgumentText(args, slot))));
            continue;
        }
        const double vorgabe = a.vorgabeAus ? a.vorgabeAus(dok) : a.vorgabe;
        const double maximum = a.grenze ? a.grenze(dok) : a.maximum;
        const double wert =
            a.form == ArgForm::Ganz
                ? ArgumentGanzzahl(args, slot, int(vorgabe), int(maximum), int(a.minimum))
                : ArgumentZahl(args, slot, vorgabe, maximum, a.minimum);
        a.setzen(record, wert);
    }
}

}  // namespace gm
