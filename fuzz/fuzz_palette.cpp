#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/palettendatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    gm::ColourState farben;
    (void)gm::PalettenTextLesen(std::string_view(reinterpret_cast<const char*>(daten), n), farben);
    return 0;
}
