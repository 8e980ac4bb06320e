// Word files: the line rules, the mends for damaged files, and the language file.

#include "core/woerterbuch.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/test_ordner.h"

namespace gm::test {
namespace {

void anlegen(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

TEST(Woerterbuch, LinesFollowTheFileRules) {
    Woerterbuch w;
    const std::string datei = std::string("\xEF\xBB\xBF") +  // byte-order mark
                              " 0320 ;  Weiter  \r\n"        // zeros and blanks around
                              "12;\n"                        // shorter than 5 characters
                              "321 Abbrechen\n"              // no ";"
                              ";322;x\n"                     // ";" first
                              "0;null\n"                     // not positive
                              "-5;minus\n"
                              "801;zu gross\n"
                              "99999999999999999999999;overflow\n"
                              "3x;keine Zahl\n"
                              "800;last slot\n"
                              "  7 ; first\n"
                              "7;second wins\n"
                              "8;a;b\n"  // only the first ";" splits
                              "9;   \n"  // empty text: slot stays empty
                              "10;ohne Zeilenende";
    EXPECT_EQ(WoerterLesen(datei, w), 6);
    EXPECT_EQ(w.wort(320), "Weiter");
    EXPECT_EQ(w.wort(12), "");
    EXPECT_EQ(w.wort(321), "");
    EXPECT_EQ(w.wort(322), "");
    EXPECT_EQ(w.wort(800), "last slot");
    EXPECT_EQ(w.wort(7), "second wins");
    EXPECT_EQ(w.wort(8), "a;b");
    EXPECT_EQ(w.wort(9), "");
    EXPECT_EQ(w.wort(10), "ohne Zeilenende");
    EXPECT_EQ(w.wort(0), "");
    EXPECT_EQ(w.wort(801), "");
}

TEST(Woerterbuch, LongLinesAreCutToCharactersAndBadBytesSurvive) {
    Woerterbuch w;
    std::string lang;
    for (int i = 0; i < 60; ++i)
        lang += "\xC3\xBC";  // "ü": two bytes, one character
    const std::string riesig(100000, 'x');
    const std::string datei = "1;" + lang + "\n" + "2;" + riesig + "\n" +
                              std::string("3;a\0b\xFF\xC3z\n", 9) + "4;\xE2\x82\n" +
                              std::string("\0\0\0\0\0\0\0\n", 8) + "5;" + std::string(55, 'y') +
                              "\xE2\x82\xAC\xE2\x82\xAC\n";
    WoerterLesen(datei, w);
    std::string erwartet;
    for (int i = 0; i < 56; ++i)
        erwartet += "\xC3\xBC";
    EXPECT_EQ(w.wort(1), erwartet);
    EXPECT_EQ(w.wort(2), std::string(56, 'x'));
    EXPECT_EQ(w.wort(3), "ab\xEF\xBF\xBD\xEF\xBF\xBDz");
    EXPECT_EQ(w.wort(4), "");  // "4;" and two bad bytes: 4 characters, too short
    EXPECT_EQ(w.wort(5), std::string(55, 'y') + "\xE2\x82\xAC");
}

TEST(Woerterbuch, FailedLoadKeepsTheTableAndLanguageFileRoundTrips) {
    TestOrdner ordner;
    Woerterbuch w;
    w.eintraege[5] = "alt";
    EXPECT_FALSE(SpracheLaden(ordner.datei("fehlt.txt"), w));
    anlegen(ordner.datei("leer.txt"), "kein;\nnichts\n");
    EXPECT_FALSE(SpracheLaden(ordner.datei("leer.txt"), w));
    EXPECT_EQ(w.wort(5), "alt");
    anlegen(ordner.datei("eng.txt"), "6;six\n");
    EXPECT_TRUE(SpracheLaden(ordner.datei("eng.txt"), w));
    EXPECT_EQ(w.wort(5), "");  // a fresh table, not a merge
    EXPECT_EQ(w.wort(6), "six");

    const std::string sprache = ordner.datei("language.txt");
    EXPECT_EQ(SprachIndexLesen(sprache), 0);
    ASSERT_TRUE(SprachIndexSpeichern(sprache, 2));
    EXPECT_EQ(SprachIndexLesen(sprache), 2);
    for (const char* inhalt : {"8\n", "0\n", "x\n", "", "99999999999999999999\n"}) {
        anlegen(sprache, inhalt);
        EXPECT_EQ(SprachIndexLesen(sprache), 0) << inhalt;
    }
    anlegen(sprache, " 7 \r\nrest");
    EXPECT_EQ(SprachIndexLesen(sprache), 7);
    EXPECT_FALSE(SprachIndexSpeichern(ordner.datei("fehlt/language.txt"), 2));
}

}  // namespace
}  // namespace gm::test
