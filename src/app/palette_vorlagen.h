#pragma once
// "&Palette" -> "Vorlagen": terrain palettes shipped in the data folder
// ("paletten/*.fpl"). Loading one replaces both palettes and the render
// settings like "Öffnen" but keeps the current palette file name, so
// "Speichern" never writes into the program's own files.

namespace gm {

class TLandGenerator;

struct PaletteVorlage {
    const char* titel;
    const char* datei;  // below the data folder
};
extern const PaletteVorlage PaletteVorlagen[4];

void PaletteVorlagenEinrichten(TLandGenerator& f);
void PaletteVorlageLaden(TLandGenerator& f, const PaletteVorlage& v);

}  // namespace gm
