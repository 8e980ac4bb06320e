#include "script/befehlstabelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "script/operationen.h"

namespace gm {
namespace {

TEST(Befehlstabelle, HoldsTheTwentySixWordsInDispatchOrderWithTheirForms) {
    const std::vector<std::string> woerter = {
        "sharpen",      "soften",       "erosion",     "dilation", "noise",     "gamma",
        "crater",       "lumcontr",     "scale",       "invert",   "modify",    "digit",
        "terrace",      "raining",      "trace",       "blur",     "pass",      "twirl",
        "wave",         "tile_normal",  "tile_mirror", "clear",    "paintmode", "build_noise",
        "build_rotate", "save_terragen"};
    const std::vector<std::string> bar = {"sharpen",     "soften",      "erosion",
                                          "dilation",    "invert",      "modify",
                                          "tile_normal", "tile_mirror", "clear"};
    auto tabelle = Befehlstabelle();
    ASSERT_EQ(tabelle.size(), woerter.size());
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        EXPECT_EQ(tabelle[i].wort, woerter[i]) << "row " << i + 1;
        const bool istBar = std::find(bar.begin(), bar.end(), woerter[i]) != bar.end();
        EXPECT_EQ(tabelle[i].form == Form::Bar, istBar) << woerter[i];
    }
}

TEST(Befehlstabelle, EveryScriptWordOfTheCatalogueIsACommandWordOfItsForm) {
    for (const Operation& op : Operationen()) {
        if (op.wort.empty()) continue;
        const Befehl* b = BefehlSuchen(op.wort);
        ASSERT_NE(b, nullptr) << op.name;
        EXPECT_EQ(b->form == Form::Bar, op.argumente.empty()) << op.name;
        EXPECT_NE(op.nachspielen, nullptr) << op.name;
        EXPECT_EQ(OperationFuerWort(op.wort), &op) << op.name;
    }
    for (const char* wort : {"clear", "paintmode", "modify", "gamma", "save_terragen"})
        EXPECT_NE(OperationFuerWort(wort), nullptr) << wort;
    // Every command word is built: each has its row.
    for (const Befehl& b : Befehlstabelle())
        EXPECT_NE(OperationFuerWort(b.wort), nullptr) << b.wort;
    EXPECT_EQ(OperationFuerWort("build_spores"), nullptr);
}

TEST(Befehlstabelle, LookupIsExactAndCaseSensitive) {
    EXPECT_EQ(BefehlSuchen("gamma"), &Befehlstabelle()[5]);
    EXPECT_EQ(BefehlSuchen("Gamma"), nullptr);
    EXPECT_EQ(BefehlSuchen("gamm"), nullptr);
    EXPECT_EQ(BefehlSuchen("gammas"), nullptr);
    EXPECT_EQ(BefehlSuchen(""), nullptr);
    EXPECT_EQ(BefehlSuchen("save_terragen"), &Befehlstabelle()[25]);
}

}  // namespace
}  // namespace gm
