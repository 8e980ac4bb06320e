// gravimonte-cli: the headless front end. See --help.

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "cli/ausfuehren.h"
#include "cli/befehlszeile.h"
#include "cli/hilfe.h"
#include "core/datenordner.h"
#include "core/zufall.h"

namespace {

int fehler(std::string meldung) {
    for (char& c : meldung) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::fprintf(stderr, "gravimonte-cli: %s\n", meldung.c_str());
    return 2;
}

int ausfuehren(const std::vector<std::string>& argumente) {
    if (argumente.empty()) return fehler("nothing to do (see --help)");
    gm::cli::Befehlszeile b;
    if (gm::Status s = gm::cli::BefehlszeileLesen(argumente, b); !s) return fehler(s.meldung());
    if (b.hilfe) {
        std::fputs(gm::cli::HilfeText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    auto sitzung = std::make_unique<gm::Sitzung>();
    gm::Randomize(sitzung->dok);
    sitzung->coffee.Vorlage =
        gm::DatenordnerFinden(gm::ProgrammordnerFinden()) + std::string(gm::CoffeeVorlageName);
    std::string ausgabe;
    if (gm::Status s = gm::cli::AktionenAusfuehren(*sitzung, b, ausgabe); !s) {
        return fehler(s.meldung());
    }
    std::fputs(ausgabe.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit then shows as a failed write instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return ausfuehren(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        return fehler("out of memory");
    } catch (const std::exception& e) {
        return fehler(e.what());
    }
}
