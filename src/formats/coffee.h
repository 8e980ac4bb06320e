#pragma once
// "Verlauf COFFEE": a COFFEE script for a 3D application, made from a template
// in which four-letter placeholders are replaced by the two palettes and the
// render settings.

#include <string>
#include <string_view>

#include "core/parameter.h"
#include "core/status.h"
#include "display/farbstand.h"

namespace gm {

struct CoffeeRec {
    int PluginID = 18812;                // 10000..30000
    std::string Name = "Landschaft 01";  // UTF-8
    std::string Vorlage;                 // template file; empty: none chosen
};

// PluginID; Name is text and set on its own.
extern const Parameter CoffeeParameter[1];

// The file name of the shipped template in the data folder.
constexpr std::string_view CoffeeVorlageName = "VolumeMask.cof";

// The template with every placeholder replaced. Placeholders are found by
// scanning byte by byte, so one split over a line break stays as it is; the
// last bytes of a template too short to hold one are copied unchanged.
std::string CoffeeFuellen(std::string_view vorlage, const ColourState& farben,
                          const CoffeeRec& rec);

// SchreibeCoffee: reads the template rec.Vorlage and writes the filled copy
// atomically to `pfad`. A template that cannot be read is refused and nothing
// is written.
Status SchreibeCoffee(const ColourState& farben, const CoffeeRec& rec, const std::string& pfad);

// The file name the save dialog proposes for `name`: the name plus ".cof",
// with path separators replaced so the proposal stays in the chosen folder.
std::string CoffeeDateiname(std::string_view name);

}  // namespace gm
