// Runs the built gravimonte-cli as a process.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_lauf.h"

namespace {

namespace fs = std::filesystem;

using Ergebnis = gm::test::CliErgebnis;

class Cli : public gm::test::CliLauf {
  protected:
    // The names of the files in the test's folder, sorted.
    std::vector<std::string> dateien() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner.pfad()))
            namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
};

// A native file of 5 x 5 points: header 4.0, 4.0, then x outer.
std::string nativ5x5(double (*wert)(int x, int y)) {
    std::string daten;
    auto anhaengen = [&](double v) { daten.append(reinterpret_cast<const char*>(&v), 8); };
    anhaengen(4.0);
    anhaengen(4.0);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y)
            anhaengen(wert(x, y));
    return daten;
}

TEST_F(Cli, SizeAndInfoDescribeTheField) {
    Ergebnis e = laufMitAusgabe({"--info", "--size", "7x5", "--info"});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe,
              "points 513 513 min 0.000000 max 0.000000 mean 0.000000\n"
              "points 7 5 min 0.000000 max 0.000000 mean 0.000000\n");
    EXPECT_EQ(e.fehler, "");
}

TEST_F(Cli, SaveThenOpenRoundTripsEverySample) {
    const std::string quelle = datei("quelle.fla");
    const std::string daten = nativ5x5([](int x, int y) { return x * 0.25 - y * 0.125 + 0.5; });
    std::ofstream(quelle, std::ios::binary) << daten;
    Ergebnis e = laufMitAusgabe({"--open", quelle, "--info", "--save", datei("kopie.fla")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    // Values span 0.0 (x 0, y 4) .. 1.5 (x 4, y 0) and are kept unclamped.
    EXPECT_EQ(e.ausgabe, "points 5 5 min 0.000000 max 1.500000 mean 0.750000\n");
    EXPECT_EQ(lesen("kopie.fla"), daten);
    e = laufMitAusgabe({"--open", datei("kopie.fla"), "--save", datei("zwei.fla")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(lesen("zwei.fla"), daten);
}

TEST_F(Cli, LinesAndSettingsChangeTheField) {
    const std::string quelle = datei("q.fla");
    std::ofstream(quelle, std::ios::binary) << nativ5x5([](int x, int) { return x * 0.25; });
    Ergebnis e = laufMitAusgabe({"--open", quelle, "--set", "modeinstellungen.invertieren=1",
                                 "--line", "modify", "--info", "--undo", "--info", "--line",
                                 " CLEAR // all", "--info"});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe,
              "points 5 5 min 0.000000 max 1.000000 mean 0.500000\n"
              "points 5 5 min 0.000000 max 1.000000 mean 0.500000\n"
              "points 5 5 min 0.000000 max 0.000000 mean 0.000000\n");
    // modify inverted: column x holds 1 - x/4; check the saved bytes.
    e = laufMitAusgabe({"--open", quelle, "--set", "ModEinstellungen.Invertieren=1", "--line",
                        "modify", "--save", datei("inv.fla")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(lesen("inv.fla"), nativ5x5([](int x, int) { return 1.0 - x * 0.25; }));
}

TEST_F(Cli, ScriptFileReplaysWithOneUndoAndNeedsItsHeader) {
    const std::string quelle = datei("q.fla");
    std::ofstream(quelle, std::ios::binary) << nativ5x5([](int, int y) { return y * 0.25; });
    std::ofstream(datei("gut.txt"), std::ios::binary) << " Gravimonte-Script \nmodify\nclear\n";
    Ergebnis e =
        laufMitAusgabe({"--open", quelle, "--set", "ModEinstellungen.Invertieren=1", "--script",
                        datei("gut.txt"), "--info", "--undo", "--save", datei("zurueck.fla")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "points 5 5 min 0.000000 max 0.000000 mean 0.000000\n");
    EXPECT_EQ(lesen("zurueck.fla"), lesen("q.fla"));
    std::ofstream(datei("schlecht.txt"), std::ios::binary) << "gravimonte-script\r\nclear\r\n";
    e = laufMitAusgabe({"--script", datei("schlecht.txt"), "--save", datei("nie.fla")});
    EXPECT_EQ(e.status, 2);
    EXPECT_NE(e.fehler.find("not a script file"), std::string::npos) << e.fehler;
    EXPECT_FALSE(fs::exists(datei("nie.fla")));
}

TEST_F(Cli, SeededRunRepeatsBitForBit) {
    // The combination draws the marker spread from the seeded generator.
    const std::string quelle = datei("q.fla");
    std::ofstream(quelle, std::ios::binary)
        << nativ5x5([](int x, int y) { return (x * y) / 16.0; });
    const std::vector<std::string> basis = {"--seed", "12345",
                                            "--size", "5x5",
                                            "--set",  "MarkeOben.Wert=0.6",
                                            "--set",  "MarkeOben.Streuung=0.3",
                                            "--set",  "MarkeUnten.Streuung=0.2",
                                            "--add",  quelle,
                                            "--add",  quelle};
    auto mit = [&](const char* ziel) {
        auto a = basis;
        a.insert(a.end(), {"--save", datei(ziel)});
        return a;
    };
    ASSERT_EQ(laufMitAusgabe(mit("a.fla")).status, 0);
    ASSERT_EQ(laufMitAusgabe(mit("b.fla")).status, 0);
    const std::string a = lesen("a.fla");
    EXPECT_EQ(a.size(), 16u + 25 * 8);
    EXPECT_EQ(a, lesen("b.fla"));
    auto anders = mit("c.fla");
    anders[1] = "54321";
    ASSERT_EQ(laufMitAusgabe(anders).status, 0);
    EXPECT_NE(a, lesen("c.fla"));
}

TEST_F(Cli, EveryErrorExitsTwoWithOneLineAndWritesNothing) {
    const std::string quelle = datei("q.fla");
    std::ofstream(quelle, std::ios::binary) << nativ5x5([](int, int) { return 0.5; });
    std::ofstream(datei("kurz.fla"), std::ios::binary)
        << nativ5x5([](int, int) { return 0.5; }).substr(0, 100);
    const std::string aus = datei("aus.fla");
    const std::vector<std::vector<std::string>> faelle = {
        {"--bogus"},
        {"--save", aus, "--size", "4x5"},
        {"--save", aus, "--size", "5x2050"},
        {"--save", aus, "--size", "513"},
        {"--save", aus, "--size", "5.5x5"},
        {"--save", aus, "--seed", "-1"},
        {"--save", aus, "--seed", "4294967296"},
        {"--save", aus, "--set", "Verknuepfungsmodus=14"},
        {"--save", aus, "--set", "MarkeOben.Wert=abc"},
        {"--save", aus, "--set", "Unbekannt=1"},
        {"--save", aus, "--set"},
        {"--save", aus, "--gen", "nichtda"},
        {"--save", aus, "--filter", "nichtda", "a=1"},
        {"--save", aus, "--mask", "everything"},
        {"--save", aus, "--export", "nichtda", datei("x.ter")},
        {"--save", aus, "--open", datei("fehlt.fla")},
        {"--save", aus, "--open", datei("datei.xyz")},
        {"--save", aus, "--open", datei("kurz.fla")},
        {"--save", aus, "--add", datei("fehlt.fla")},
        {"--save", aus, "--size", "7x7", "--add", quelle},  // another size
        {"--save", aus, "--script", datei("fehlt.txt")},
        {"--save", aus, "--save", datei("kein/ordner/x.fla")},
        {"--save", aus, "--save", ordner.pfad().string()},
        {"--save", aus, "--save", ordner.pfad().string() + "/"},
        {"--save"},
        {},
    };
    for (const auto& args : faelle) {
        std::string text;
        for (const auto& a : args)
            text += a + " ";
        Ergebnis e = laufMitAusgabe(args);
        EXPECT_EQ(e.status, 2) << text;
        EXPECT_EQ(e.ausgabe, "") << text;
        ASSERT_FALSE(e.fehler.empty()) << text;
        EXPECT_EQ(e.fehler.find('\n'), e.fehler.size() - 1) << text << e.fehler;
        EXPECT_EQ(e.fehler.rfind("gravimonte-cli: ", 0), 0u) << e.fehler;
        EXPECT_EQ(dateien(), (std::vector<std::string>{"kurz.fla", "q.fla"})) << text;
    }
}

TEST_F(Cli, ResizeResamplesAndUndoBringsBackTheOldSizeAndField) {
    const std::vector<std::string> feld = {"--seed", "7", "--size", "40x30", "--gen", "noise"};
    auto mit = [&](std::vector<std::string> rest) {
        auto a = feld;
        a.insert(a.end(), rest.begin(), rest.end());
        return a;
    };
    Ergebnis ohne = laufMitAusgabe(mit({"--info", "--save", datei("ohne.fla")}));
    ASSERT_EQ(ohne.status, 0) << ohne.fehler;
    Ergebnis e = laufMitAusgabe(mit({"--resize", "80x60", "--info", "--save", datei("gross.fla"),
                                     "--undo", "--info", "--save", datei("zurueck.fla")}));
    ASSERT_EQ(e.status, 0) << e.fehler;
    ASSERT_EQ(e.ausgabe.rfind("points 80 60 ", 0), 0u) << e.ausgabe;
    EXPECT_EQ(e.ausgabe.substr(e.ausgabe.find('\n') + 1), ohne.ausgabe);
    EXPECT_EQ(ohne.ausgabe.rfind("points 40 30 ", 0), 0u) << ohne.ausgabe;
    EXPECT_EQ(lesen("zurueck.fla"), lesen("ohne.fla"));
    EXPECT_EQ(lesen("gross.fla").size(), 16u + 80 * 60 * 8);
    // Resampling to the same size keeps every sample.
    e = laufMitAusgabe(mit({"--resize", "40x30", "--save", datei("gleich.fla")}));
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(lesen("gleich.fla"), lesen("ohne.fla"));
    // Sizes are checked like those of --size.
    for (const char* falsch : {"4x30", "40x2050", "40", "40.5x30"}) {
        e = laufMitAusgabe({"--resize", falsch});
        EXPECT_EQ(e.status, 2) << falsch;
        EXPECT_EQ(e.fehler.rfind("gravimonte-cli: --resize ", 0), 0u) << e.fehler;
    }
}

TEST_F(Cli, AFailedRunLeavesAnExistingTargetAsItWas) {
    std::ofstream(datei("ziel.fla"), std::ios::binary) << "alt";
    Ergebnis e = laufMitAusgabe({"--save", datei("ziel.fla"), "--open", datei("fehlt.fla")});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(lesen("ziel.fla"), "alt");
    // Reading back a file saved earlier in the same run sees the new content.
    e = laufMitAusgabe({"--size", "5x6", "--save", datei("ziel.fla"), "--size", "9x9", "--open",
                        datei("ziel.fla"), "--info"});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "points 5 6 min 0.000000 max 0.000000 mean 0.000000\n");
    EXPECT_EQ(lesen("ziel.fla").size(), 16u + 30 * 8);
}

TEST_F(Cli, HelpListsOptionsSettingsAndFormats) {
    Ergebnis e = laufMitAusgabe({"--help"});
    ASSERT_EQ(e.status, 0);
    for (const char* teil :
         {"--seed N", "--size WxH", "--open FILE", "--line", "--script FILE", "--set KEY=VALUE",
          "--add FILE", "--undo", "--gen NAME", "--filter NAME", "--mask OP", "--save FILE",
          "--export FORMAT FILE", "--info", "Verknuepfungsmodus (int, default 2, 1..13)",
          "ModEinstellungen.Gamma (real, default 1.000, 0.010..100.000)",
          "MarkeOben.Streuung (real", "Maskenmodus (int, default 1, 1..3)", ".fla"}) {
        EXPECT_NE(e.ausgabe.find(teil), std::string::npos) << teil;
    }
}

}  // namespace

namespace {

// The first export format --help lists, or "" when there is none.
std::string ersterExport(const std::string& hilfe) {
    const std::string marke = "Formats for --export:";
    auto pos = hilfe.find(marke);
    if (pos == std::string::npos) return "";
    std::string rest = hilfe.substr(pos + marke.size());
    rest = rest.substr(0, rest.find('\n'));
    const auto a = rest.find_first_not_of(' ');
    if (a == std::string::npos || rest[a] == '(') return "";
    return rest.substr(a, rest.find(' ', a) - a);
}

TEST_F(Cli, ExportIsWrittenOnlyWhenTheWholeRunSucceeds) {
    const std::string format = ersterExport(laufMitAusgabe({"--help"}).ausgabe);
    if (format.empty()) GTEST_SKIP() << "no export format registered";
    Ergebnis e = laufMitAusgabe(
        {"--size", "9x9", "--export", format, datei("bild.out"), "--open", datei("fehlt.fla")});
    EXPECT_EQ(e.status, 2);
    EXPECT_TRUE(dateien().empty()) << format;
    e = laufMitAusgabe({"--size", "9x9", "--export", format, datei("bild.out")});
    ASSERT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(dateien(), std::vector<std::string>{"bild.out"});
    EXPECT_GT(fs::file_size(datei("bild.out")), 0u);
    e = laufMitAusgabe({"--export", format});
    EXPECT_EQ(e.status, 2);
    EXPECT_NE(e.fehler.find("--export"), std::string::npos) << e.fehler;
}

}  // namespace
