#pragma once
// Window-level state of the main window: zoom and the current file name and
// folder of every file kind. Qt-free.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gm {

// A file dialog's preset: the current name ("*.fla" until one is chosen) and
// the folder of the last file of that kind.
struct DateiWahl {
    std::string name;
    std::string ordner;
    bool gewaehlt() const { return !name.empty() && name[0] != '*'; }
};

struct Fensterzustand {
    std::string Programmordner;
    std::string Datenordner;
    // Where file dialogs start before a folder of their kind was used.
    std::string Heimordner;
    double ZoomFaktor = 1.0;
    DateiWahl nativ{"*.fla", {}};
    DateiWahl script{"*.txt", {}};
    DateiWahl palette{"*.fpl", {}};
    // Exchange formats; an empty folder means Programmordner.
    DateiWahl bild{"*.bmp", {}};  // BMP exports and the picture import
    DateiWahl targa{"*.tga", {}};
    DateiWahl png{"*.png", {}};
    DateiWahl raw{"*.r16", {}};
    DateiWahl terragen{"*.ter", {}};
    DateiWahl stm{"*.stm", {}};
    DateiWahl dxf{"*.dxf", {}};
    DateiWahl povray{"*.inc", {}};
    DateiWahl wavefront{"*.obj", {}};
    // The field's fingerprint when it was last saved, opened or made new;
    // nothing after an import, whose field no native file holds yet.
    std::optional<std::uint64_t> gespeichert;
    // Native files opened or saved, the latest first.
    std::vector<std::string> zuletzt;
    std::string zuletztDatei;  // where that list is kept between runs; empty: not kept
    DateiWahl coffee{"*.cof", {}};
};

// Takes over a chosen file: its full name and its folder.
void dateiUebernehmen(DateiWahl& wahl, const std::string& pfad);

}  // namespace gm
