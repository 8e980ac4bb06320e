// Script lines and files on the command line: a line that cannot run is an
// error, a script file skips such lines with a warning, a failed operation
// fails the run, and files a replayed line writes wait for the run.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/cli_lauf.h"

namespace gm {
namespace {

class ScriptCli : public test::CliLauf {
  protected:
    // Runs with standard error captured into `fehler`.
    int laufMitFehler(const std::string& argumente) {
        const std::string log = datei("stderr.txt");
        const std::string befehl =
            std::string(GM_CLI_PFAD) + " " + argumente + " >/dev/null 2>" + log;
        const int w = std::system(befehl.c_str());
        fehler = lesen("stderr.txt");
        return WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    }
    void scriptSchreiben(const std::string& name, const std::string& zeilen) {
        std::ofstream(ordner.pfad() / name, std::ios::binary) << "Gravimonte-Script\r\n" << zeilen;
    }
    std::string fehler;
};

TEST_F(ScriptCli, ALineThatCannotRunFailsWithOneLine) {
    for (const char* zeile : {"build_spores(5)", "wobble(1)", "inv"}) {
        EXPECT_EQ(laufMitFehler(std::string("--line '") + zeile + "' --save " + datei("a.fla")), 2)
            << zeile;
        EXPECT_EQ(std::count(fehler.begin(), fehler.end(), '\n'), 1) << fehler;
        EXPECT_NE(fehler.find(zeile), std::string::npos) << fehler;
    }
    EXPECT_EQ(laufMitFehler("--line 'invert' --save " + datei("a.fla")), 0) << fehler;
}

TEST_F(ScriptCli, AScriptSkipsWithWarningsAndFailsOnAFailedOperation) {
    scriptSchreiben("gut.txt", "build_spores(5)\r\n\r\ninvert\r\nwobble\r\n");
    ASSERT_EQ(
        laufMitFehler("--size 5x5 --script " + datei("gut.txt") + " --save " + datei("gut.fla")),
        0);
    EXPECT_EQ(std::count(fehler.begin(), fehler.end(), '\n'), 2) << fehler;
    EXPECT_NE(fehler.find("line 1"), std::string::npos) << fehler;
    EXPECT_NE(fehler.find("line 4"), std::string::npos) << fehler;
    for (double v : proben("gut.fla"))
        ASSERT_EQ(v, 1.0);  // the invert ran

    const std::string fehlt = datei("fehlt/feld.ter");
    scriptSchreiben("schlecht.txt",
                    "save_terragen(30, 30, 30, 6400, 0, 0, 1000, 0, " + fehlt + ")\r\ninvert\r\n");
    EXPECT_EQ(laufMitFehler("--size 5x5 --script " + datei("schlecht.txt") + " --save " +
                            datei("schlecht.fla")),
              2);
    EXPECT_NE(fehler.find("save_terragen"), std::string::npos) << fehler;
    EXPECT_TRUE(lesen("schlecht.fla").empty());
    EXPECT_EQ(
        laufMitFehler("--line 'save_terragen(30, 30, 30, 6400, 0, 0, 1000, 0, " + fehlt + ")'"), 2);
}

TEST_F(ScriptCli, ATerragenLineWritesOnlyWhenTheWholeRunSucceeds) {
    const std::string ter = datei("feld.ter");
    const std::string zeile =
        "--line 'save_terragen(30, 30, 30, 6400, 0, 0, 1000, 0, " + ter + ")'";
    EXPECT_EQ(laufMitFehler("--size 9x9 --gen noise " + zeile + " --open " + datei("fehlt.fla")),
              2);
    EXPECT_TRUE(lesen("feld.ter").empty());
    ASSERT_EQ(laufMitFehler("--seed 3 --size 9x9 --gen noise " + zeile), 0) << fehler;
    ASSERT_EQ(laufMitFehler("--seed 3 --size 9x9 --gen noise --export ter " + datei("ex.ter")), 0);
    EXPECT_FALSE(lesen("feld.ter").empty());
    EXPECT_EQ(lesen("feld.ter"), lesen("ex.ter"));
}

}  // namespace
}  // namespace gm
