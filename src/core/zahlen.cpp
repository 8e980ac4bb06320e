#include "core/zahlen.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace gm {

std::string formatFixed(double v, int decimals) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    std::string s(buf, end);
    if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) {
        s.erase(0, 1);  // no "-0.000"
    }
    return s;
}

std::string formatScriptNumber(double v) {
    return formatFixed(v, 3);
}

std::string_view trimBlanks(std::string_view text) {
    const char* blanks = " \t\r\n";
    auto a = text.find_first_not_of(blanks);
    if (a == std::string_view::npos) return {};
    auto b = text.find_last_not_of(blanks);
    return text.substr(a, b - a + 1);
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double v = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace gm
