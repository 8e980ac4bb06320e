#pragma once
// "Zuletzt geöffnet": the native files opened or saved lately, newest first,
// kept between runs in a small text file of the user's settings folder.

#include <string>
#include <vector>

namespace gm {

class TLandGenerator;

constexpr int ZuletztMax = 8;

// Puts `pfad` first, drops an older entry of it and anything past ZuletztMax.
void zuletztEinreihen(std::vector<std::string>& liste, const std::string& pfad);

// Reads the kept list, adds the submenu to "&Datei" and points the native
// file dialog at the newest file's folder.
void zuletztEinrichten(TLandGenerator& f);
// A native file was opened or saved: first in the list, which is kept.
void zuletztMerken(TLandGenerator& f, const std::string& pfad);

}  // namespace gm
