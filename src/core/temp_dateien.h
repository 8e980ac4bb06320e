#pragma once
// Temporary files of writes in progress. While one is registered, SIGINT,
// SIGTERM, SIGHUP and SIGPIPE first remove every registered file and then end the
// process as the signal would have; a handler the program installed itself is
// left alone. The handlers are set up with the first registration.

#include <string>

namespace gm {

// Registers `pfad`; returns the slot to release, or -1 when all slots are taken
// (the file is then simply not removed on a signal).
int TempDateiMerken(const std::string& pfad);
// Releases a slot after its file was renamed or removed; -1 is ignored.
void TempDateiVergessen(int slot);

}  // namespace gm
