// BMP and JPEG through the picture import's dispatch.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/bild_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    static gm::Dokument dok;  // the grids are large; one set serves every input
    gm::RGBBild bild;
    if (gm::bildDekodieren(std::string_view(reinterpret_cast<const char*>(daten), n), bild)) {
        (void)gm::BildImportieren(dok, bild);
    }
    return 0;
}
