#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/woerterbuch.h"

namespace {

// Counts the characters of `s`, or -1 when it is not valid UTF-8.
int Zeichen(std::string_view s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t laenge = b < 0x80       ? 1
                                   : b >> 5 == 6  ? 2
                                   : b >> 4 == 14 ? 3
                                   : b >> 3 == 30 ? 4
                                                  : 0;
        if (laenge == 0 || i + laenge > s.size()) return -1;
        for (std::size_t k = 1; k < laenge; ++k)
            if (static_cast<unsigned char>(s[i + k]) >> 6 != 2) return -1;
        i += laenge;
    }
    return n;
}

}  // namespace

// Whatever the file holds, every stored word is valid UTF-8 without NUL bytes
// and at most the word length.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    gm::Woerterbuch woerter;
    const int gezaehlt =
        gm::WoerterLesen(std::string_view(reinterpret_cast<const char*>(daten), n), woerter);
    if (gezaehlt < 0) __builtin_trap();
    for (const std::string& wort : woerter.eintraege) {
        const int zeichen = Zeichen(wort);
        if (zeichen < 0 || zeichen > gm::WortLaengeMax || wort.find('\0') != std::string::npos)
            __builtin_trap();
    }
    return 0;
}
