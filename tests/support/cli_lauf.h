#pragma once
// Runs the built gravimonte-cli as a process inside the test's own folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/test_ordner.h"

namespace gm::test {

class CliLauf : public ::testing::Test {
  protected:
    // Runs the command line with `argumente` (shell words) and returns its exit status.
    int lauf(const std::string& argumente) {
        const std::string befehl =
            std::string(GM_CLI_PFAD) + " " + argumente + " >/dev/null 2>/dev/null";
        const int w = std::system(befehl.c_str());
        return WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    }
    std::string datei(const std::string& name) const { return ordner.datei(name); }
    std::string lesen(const std::string& name) const {
        std::ifstream f(ordner.pfad() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // Writes a native file: MaxX and MaxY as doubles, then the samples, x outer.
    void nativSchreiben(const std::string& name, int punkteX, int punkteY,
                        const std::vector<double>& werte) const {
        std::vector<double> alles{double(punkteX - 1), double(punkteY - 1)};
        alles.insert(alles.end(), werte.begin(), werte.end());
        std::ofstream f(ordner.pfad() / name, std::ios::binary);
        f.write(reinterpret_cast<const char*>(alles.data()), std::streamsize(alles.size() * 8));
    }
    // The samples of a native file, without its header.
    std::vector<double> proben(const std::string& name) const {
        const std::string s = lesen(name);
        if (s.size() < 16) return {};
        std::vector<double> v((s.size() - 16) / 8);
        std::memcpy(v.data(), s.data() + 16, v.size() * 8);
        return v;
    }

    TestOrdner ordner;
};

}  // namespace gm::test
