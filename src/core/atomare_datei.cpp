#include "core/atomare_datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace gm {

namespace {
std::string grund() {
    return std::strerror(errno);
}
}  // namespace

AtomareDatei::AtomareDatei(std::string ziel) : ziel_(std::move(ziel)) {
    temp_ = ziel_ + ".tmpXXXXXX";
    int fd = ::mkstemp(temp_.data());
    if (fd < 0) {
        fehler_ = "cannot create a temporary file beside " + ziel_ + ": " + grund();
        temp_.clear();
        return;
    }
    // mkstemp creates the file private to its owner; give it the usual mode.
    mode_t maske = ::umask(0);
    ::umask(maske);
    ::fchmod(fd, 0666 & ~maske);
    datei_ = ::fdopen(fd, "wb");
    if (!datei_) {
        ::close(fd);
        fehlschlag("opening");
    }
}

AtomareDatei::~AtomareDatei() {
    if (datei_) std::fclose(datei_);
    if (!fertig_ && !temp_.empty()) ::unlink(temp_.c_str());
}

void AtomareDatei::fehlschlag(const char* wobei) {
    if (fehler_.empty())
        fehler_ = std::string("error while ") + wobei + " " + ziel_ + ": " + grund();
}

void AtomareDatei::schreiben(const void* daten, std::size_t laenge) {
    if (!datei_ || !fehler_.empty() || laenge == 0) return;
    if (std::fwrite(daten, 1, laenge, datei_) != laenge) fehlschlag("writing");
}

Status AtomareDatei::abschliessen() {
    if (datei_) {
        if (std::fflush(datei_) != 0) fehlschlag("writing");
        if (fehler_.empty() && ::fsync(::fileno(datei_)) != 0) fehlschlag("writing");
        if (std::fclose(datei_) != 0) fehlschlag("closing");
        datei_ = nullptr;
    }
    if (!fehler_.empty()) return Status::fehler(fehler_);
    if (std::rename(temp_.c_str(), ziel_.c_str()) != 0) {
        fehlschlag("renaming the temporary file to");
        return Status::fehler(fehler_);
    }
    fertig_ = true;
    return {};
}

Status dateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt) {
    AtomareDatei datei(pfad);
    datei.schreiben(inhalt);
    return datei.abschliessen();
}

Status dateiLesen(const std::string& pfad, std::string& inhalt) {
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f) return Status::fehler("cannot open " + pfad + ": " + grund());
    std::string daten;
    struct stat info {};
    if (::fstat(::fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        daten.reserve(std::size_t(info.st_size));
    }
    char puffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        daten.append(puffer, n);
    bool fehler = std::ferror(f) != 0;
    std::fclose(f);
    if (fehler) return Status::fehler("cannot read " + pfad + ": " + grund());
    inhalt = std::move(daten);
    return {};
}

}  // namespace gm
