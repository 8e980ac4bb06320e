#include <cstddef>
#include <cstdint>
#include <string_view>

#include "script/zeile.h"

// The line parser and every argument slot read both ways; the operations
// themselves are not run (the script tests replay random lines through them).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    gm::ScriptArgumente args;
    const auto wort =
        gm::ZeileZerlegen(std::string_view(reinterpret_cast<const char*>(daten), n), args);
    if (!wort) return 0;
    for (int slot = 1; slot <= gm::ScriptMaxArgumente; ++slot) {
        (void)gm::ArgumentZahl(args, slot, 0.5, 1e9, -1e9);
        (void)gm::ArgumentGanzzahl(args, slot, 1, 1 << 30, -(1 << 30));
    }
    return 0;
}
