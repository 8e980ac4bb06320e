#pragma once
// Terragen terrain files (.ter): the settings record, the writer in its full
// and short ("WM") variant, the reader, and the script line "save_terragen".

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

// The elevations of 2049 x 2049 points and room for the chunks around them.
constexpr std::size_t TerragenMaxBytes = 2 * std::size_t(2049) * 2049 + (std::size_t(64) << 10);

struct TerragenRec {
    int Groesse = 0;
    int PunkteX = 0;
    int PunkteY = 0;
    double SkalierungX = 30.0;
    double SkalierungY = 30.0;
    double SkalierungZ = 30.0;
    double Radius = 6400.0;
    bool Kugel = false;
    int HoehenSkala = 68;
    int BasisHoehe = 0;
    double HoeheMin = 0.0;
    double HoeheMax = 1000.0;
};

// The settings a user chooses (the others are computed by the writer).
extern const Parameter TerragenParameter[7];

// BasisHoehe and HoehenSkala of the ALTW chunk for the record's height range,
// in steps of SkalierungX metres, limited to the int16 range of the file. The
// scale is widened where the rule's value would clip an end of the range.
struct TerragenHoehen {
    int BasisHoehe;
    int HoehenSkala;
};
TerragenHoehen terragenHoehen(const TerragenRec& rec);

// The vertical and second horizontal scale follow the first, as readers take
// the heights by SCAL's z while the elevations are counted in SkalierungX.
void terragenSkalaAngleichen(TerragenRec& rec);

// The file bytes; fills Groesse, PunkteX, PunkteY, BasisHoehe, HoehenSkala.
std::string terragenKodieren(const Dokument& dok, TerragenRec& rec, bool kurz);

// Writes the file and, while recording, appends the "save_terragen" line. While
// recording, a name the script line cannot carry is refused before writing.
Status SchreibeTerragen(Dokument& dok, TerragenRec& rec, const std::string& pfad, bool kurz);

// Reads a file: on success the grid holds the normalised elevations, the undo
// copy is taken, the clipboard released and the record carries the file's
// settings. On failure nothing changes, the record included.
Status terragenDekodieren(Dokument& dok, TerragenRec& rec, std::string_view daten);
Status LiesTerragen(Dokument& dok, TerragenRec& rec, const std::string& pfad);

// Why a file name cannot stand as the last argument of a script line; empty when it can.
std::string scriptNameProblem(std::string_view name);
std::string terragenScriptZeile(const TerragenRec& rec, bool kurz, std::string_view pfad);

// What a "save_terragen" line carries: the settings, the variant and the file.
struct TerragenZeile {
    TerragenRec rec;
    bool kurz = false;
    std::string pfad;
};
extern const ScriptArgument TerragenArgumente[9];

// Where a replayed line writes the file it names; the name itself when empty.
using SchreibZiel = std::function<std::string(const std::string& pfad)>;

// Replays "save_terragen" from the argument slots, with recording off
// meanwhile; the record takes the line's settings. Reports the write's outcome.
Status terragenNachspielen(Dokument& dok, TerragenRec& rec, ScriptArgumente& args,
                           const SchreibZiel& ziel = {});

}  // namespace gm
