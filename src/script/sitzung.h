#pragma once
// The whole editing state of one run: the document and every settings record
// of the layers above it. The window and the command line each own one.

#include "core/dokument.h"

namespace gm {

struct Sitzung {
    Dokument dok;
    // Settings records of the display, formats and other layers are added here
    // as members, one per record.
};

}  // namespace gm
