#pragma once
// Work not saved yet. The window remembers the field's fingerprint when it
// was last saved, opened or made new; the field counts as changed while its
// fingerprint differs, so undoing back to the saved state counts as unchanged.
// Anything that ends or replaces the field asks first.

#include <cstdint>

namespace gm {

struct Dokument;
class TLandGenerator;

// A 64-bit fingerprint of the extents and every sample of the field.
std::uint64_t FeldFingerabdruck(const Dokument& d);

// The field as it is now counts as saved.
void alsGespeichertMerken(TLandGenerator& f);
// The field came from a file that is not a native file: nothing holds it yet.
void alsUngespeichertMerken(TLandGenerator& f);
bool feldGeaendert(TLandGenerator& f);

// Before the field is ended or replaced: when it changed since it was saved,
// asks "Speichern / Verwerfen / Abbrechen". True when the caller may go on
// (saved, discarded or nothing to save); false when the user cancelled or the
// save did not happen.
bool aenderungenSichern(TLandGenerator& f);

// Asks the question when the window is about to close and remembers the
// start field as saved.
void aenderungenEinrichten(TLandGenerator& f);

}  // namespace gm
