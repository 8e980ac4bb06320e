#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/terragen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    static gm::Dokument dok;  // the grids are large; one set serves every input
    gm::TerragenRec rec;
    (void)gm::terragenDekodieren(dok, rec,
                                 std::string_view(reinterpret_cast<const char*>(daten), n));
    return 0;
}
