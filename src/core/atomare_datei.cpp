#include "core/atomare_datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/temp_dateien.h"

namespace gm {

namespace {

Status schreibFehler(const std::string& ziel, const std::string& grund) {
    return Status::fehler("cannot write " + ziel + ": " + grund);
}

// What a path names when it is not a regular file; null for a regular file.
const char* keineDatei(mode_t modus) {
    struct Art {
        mode_t typ;
        const char* text;
    };
    static constexpr Art arten[] = {
        {S_IFDIR, "it is a folder"},  {S_IFIFO, "it is a named pipe"},
        {S_IFCHR, "it is a device"},  {S_IFBLK, "it is a block device"},
        {S_IFSOCK, "it is a socket"}, {S_IFLNK, "it is a symbolic link"},
    };
    for (const Art& a : arten) {
        if ((modus & S_IFMT) == a.typ) return a.text;
    }
    return nullptr;
}

std::string ordnerVon(const std::string& pfad) {
    const auto strich = pfad.rfind('/');
    if (strich == std::string::npos) return ".";
    return strich == 0 ? "/" : pfad.substr(0, strich);
}

// Follows symbolic links from `ziel` to the path they finally name; `info`
// describes that path when `existiert` is set.
Status linksFolgen(const std::string& ziel, std::string& pfad, struct stat& info, bool& existiert) {
    pfad = ziel;
    for (int schritt = 0; schritt < 40; ++schritt) {
        if (::lstat(pfad.c_str(), &info) != 0) {
            if (errno != ENOENT) return schreibFehler(ziel, schreibGrund(errno));
            existiert = false;
            return {};
        }
        if (!S_ISLNK(info.st_mode)) {
            existiert = true;
            return {};
        }
        std::vector<char> verweis(PATH_MAX);
        const ssize_t n = ::readlink(pfad.c_str(), verweis.data(), verweis.size());
        if (n < 0 || std::size_t(n) >= verweis.size()) {
            return schreibFehler(ziel, "its symbolic link cannot be read");
        }
        const std::string naechster(verweis.data(), std::size_t(n));
        pfad = naechster[0] == '/' ? naechster : ordnerVon(pfad) + "/" + naechster;
    }
    return schreibFehler(ziel, schreibGrund(ELOOP));
}

}  // namespace

std::string schreibGrund(int fehlerNr) {
    struct Grund {
        int nr;
        const char* text;
    };
    static constexpr Grund gruende[] = {
        {ENOENT, "the folder does not exist"},
        {ENOTDIR, "a part of the path is not a folder"},
        {EACCES, "no permission to write there"},
        {EPERM, "no permission to write there"},
        {EROFS, "the file system is read-only"},
        {ENOSPC, "the disk is full"},
        {EDQUOT, "the disk quota is used up"},
        {EFBIG, "the file would be larger than the file system or a limit allows"},
        {EISDIR, "it is a folder"},
        {ENAMETOOLONG, "the name is too long"},
        {ELOOP, "its symbolic links form a loop"},
        {ENXIO, "no program reads from the pipe"},
        {EPIPE, "the program reading the pipe has ended"},
        {EIO, "the device reported an input/output error"},
    };
    for (const Grund& g : gruende) {
        if (g.nr == fehlerNr) return g.text;
    }
    return std::strerror(fehlerNr);
}

Status SchreibzielAufloesen(const std::string& ziel, Schreibziel& aus) {
    struct stat info {};
    bool existiert = false;
    std::string pfad;
    if (Status s = linksFolgen(ziel, pfad, info, existiert); !s) return s;
    bool direkt = false;
    if (existiert && !S_ISREG(info.st_mode)) {
        direkt = S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode);
        if (!direkt) return schreibFehler(ziel, keineDatei(info.st_mode));
    } else if (existiert && ::access(pfad.c_str(), W_OK) != 0 && errno == EACCES) {
        return schreibFehler(ziel, "the file is read-only");
    }
    aus = {pfad, direkt};
    return {};
}

