#pragma once
// The 3D preview as a picture file, drawn as the window shows it on opening.

#include <string>

#include "core/dokument.h"
#include "core/status.h"
#include "display/ansicht_rec.h"
#include "display/farbstand.h"

namespace gm {

// A 480 x 480 BMP of the field seen with the view settings `a`. In the render
// colouring the triangles draw fresh random numbers, as the window does.
Status ansicht3DBmpSchreiben(Dokument& dok, const ColourState& farben, const AnsichtRec& a,
                             const std::string& pfad);

}  // namespace gm
