#include "formats/datei_lesen.h"

#include <sys/stat.h>

#include "core/atomare_datei.h"

namespace gm {

Status eingabeLesen(const std::string& pfad, std::string& daten, std::size_t maxBytes) {
    struct stat info {};
    if (::stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        std::size_t(info.st_size) > maxBytes) {
        return Status::fehler(pfad + ": the file has " + std::to_string(info.st_size) +
                              " bytes, more than any field of 2049 x 2049 points needs");
    }
    std::string neu;
    if (Status s = dateiLesen(pfad, neu); !s) return s;
    if (neu.size() > maxBytes) return Status::fehler(pfad + ": the file is too large");
    daten = std::move(neu);
    return {};
}

}  // namespace gm
