#pragma once
// Writes a file so that the previous file survives any failure: the data goes
// to a temporary file beside the target, every write and the final flush are
// checked, and only then is it renamed over the target.
//
// What counts as the target: a symbolic link is followed, so the link stays and
// the file it names is replaced, with the temporary file beside that file. An
// existing file keeps its permission bits and, where allowed, its owner. A
// character device or a named pipe (the null device, a terminal, a pipe to
// another program) has no file to replace: it is written directly. Folders,
// block devices and sockets are refused, as is a file without write permission.
// An interrupting signal removes the temporary file (see temp_dateien.h).

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/status.h"

namespace gm {

class AtomareDatei {
  public:
    explicit AtomareDatei(std::string ziel);
    ~AtomareDatei();  // removes the temporary file unless committed
    AtomareDatei(const AtomareDatei&) = delete;
    AtomareDatei& operator=(const AtomareDatei&) = delete;

    void schreiben(const void* daten, std::size_t laenge);
    void schreiben(std::string_view text) { schreiben(text.data(), text.size()); }
    // Flushes, closes and renames over the target; reports the first failure.
    Status abschliessen();

  private:
    void fehlschlag(int fehlerNr);
    void tempAnlegen(const std::string& pfad);
    void direktOeffnen(const std::string& pfad);

    std::string ziel_;  // as the caller named it, for messages
    std::string pfad_;  // the file written: links followed
    std::string temp_;
    int tempPlatz_ = -1;
    std::FILE* datei_ = nullptr;
    std::string fehler_;
    bool direkt_ = false;
    bool fertig_ = false;
};

// Writes `inhalt` atomically to `pfad`.
Status dateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt);

// Where a write to `ziel` goes by the rules above.
struct Schreibziel {
    std::string pfad;     // symbolic links followed; may not exist yet
    bool direkt = false;  // a character device or named pipe, written in place
};
// Fails, naming `ziel` and the reason, for a target that may not be written.
Status SchreibzielAufloesen(const std::string& ziel, Schreibziel& aus);

// Renames the finished file `temp` over the resolved target `pfad`, giving it
// the permission bits and owner of the file it replaces; `ziel` names the
// target in a message. For callers that hold a written file back.
Status TempUebernehmen(const std::string& temp, const std::string& pfad, const std::string& ziel);

// A write failure in the user's terms: missing folder, read-only, disk full.
std::string schreibGrund(int fehlerNr);

// Larger than any file the program reads by default.
constexpr std::size_t DateiLesenMaxBytes = std::size_t(64) << 20;

// Reads a whole regular file of at most `maxBytes`. A named pipe, a device or a
// folder is refused without waiting on it, as is a longer file; the message
// names the file and the reason.
Status dateiLesen(const std::string& pfad, std::string& inhalt,
                  std::size_t maxBytes = DateiLesenMaxBytes);

}  // namespace gm
