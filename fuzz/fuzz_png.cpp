#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/png16.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    gm::Grau16Bild bild;
    (void)gm::png16Dekodieren(std::string_view(reinterpret_cast<const char*>(daten), n), bild);
    return 0;
}
