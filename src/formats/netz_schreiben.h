#pragma once
// The four mesh text formats, lines ended by CR LF, numbers with a point and
// a fixed number of decimals whatever the locale.

#include <functional>
#include <string>
#include <string_view>

#include "core/status.h"
#include "formats/netz_typen.h"

namespace gm {

enum class NetzFormat { DXF = 1, Mesh = 2, Mesh2 = 3, OBJ = 4 };

// Formats the mesh and hands the text over in large pieces.
void NetzFormatieren(NetzFormat format, const Netz& netz,
                     const std::function<void(std::string_view)>& ausgabe);
// The whole text at once.
std::string NetzText(NetzFormat format, const Netz& netz);
// Writes the text atomically to `pfad`.
Status NetzSchreiben(NetzFormat format, const Netz& netz, const std::string& pfad);

}  // namespace gm
