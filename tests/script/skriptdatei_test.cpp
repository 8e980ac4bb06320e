#include "script/skriptdatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "core/script_liste.h"

namespace gm {
namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

std::string dateiInhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class SkriptDateiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() /
            ("gm_skriptdatei_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string schreibe(const std::string& name, const std::string& inhalt) {
        std::ofstream(ordner / name, std::ios::binary) << inhalt;
        return (ordner / name).string();
    }
    fs::path ordner;
    std::unique_ptr<Dokument> dok = std::make_unique<Dokument>();
};

TEST(ScriptTextLesen, AcceptsEveryLineEndAndAMissingFinalOne) {
    const Liste erwartet = {"clear", " paintmode(3) ", "invert"};
    for (const char* text : {"Gravimonte-Script\r\nclear\r\n paintmode(3) \r\ninvert\r\n",
                             "Gravimonte-Script\nclear\n paintmode(3) \ninvert\n",
                             "Gravimonte-Script\nclear\r\n paintmode(3) \ninvert",
                             "Gravimonte-Script\rclear\r paintmode(3) \rinvert\r"}) {
        auto zeilen = ScriptTextLesen(text);
        ASSERT_TRUE(zeilen) << text;
        EXPECT_EQ(*zeilen, erwartet) << text;
    }
    EXPECT_EQ(ScriptTextLesen("Gravimonte-Script"), Liste{});
    EXPECT_EQ(ScriptTextLesen("Gravimonte-Script\r\n"), Liste{});
    EXPECT_EQ(ScriptTextLesen("Gravimonte-Script\r\n\r\nclear\r\n"), (Liste{"", "clear"}));
}

TEST(ScriptTextLesen, ComparesTheStrippedHeaderWithCase) {
    EXPECT_TRUE(ScriptTextLesen(" Gravimonte-Script \r\nclear\r\n"));
    EXPECT_TRUE(ScriptTextLesen("\tGravimonte-Script\t\nclear\n"));
    EXPECT_FALSE(ScriptTextLesen("gravimonte-script\r\nclear\r\n"));
    EXPECT_FALSE(ScriptTextLesen("Gravimonte-Scripts\r\nclear\r\n"));
    EXPECT_FALSE(ScriptTextLesen("Gravimonte Script\r\n"));
    EXPECT_FALSE(ScriptTextLesen("clear\r\nGravimonte-Script\r\n"));
    EXPECT_FALSE(ScriptTextLesen(""));
    EXPECT_FALSE(ScriptTextLesen(std::string("Gravimonte-Script\0\n", 19)));
}

TEST(ScriptTextLesen, KeepsTheFirstTwoHundredLines) {
    std::string text = "Gravimonte-Script\r\n";
    for (int i = 1; i <= 230; ++i)
        text += "paintmode(" + std::to_string(i) + ")\r\n";
    auto zeilen = ScriptTextLesen(text);
    ASSERT_TRUE(zeilen);
    ASSERT_EQ(zeilen->size(), 200u);
    EXPECT_EQ(zeilen->front(), "paintmode(1)");
    EXPECT_EQ(zeilen->back(), "paintmode(200)");
}

TEST_F(SkriptDateiTest, WritesHeaderAndLinesWithCrLf) {
    dok->ScriptAufnahme = true;
    ScriptAnhaengen(*dok, "clear");
    ScriptAnhaengen(*dok, "gamma(1.000, 0.500, 0.500, 0.500, 3)");
    const std::string pfad = (ordner / "s.txt").string();
    ASSERT_TRUE(ScriptDateiSpeichern(*dok, pfad));
    EXPECT_EQ(dateiInhalt(pfad),
              "Gravimonte-Script\r\nclear\r\ngamma(1.000, 0.500, 0.500, 0.500, 3)\r\n");
    EXPECT_EQ(dok->ScriptAnzahl, 2);
    EXPECT_TRUE(dok->ScriptAufnahme);
}

