#include "core/script_argumente.h"

#include <cmath>
#include <optional>

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
