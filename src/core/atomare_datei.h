#pragma once
// Writes a file so that the previous file survives any failure: the data goes
// to a temporary file in the same folder, every write and the final flush are
// checked, and only then is it renamed over the target.

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
    void fehlschlag(const char* wobei);

    std::string ziel_;
    std::string temp_;
    std::FILE* datei_ = nullptr;
    std::string fehler_;
    bool fertig_ = false;
};

// Writes `inhalt` atomically to `pfad`.
Status dateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt);

// Reads a whole file; fails with a message when it cannot be opened or read.
Status dateiLesen(const std::string& pfad, std::string& inhalt);

}  // namespace gm
