#include "core/temp_dateien.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace gm {

namespace {

// A signal handler may only read what it finds here: each slot owns a copy of
// its path, handed over by an atomic exchange so the handler and a release
// never both act on one.
constexpr int Plaetze = 64;
std::atomic<char*> plaetze[Plaetze];

// SIGPIPE: a program reading a pipe the export writes into has ended.
constexpr int Signale[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

extern "C" void aufraeumen(int signal) {
    for (auto& platz : plaetze) {
        if (char* pfad = platz.exchange(nullptr)) ::unlink(pfad);
    }
    // The default action then ends the process with the signal's own status.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void handlerEinrichten() {
    for (int s : Signale) {
        struct sigaction alt {};
        if (::sigaction(s, nullptr, &alt) != 0 || alt.sa_handler != SIG_DFL) continue;
        struct sigaction neu {};
        neu.sa_handler = aufraeumen;
        ::sigemptyset(&neu.sa_mask);
        for (int t : Signale)
            ::sigaddset(&neu.sa_mask, t);
        ::sigaction(s, &neu, nullptr);
    }
}

}  // namespace

int TempDateiMerken(const std::string& pfad) {
    static std::once_flag einmal;
    std::call_once(einmal, handlerEinrichten);
    char* kopie = new char[pfad.size() + 1];
    std::memcpy(kopie, pfad.c_str(), pfad.size() + 1);
    for (int i = 0; i < Plaetze; ++i) {
        char* leer = nullptr;
        if (plaetze[i].compare_exchange_strong(leer, kopie)) return i;
    }
    delete[] kopie;
    return -1;
}

void TempDateiVergessen(int slot) {
    if (slot < 0 || slot >= Plaetze) return;
    delete[] plaetze[slot].exchange(nullptr);
}

}  // namespace gm
