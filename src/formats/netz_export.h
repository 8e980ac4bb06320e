#pragma once
// Builds the mesh of the height field, regular or as a triangulated irregular
// network, and writes it. Reads the document; changes only its random seed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/dokument.h"
#include "core/status.h"
#include "formats/netz_auswahl.h"
#include "formats/netz_einstellungen.h"
#include "formats/netz_schreiben.h"
#include "formats/netz_typen.h"

namespace gm {

// Largest number of cells of a regular mesh.
constexpr long NetzMaxZellen = 550000;

struct NetzOptionen {
    // Seed of the selection; the clock seeds it when absent.
    std::optional<std::uint32_t> seed;
    NetzMarkierung markierung;                // each kept sample (the window marks it red)
    NetzMeldung meldung;                      // coincident points
    std::function<void(double)> fortschritt;  // 0..1 while building
};

// Options that only fix the seed (the command line's repeatable export).
inline NetzOptionen NetzOptionenMitSeed(std::uint32_t seed) {
    NetzOptionen o;
    o.seed = seed;
    return o;
}

// "Zuviel Punkte (n - max. 550000)" when the regular mesh has too many cells.
std::optional<std::string> RegulaerGrenzeMeldung(const NetzRec& rec);

// The regular mesh: two triangles per cell with three points of their own each.
// The caller checks the size limit first.
Netz RegulaeresNetz(const Stichproben& s, const NetzRec& rec);

// The mesh the export writes (Algorithms 1 to 6), or the size-limit message.
Status NetzBilden(Dokument& dok, const NetzRec& rec, const NetzOptionen& optionen, Netz& netz);

// Builds the mesh and writes it in `format` to `pfad`.
Status ExportiereNetz(Dokument& dok, const NetzRec& rec, NetzFormat format, const std::string& pfad,
                      const NetzOptionen& optionen = {});

}  // namespace gm
