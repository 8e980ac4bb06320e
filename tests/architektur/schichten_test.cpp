// The layer rule of src/README.md checked on the source tree: every
// `#include "layer/..."` must name the file's own layer or one its row of the
// README's table lets it use, and only layers allowed Qt include Qt headers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Schicht {
    std::set<std::string> darf;  // other layers it may include
    bool qt = false;
};

struct Schichten {
    std::vector<std::string> reihenfolge;
    std::map<std::string, Schicht> schicht;
};

std::string trimmen(std::string s) {
    const auto a = s.find_first_not_of(" \t`");
    const auto b = s.find_last_not_of(" \t`");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

std::vector<std::string> zellen(const std::string& zeile) {
    std::vector<std::string> z;
    std::stringstream s(zeile.substr(zeile.find('|') + 1));
    std::string zelle;
    while (std::getline(s, zelle, '|'))
        z.push_back(trimmen(zelle));
    return z;
}

// Reads the table whose header has the columns "layer" and "may use". A
// "may use" cell lists layers by name; "... above" means every layer of the
// rows before; a mention of Qt allows Qt headers; other words (the standard
// library) add nothing.
Schichten tabelleLesen(const std::string& readme) {
    Schichten t;
    std::istringstream ein(readme);
    std::string zeile;
    std::size_t spalteSchicht = 0, spalteDarf = 0;
    bool inTabelle = false;
    std::vector<std::pair<std::string, std::string>> zeilen;
    while (std::getline(ein, zeile)) {
        if (trimmen(zeile).rfind('|', 0) != 0) {
            inTabelle = false;
            continue;
        }
        const auto z = zellen(zeile);
        if (!inTabelle) {
            const auto s = std::find(z.begin(), z.end(), "layer");
            const auto d = std::find(z.begin(), z.end(), "may use");
            if (s == z.end() || d == z.end()) continue;
            spalteSchicht = std::size_t(s - z.begin());
            spalteDarf = std::size_t(d - z.begin());
            inTabelle = true;
            continue;
        }
        if (z.size() <= std::max(spalteSchicht, spalteDarf) || z[spalteSchicht].find("---") == 0) {
            continue;
        }
        std::string name = z[spalteSchicht];
        if (!name.empty() && name.back() == '/') name.pop_back();
        zeilen.emplace_back(name, z[spalteDarf]);
        t.reihenfolge.push_back(name);
    }
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        Schicht& s = t.schicht[zeilen[i].first];
        std::stringstream teile(zeilen[i].second);
        std::string teil;
        while (std::getline(teile, teil, ',')) {
            teil = trimmen(teil);
            std::string klein = teil;
            std::transform(klein.begin(), klein.end(), klein.begin(), ::tolower);
            if (klein.find("above") != std::string::npos) {
                s.darf.insert(t.reihenfolge.begin(), t.reihenfolge.begin() + std::ptrdiff_t(i));
            } else if (klein.find("qt") != std::string::npos) {
                s.qt = true;
            } else if (std::find(t.reihenfolge.begin(), t.reihenfolge.end(), teil) !=
                       t.reihenfolge.end()) {
                s.darf.insert(teil);
            }
        }
    }
    return t;
}

// The bracket ('<' or '"') and the target of an include line, or nothing.
bool includeLesen(std::string_view zeile, char& klammer, std::string& ziel) {
    auto blanks = [&zeile] {
        while (!zeile.empty() && (zeile.front() == ' ' || zeile.front() == '\t'))
            zeile.remove_prefix(1);
    };
    blanks();
    if (zeile.empty() || zeile.front() != '#') return false;
    zeile.remove_prefix(1);
    blanks();
    if (zeile.substr(0, 7) != "include") return false;
    zeile.remove_prefix(7);
    blanks();
    if (zeile.empty() || (zeile.front() != '<' && zeile.front() != '"')) return false;
    klammer = zeile.front();
    const auto ende = zeile.find(klammer == '<' ? '>' : '"', 1);
    if (ende == std::string_view::npos || ende == 1) return false;
    ziel = std::string(zeile.substr(1, ende - 1));
    return true;
}

struct Datei {
    std::string pfad;  // relative to src/, such as "core/feld.h"
    std::string inhalt;
};

