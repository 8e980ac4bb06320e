#pragma once
// STM height files: "STM", width and height as four ASCII digits each, six
// unread bytes, then width x height unsigned 16-bit little-endian samples,
// first index outer. The last column and row read are not part of the field.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/status.h"

namespace gm {

constexpr int StmKopfBytes = 17;
// Widths and heights the header may give: the field keeps one point less.
constexpr int StmMinKante = 11;
constexpr int StmMaxKante = 2050;
// The largest valid file: the header and 2050 x 2050 samples. Longer files are
// refused, as a reader that never stops could be fed from a device.
constexpr std::size_t StmMaxBytes =
    StmKopfBytes + 2 * std::size_t(StmMaxKante) * std::size_t(StmMaxKante);

// Checks the whole file, then sets the size without clearing the other grids,
// fills and normalises the field, takes the undo copy and releases the clipboard.
Status stmDekodieren(Dokument& dok, std::string_view daten);
Status LiesStm(Dokument& dok, const std::string& pfad);

}  // namespace gm
