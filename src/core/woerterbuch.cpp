#include "core/woerterbuch.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/atomare_datei.h"

namespace gm {

namespace {

// A word file is a few dozen kilobytes; far larger files are not word files.
constexpr std::size_t kDateiMax = 4u << 20;

// Length of the valid UTF-8 sequence starting at s[i], 0 when it is invalid.
std::size_t sequenzLaenge(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    if (c >= 0xE0 && c <= 0xEF) n = 3;
    if (c >= 0xF0 && c <= 0xF4) n = 4;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
    }
    // Overlong forms, surrogates and code points above U+10FFFF.
    if (c == 0xE0 && b(i + 1) < 0xA0) return 0;
    if (c == 0xED && b(i + 1) >= 0xA0) return 0;
    if (c == 0xF0 && b(i + 1) < 0x90) return 0;
    if (c == 0xF4 && b(i + 1) >= 0x90) return 0;
    return n;
}

// The line as characters: valid UTF-8 kept, invalid bytes as U+FFFD, NUL dropped.
struct Zeichen {
    std::string text;
    std::size_t anzahl = 0;
};

Zeichen saeubern(std::string_view zeile) {
    Zeichen z;
    for (std::size_t i = 0; i < zeile.size();) {
        if (zeile[i] == '\0') {
            ++i;
            continue;
        }
        const std::size_t n = sequenzLaenge(zeile, i);
        z.text += n ? zeile.substr(i, n) : std::string_view("\xEF\xBF\xBD");
        i += n ? n : 1;
        ++z.anzahl;
    }
    return z;
}

// The first `n` characters of valid UTF-8 text.
std::string zeichenKuerzen(const std::string& text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < text.size(); ++k)
        i += sequenzLaenge(text, i);
    return text.substr(0, i);
}

std::string_view blankFrei(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

// A whole number from 1 to `grenze`, read without overflow; 0 otherwise.
int nummerLesen(std::string_view t, int grenze) {
    t = blankFrei(t);
    if (t.empty()) return 0;
    long long n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
        if (n > grenze) return 0;
    }
    return int(n);
}

}  // namespace

int WoerterLesen(std::string_view inhalt, Woerterbuch& aus) {
    if (inhalt.substr(0, 3) == "\xEF\xBB\xBF") inhalt.remove_prefix(3);
    int gelesen = 0;
    while (!inhalt.empty()) {
        const std::size_t ende = inhalt.find('\n');
        std::string_view roh = inhalt.substr(0, ende);
        inhalt.remove_prefix(ende == std::string_view::npos ? inhalt.size() : ende + 1);
        if (!roh.empty() && roh.back() == '\r') roh.remove_suffix(1);
        const Zeichen zeile = saeubern(roh);
        const std::size_t strich = zeile.text.find(';');
        if (zeile.anzahl < 5 || strich == std::string::npos || strich == 0) continue;
        const int n = nummerLesen(std::string_view(zeile.text).substr(0, strich), WoerterMax);
        if (n == 0) continue;
        const std::string text(blankFrei(std::string_view(zeile.text).substr(strich + 1)));
        aus.eintraege[std::size_t(n)] = zeichenKuerzen(text, WortLaengeMax);
        if (!text.empty()) ++gelesen;
    }
    return gelesen;
}

bool SpracheLaden(const std::string& pfad, Woerterbuch& aus) {
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    std::string inhalt;
    if (ec || groesse > kDateiMax || !dateiLesen(pfad, inhalt)) return false;
    auto neu = std::make_unique<Woerterbuch>();
    if (WoerterLesen(inhalt, *neu) == 0) return false;
    aus = std::move(*neu);
    return true;
}

int SprachIndexLesen(const std::string& pfad) {
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    std::string inhalt;
    if (ec || groesse > 4096 || !dateiLesen(pfad, inhalt)) return 0;
    if (inhalt.substr(0, 3) == "\xEF\xBB\xBF") inhalt.erase(0, 3);
    std::string_view zeile(inhalt);
    zeile = zeile.substr(0, zeile.find_first_of("\r\n"));
    return nummerLesen(zeile, 7);
}

Status SprachIndexSpeichern(const std::string& pfad, int n) {
    return dateiAtomarSchreiben(pfad, std::to_string(n) + "\r\n");
}

bool OrdnerBeschreibbar(const std::string& ordner) {
    return ::access(ordner.c_str(), W_OK | X_OK) == 0;
}

}  // namespace gm
