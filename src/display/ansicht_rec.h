#pragma once
// The view settings of the 3D preview and their description.

#include <span>

#include "core/parameter.h"

namespace gm {

// Kept for the whole session, between openings of the window.
struct AnsichtRec {
    double WinkelX = 0.0;  // degrees, -180..180
    double WinkelY = 0.0;
    double WinkelZ = 0.0;
    double Zoom = 1.0;           // 0.1..10
    double HoehenFaktor = 80.0;  // 1..200
    bool Schattierung = false;   // shade each triangle by a fixed light
    int Detail = 101;            // vertices per side
};

// The fields of AnsichtRec with the window's slider ranges and steps.
std::span<const Parameter> AnsichtParameter();

// The vertex counts per side the window offers; 101 is the default.
constexpr int DetailStufen[] = {101, 257, 513};

}  // namespace gm