TEST_F(SkriptDateiTest, LoadingReplacesTheListButNotTheRecordingFlag) {
    dok->ScriptAufnahme = true;
    for (int i = 0; i < 5; ++i)
        ScriptAnhaengen(*dok, "invert");
    ASSERT_TRUE(ScriptDateiLaden(*dok, schreibe("a.txt", " Gravimonte-Script \nclear\nmodify")));
    EXPECT_EQ(dok->ScriptAnzahl, 2);
    EXPECT_EQ(dok->ScriptListe[1], "clear");
    EXPECT_EQ(dok->ScriptListe[2], "modify");
    EXPECT_EQ(dok->ScriptListe[3], "");  // old lines beyond the new count are gone
    EXPECT_TRUE(dok->ScriptAufnahme);
}

TEST_F(SkriptDateiTest, ABadHeaderOrMissingFileLeavesTheList) {
    dok->ScriptAufnahme = true;
    ScriptAnhaengen(*dok, "invert");
    ScriptAnhaengen(*dok, "clear");
    Status s = ScriptDateiLaden(*dok, schreibe("b.txt", "gravimonte-script\r\nmodify\r\n"));
    EXPECT_FALSE(s);
    EXPECT_NE(s.meldung().find("not a script file"), std::string::npos) << s.meldung();
    EXPECT_FALSE(ScriptDateiLaden(*dok, (ordner / "fehlt.txt").string()));
    EXPECT_FALSE(ScriptDateiLaden(*dok, ordner.string()));  // a folder
    EXPECT_EQ(dok->ScriptAnzahl, 2);
    EXPECT_EQ(dok->ScriptListe[1], "invert");
    EXPECT_EQ(dok->ScriptListe[2], "clear");
}

TEST_F(SkriptDateiTest, SaveThenLoadRoundTripsOddLines) {
    dok->ScriptAufnahme = true;
    const Liste zeilen = {" Gamma ( 1 ,2) // c", "\tpaintmode(3)\t", "", "clear"};
    for (const auto& z : zeilen)
        ScriptAnhaengen(*dok, z);
    const std::string pfad = (ordner / "r.txt").string();
    ASSERT_TRUE(ScriptDateiSpeichern(*dok, pfad));
    auto neu = std::make_unique<Dokument>();
    ASSERT_TRUE(ScriptDateiLaden(*neu, pfad));
    ASSERT_EQ(neu->ScriptAnzahl, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(neu->ScriptListe[i], zeilen[i - 1]);
}

TEST_F(SkriptDateiTest, WriteFailureLeavesTheListAndReportsIt) {
    dok->ScriptAufnahme = true;
    ScriptAnhaengen(*dok, "clear");
    Status s = ScriptDateiSpeichern(*dok, (ordner / "fehlt" / "x.txt").string());
    EXPECT_FALSE(s);
    EXPECT_FALSE(s.meldung().empty());
    EXPECT_EQ(dok->ScriptAnzahl, 1);
}

TEST(ScriptTextLesenFuzz, RandomBytesAndEveryPrefixOfAValidFile) {
    const std::string gueltig = "Gravimonte-Script\r\nclear\r\npaintmode(3)\nmodify";
    for (std::size_t n = 0; n <= gueltig.size(); ++n) {
        auto zeilen = ScriptTextLesen(gueltig.substr(0, n));
        EXPECT_EQ(zeilen.has_value(), n >= 17) << n;
        if (zeilen) {
            EXPECT_LE(zeilen->size(), 3u);
        }
    }
    std::mt19937 rng(77);
    for (int i = 0; i < 3000; ++i) {
        std::string text = (i % 2) ? "Gravimonte-Script\n" : "";
        const std::size_t laenge = rng() % 600;
        for (std::size_t k = 0; k < laenge; ++k)
            text += (rng() % 4 == 0) ? "\r\n"[rng() % 2] : char(rng() % 256);
        auto zeilen = ScriptTextLesen(text);
        if (i % 2) {
            ASSERT_TRUE(zeilen);
        }
        if (zeilen) {
            ASSERT_LE(zeilen->size(), 200u);
        }
    }
}

}  // namespace
}  // namespace gm
