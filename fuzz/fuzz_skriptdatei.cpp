#include <cstddef>
#include <cstdint>
#include <string_view>

#include "script/skriptdatei.h"
#include "script/zeile.h"

// A script file's text and each of its lines through the parser.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const auto zeilen =
        gm::ScriptTextLesen(std::string_view(reinterpret_cast<const char*>(daten), n));
    if (!zeilen) return 0;
    gm::ScriptArgumente args;
    for (const auto& z : *zeilen)
        (void)gm::ZeileZerlegen(z, args);
    return 0;
}
