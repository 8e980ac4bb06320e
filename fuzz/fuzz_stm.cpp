#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/stm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    static gm::Dokument dok;  // the grids are large; one set serves every input
    (void)gm::stmDekodieren(dok, std::string_view(reinterpret_cast<const char*>(daten), n));
    return 0;
}
