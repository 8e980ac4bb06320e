#pragma once
// The mesh as the writers see it: points and triangles numbered from 1.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace gm {

// Position and corner normal of a mesh point.
struct Netzpunkt {
    double x, y, z;
    double nx, ny, nz;
};

// Three point numbers, counted from 1.
struct Dreieck {
    std::int32_t p1, p2, p3;
};

struct Netz {
    std::vector<Netzpunkt> punkte;
    std::vector<Dreieck> dreiecke;
};

// A sample position on the mesh lattice: first and second index.
struct GitterPunkt {
    std::int32_t x, y;
};

// Receives the system's messages (size limit, coincident points).
using NetzMeldung = std::function<void(std::string_view)>;

}  // namespace gm
