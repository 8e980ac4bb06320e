#pragma once
// Script files: the header line "Gravimonte-Script", then one script line per
// text line. Written with CR LF; read with CR LF, LF or CR, with or without a
// final line end.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dokument.h"
#include "core/status.h"

namespace gm {

inline constexpr std::string_view ScriptKopf = "Gravimonte-Script";
// Larger files are refused before they are read into memory.
constexpr std::size_t ScriptDateiMaxBytes = 16u << 20;

// The lines after the header, at most 200, or nothing when the first line,
// stripped of blanks, is not exactly the header.
std::optional<std::vector<std::string>> ScriptTextLesen(std::string_view inhalt);

// The file text of lines 1..ScriptAnzahl.
std::string ScriptText(const Dokument& dok);

// "Öffnen": reads the file and replaces the list and count; recording is not
// changed. A file that cannot be read or lacks the header leaves the list as
// it is and returns the reason.
Status ScriptDateiLaden(Dokument& dok, const std::string& pfad);

// Writes the header and lines 1..ScriptAnzahl atomically; the list is unchanged.
Status ScriptDateiSpeichern(const Dokument& dok, const std::string& pfad);

}  // namespace gm
