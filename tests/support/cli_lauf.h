#pragma once
// Runs the built gravimonte-cli as a process inside the test's own folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/test_ordner.h"

namespace gm::test {

struct CliErgebnis {
    int status = -1;
    std::string ausgabe;  // stdout
    std::string fehler;   // stderr
};

class CliLauf : public ::testing::Test {
  protected:
    // Runs the command line with `argumente` (shell words) and returns its exit status.
    int lauf(const std::string& argumente) {
        const std::string befehl =
            std::string(GM_CLI_PFAD) + " " + argumente + " >/dev/null 2>/dev/null";
        const int w = std::system(befehl.c_str());
        return WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    }
    // Runs the command line with each argument passed as it is (no shell
    // words) and returns its exit status, stdout and stderr.
    CliErgebnis laufMitAusgabe(const std::vector<std::string>& argumente) {
        std::string befehl = quote(GM_CLI_PFAD);
        for (const auto& a : argumente)
            befehl += " " + quote(a);
        // stderr goes through a file that is removed again before returning,
        // so it never shows among the files a run wrote.
        const std::string fehlerDatei = ordner.datei("stderr.txt");
        befehl += " 2>" + quote(fehlerDatei);
        CliErgebnis e;
        std::FILE* p = ::popen(befehl.c_str(), "r");
        if (!p) return e;
        char puffer[4096];
        std::size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0)
            e.ausgabe.append(puffer, n);
        const int w = ::pclose(p);
        e.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
        std::ifstream f(fehlerDatei, std::ios::binary);
        e.fehler.assign(std::istreambuf_iterator<char>(f), {});
        std::filesystem::remove(fehlerDatei);
        return e;
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

  private:
    static std::string quote(const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
};

}  // namespace gm::test
