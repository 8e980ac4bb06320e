#include "app/zahl_einlesen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/zahlen.h"

namespace gm {

namespace {

// The value of a number text, 0 for anything else. A number too large for a
// double, or "inf", reads as the infinity of its sign, so that bounding gives
// the nearer bound as it does for any other large number; one too small reads
// as 0.
double zahlWert(std::string_view s) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    if (s.empty()) return 0.0;
    double v = 0.0;
    const auto [ende, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ende != s.data() + s.size()) return 0.0;
    if (ec == std::errc::result_out_of_range) {
        const auto e = s.find_first_of("eE");
        if (e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-') return 0.0;
        const double unendlich = std::numeric_limits<double>::infinity();
        return s[0] == '-' ? -unendlich : unendlich;
    }
    if (ec != std::errc() || std::isnan(v)) return 0.0;
    return v;
}

}  // namespace

ZahlEingabe ZahlEinlesen(std::string_view text, bool ganz, double maximum, double minimum) {
    std::string s(trimBlanks(text));
    if (const auto komma = s.find(','); komma != std::string::npos) s[komma] = '.';
    double v = zahlWert(s);
    if (ganz) v = std::trunc(v);
    if (v < minimum) return {false, minimum};
    if (v > maximum) return {false, maximum};
    return {true, v};
}

}  // namespace gm
