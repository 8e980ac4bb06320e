#pragma once

#include <string>

namespace gm::cli {

// The --help text, with the generators, filters, formats and settings read
// from the catalogue.
std::string HilfeText();

}  // namespace gm::cli