Status TempUebernehmen(const std::string& temp, const std::string& pfad, const std::string& ziel) {
    struct stat alt {};
    if (::stat(pfad.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) {
        // Only the owner's own or root's write may hand the file back to its
        // owner; otherwise it stays the writer's. The mode follows, since a
        // change of owner clears the set-id bits.
        if (::chown(temp.c_str(), alt.st_uid, alt.st_gid) != 0) {
        }
        ::chmod(temp.c_str(), alt.st_mode & 07777);
    }
    if (::rename(temp.c_str(), pfad.c_str()) != 0) return schreibFehler(ziel, schreibGrund(errno));
    return {};
}

AtomareDatei::AtomareDatei(std::string ziel) : ziel_(std::move(ziel)) {
    Schreibziel z;
    if (Status s = SchreibzielAufloesen(ziel_, z); !s) {
        fehler_ = s.meldung();
        return;
    }
    pfad_ = z.pfad;
    direkt_ = z.direkt;
    if (direkt_) {
        direktOeffnen(pfad_);
    } else {
        tempAnlegen(pfad_);
    }
}

void AtomareDatei::tempAnlegen(const std::string& pfad) {
    temp_ = pfad + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp_.data());
    if (fd < 0) {
        fehlschlag(errno);
        temp_.clear();
        return;
    }
    tempPlatz_ = TempDateiMerken(temp_);
    // mkstemp creates the file private to its owner; a new file gets the usual
    // mode, a replaced one its own when it is renamed.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ::fchmod(fd, 0666 & ~maske);
    datei_ = ::fdopen(fd, "wb");
    if (!datei_) {
        fehlschlag(errno);
        ::close(fd);
    }
}

void AtomareDatei::direktOeffnen(const std::string& pfad) {
    // Without O_NONBLOCK a pipe nobody reads would block the open for ever.
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fehlschlag(errno);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    datei_ = ::fdopen(fd, "wb");
    if (!datei_) {
        fehlschlag(errno);
        ::close(fd);
    }
}

AtomareDatei::~AtomareDatei() {
    if (datei_) std::fclose(datei_);
    if (!fertig_ && !temp_.empty()) ::unlink(temp_.c_str());
    TempDateiVergessen(tempPlatz_);
}

void AtomareDatei::fehlschlag(int fehlerNr) {
    if (fehler_.empty()) fehler_ = schreibFehler(ziel_, schreibGrund(fehlerNr)).meldung();
}

void AtomareDatei::schreiben(const void* daten, std::size_t laenge) {
    if (!datei_ || !fehler_.empty() || laenge == 0) return;
    if (std::fwrite(daten, 1, laenge, datei_) != laenge) fehlschlag(errno);
}

Status AtomareDatei::abschliessen() {
    if (datei_) {
        if (std::fflush(datei_) != 0) fehlschlag(errno);
        // Devices and pipes have nothing to sync.
        if (fehler_.empty() && !direkt_ && ::fsync(::fileno(datei_)) != 0) fehlschlag(errno);
        if (std::fclose(datei_) != 0) fehlschlag(errno);
        datei_ = nullptr;
    }
    if (!fehler_.empty()) return Status::fehler(fehler_);
    if (!direkt_) {
        if (Status s = TempUebernehmen(temp_, pfad_, ziel_); !s) return s;
    }
    fertig_ = true;
    TempDateiVergessen(tempPlatz_);
    tempPlatz_ = -1;
    return {};
}

Status dateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt) {
    AtomareDatei datei(pfad);
    datei.schreiben(inhalt);
    return datei.abschliessen();
}

Status dateiLesen(const std::string& pfad, std::string& inhalt, std::size_t maxBytes) {
    // Opened without blocking, so a named pipe is seen for what it is at once.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Status::fehler("cannot open " + pfad + ": " + std::strerror(errno));
    struct Schliessen {
        int fd;
        ~Schliessen() { ::close(fd); }
    } schliessen{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return Status::fehler("cannot read " + pfad + ": " + std::strerror(errno));
    }
    if (const char* art = keineDatei(info.st_mode)) {
        return Status::fehler("cannot read " + pfad + ": " + art + ", not a file");
    }
    auto zuGross = [&](std::size_t groesse) {
        return Status::fehler("cannot read " + pfad + ": it has " + std::to_string(groesse) +
                              " bytes, more than the " + std::to_string(maxBytes) +
                              " a valid file of its kind can have");
    };
    if (std::uint64_t(info.st_size) > maxBytes) return zuGross(std::size_t(info.st_size));
    // The size is read again as the data comes: the file may grow meanwhile.
    std::string daten(std::size_t(info.st_size), '\0');
    std::size_t gelesen = 0;
    for (;;) {
        if (gelesen == daten.size()) {
            if (gelesen > maxBytes) return zuGross(gelesen);
            daten.resize(std::min(maxBytes + 1, std::max<std::size_t>(gelesen * 2, 1 << 16)));
        }
        const ssize_t n = ::read(fd, daten.data() + gelesen, daten.size() - gelesen);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return Status::fehler("cannot read " + pfad + ": " + std::strerror(errno));
        }
        gelesen += std::size_t(n);
    }
    if (gelesen > maxBytes) return zuGross(gelesen);
    daten.resize(gelesen);
    inhalt = std::move(daten);
    return {};
}

}  // namespace gm
