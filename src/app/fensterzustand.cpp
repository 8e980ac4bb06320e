#include "app/fensterzustand.h"

#include <filesystem>

namespace gm {

void dateiUebernehmen(DateiWahl& wahl, const std::string& pfad) {
    wahl.name = pfad;
    wahl.ordner = std::filesystem::path(pfad).parent_path().string();
}

}  // namespace gm
