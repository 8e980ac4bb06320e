#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/coffee.h"

// A template of any content fills without reading past its end; the first
// bytes also serve as the script name, whose proposed file name must stay in
// the chosen folder.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const std::string_view vorlage(reinterpret_cast<const char*>(daten), n);
    gm::ColourState farben;
    gm::CoffeeRec rec;
    rec.Name = std::string(vorlage.substr(0, 64));
    (void)gm::CoffeeFuellen(vorlage, farben, rec);
    const std::string datei = gm::CoffeeDateiname(rec.Name);
    if (datei.find_first_of("/\\") != std::string::npos) __builtin_trap();
    return 0;
}