// One message per forbidden include: the file, the include and what its
// layer may use.
std::vector<std::string> verstoesse(const Schichten& t, const std::vector<Datei>& dateien) {
    std::vector<std::string> fehler;
    for (const Datei& d : dateien) {
        const std::string schicht = d.pfad.substr(0, d.pfad.find('/'));
        const auto eigene = t.schicht.find(schicht);
        if (eigene == t.schicht.end()) {
            fehler.push_back("src/" + d.pfad + ": folder " + schicht +
                             " is not a layer of the table");
            continue;
        }
        std::string erlaubt;
        for (const auto& n : eigene->second.darf)
            erlaubt += (erlaubt.empty() ? "" : ", ") + n;
        if (erlaubt.empty()) erlaubt = "no other layer";
        std::istringstream ein(d.inhalt);
        std::string zeile;
        for (int nr = 1; std::getline(ein, zeile); ++nr) {
            char klammer = 0;
            std::string ziel;
            if (!includeLesen(zeile, klammer, ziel)) continue;
            const std::string ort = "src/" + d.pfad + ":" + std::to_string(nr) + ": ";
            if (klammer == '<') {
                if (ziel.size() > 1 && ziel[0] == 'Q' && std::isalpha(ziel[1]) &&
                    !eigene->second.qt) {
                    fehler.push_back(ort + "includes <" + ziel + ">, but " + schicht +
                                     " may not use Qt");
                }
                continue;
            }
            const auto strich = ziel.find('/');
            if (strich == std::string::npos) continue;
            const std::string andere = ziel.substr(0, strich);
            if (andere == schicht || !t.schicht.count(andere)) continue;
            if (!eigene->second.darf.count(andere)) {
                fehler.push_back(ort + "includes \"" + ziel + "\", but " + schicht + " may use " +
                                 erlaubt);
            }
        }
    }
    return fehler;
}

std::string lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

const char* const beispiel = R"(# Layers

| layer | target | may use | owns |
|---|---|---|---|
| `basis/` | `b` | the standard library | grids |
| `bild/` | `i` | basis | colours |
| `rechnen/` | `r` | basis | filters |
| `skript/` | `s` | all of the above | scripts |
| `fenster/` | `f` | all libraries above, Qt 6 Widgets | window |

Only `fenster/` includes Qt headers.
)";

TEST(Schichten, TheCheckFindsEveryKindOfForbiddenInclude) {
    const Schichten t = tabelleLesen(beispiel);
    ASSERT_EQ(t.reihenfolge,
              (std::vector<std::string>{"basis", "bild", "rechnen", "skript", "fenster"}));
    EXPECT_TRUE(t.schicht.at("basis").darf.empty());
    EXPECT_EQ(t.schicht.at("skript").darf, (std::set<std::string>{"basis", "bild", "rechnen"}));
    EXPECT_TRUE(t.schicht.at("fenster").qt);
    EXPECT_FALSE(t.schicht.at("skript").qt);

    const std::vector<Datei> erlaubt = {
        {"basis/a.h", "#include <vector>\n#include \"basis/b.h\"\n#include \"ohne_ordner.h\"\n"},
        {"bild/a.cpp", "#include \"bild/a.h\"\n  #  include \"basis/a.h\"\n"},
        {"skript/a.cpp", "#include \"rechnen/a.h\"\n#include \"bild/a.h\"\n"},
        {"fenster/a.cpp", "#include <QWidget>\n#include \"skript/a.h\"\n#include \"basis/a.h\"\n"},
        {"rechnen/a.cpp", "// #include \"skript/a.h\" is not an include\n"},
    };
    EXPECT_EQ(verstoesse(t, erlaubt), std::vector<std::string>{});

    const std::vector<Datei> verboten = {
        {"basis/a.h", "#include <vector>\n#include \"bild/a.h\"\n"},  // a later layer
        {"rechnen/a.cpp", "#include \"bild/a.h\"\n"},                 // an earlier one not listed
        {"skript/a.cpp", "#include \"fenster/a.h\"\n"},               // the layer after it
        {"bild/a.cpp", "#include <QImage>\n"},                        // Qt outside the window
        {"fremd/a.cpp", "#include \"basis/a.h\"\n"},                  // not in the table
    };
    EXPECT_EQ(verstoesse(t, verboten),
              (std::vector<std::string>{
                  "src/basis/a.h:2: includes \"bild/a.h\", but basis may use no other layer",
                  "src/rechnen/a.cpp:1: includes \"bild/a.h\", but rechnen may use basis",
                  "src/skript/a.cpp:1: includes \"fenster/a.h\", but skript may use basis, bild, "
                  "rechnen",
                  "src/bild/a.cpp:1: includes <QImage>, but bild may not use Qt",
                  "src/fremd/a.cpp: folder fremd is not a layer of the table",
              }));
}

TEST(Schichten, EverySourceFileKeepsToTheTableOfTheReadme) {
    const fs::path src = GM_QUELLORDNER;
    const Schichten t = tabelleLesen(lesen(src / "README.md"));
    ASSERT_GE(t.reihenfolge.size(), 2u) << "no layer table found in " << (src / "README.md");
    std::vector<Datei> dateien;
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        const std::string endung = e.path().extension().string();
        if (!e.is_regular_file() || (endung != ".cpp" && endung != ".h")) continue;
        const fs::path relativ = fs::relative(e.path(), src);
        if (relativ.parent_path().empty()) {
            ADD_FAILURE() << "src/" << relativ.string() << " lies in no layer";
            continue;
        }
        dateien.push_back({relativ.generic_string(), lesen(e.path())});
    }
    ASSERT_GT(dateien.size(), 50u);
    for (const std::string& f : verstoesse(t, dateien))
        ADD_FAILURE() << f;
}

}  // namespace
