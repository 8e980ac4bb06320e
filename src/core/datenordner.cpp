#include "core/datenordner.h"

#include <filesystem>

#ifndef GM_DATEN_INSTALLIERT
#define GM_DATEN_INSTALLIERT "/usr/local/share/gravimonte/daten"
#endif

namespace gm {

namespace fs = std::filesystem;

std::string ProgrammordnerFinden() {
    std::error_code ec;
    const fs::path programm = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : programm.parent_path().string();
}

std::string DatenordnerFinden(const std::string& programmordner) {
    std::error_code ec;
    const fs::path neben = fs::path(programmordner) / "daten";
    if (!programmordner.empty() && fs::is_directory(neben, ec)) return neben.string() + "/";
    return std::string(GM_DATEN_INSTALLIERT) + "/";
}

}  // namespace gm
