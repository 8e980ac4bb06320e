// The COFFEE export against a reference that slides a four-byte window over
// the template as the export is described, and against texts written out.

#include "formats/coffee.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "core/atomare_datei.h"
#include "formats/formats_hilfen.h"

namespace gm::test {
namespace {

// The window reference: three bytes first, then one byte at a time; a full
// window spelling a placeholder is replaced and the window refilled with the
// next three bytes (as many as there are), else its oldest byte is written.
std::string fensterReferenz(const std::string& vorlage,
                            const std::map<std::string, std::string>& ersatz) {
    std::string aus, fenster;
    std::size_t i = 0;
    auto lesen = [&](std::size_t n) {
        for (; n > 0 && i < vorlage.size(); --n)
            fenster += vorlage[i++];
    };
    lesen(3);
    while (i < vorlage.size()) {
        lesen(1);
        if (auto it = ersatz.find(fenster); it != ersatz.end()) {
            aus += it->second;
            fenster.clear();
            lesen(3);
        } else {
            aus += fenster[0];
            fenster.erase(0, 1);
        }
    }
    return aus + fenster;
}

TEST(Coffee, PlaceholdersAreReplacedAsTheWindowFindsThem) {
    ColourState farben;
    CoffeeRec rec;
    farben.Render.HoehenZufall = -0.05;
    farben.Render.Schnee = true;
    const std::string vorlage = "a PLID|NAME|SCAX|SCEY|SCHV|FELV|SCF1|HOEV|ACO1\nPAL1KOO1end";
    const std::string erwartet =
        "a 18812|Landschaft 01|0.9000|0.1000|1|0|vector(1.0000,1.0000,1.0000);|-0.0500|1\n"
        "\tcolors[ 0] = vector(1.000,1.000,1.000);\r\n"
        "\tcolors[ 1] = vector(0.000,0.000,0.000);\r\n"
        "\tLocColors[ 0] = 1.000;\r\n"
        "\tLocColors[ 1] = 0.000;\r\n"
        "end";
    EXPECT_EQ(CoffeeFuellen(vorlage, farben, rec), erwartet);

    const std::map<std::string, std::string> ersatz = {{"PLID", "18812"}, {"NAME", "<n>"}};
    rec.Name = "<n>";
    for (const std::string t :
         {"", "P", "PL", "PLI", "PLID", "xPLID", "PLIDPLID", "PPLIDD", "PL\nID", "NAMEPLI",
          "no placeholder at all\r\n", "NAM", "xxNAME", "NAMENAMENAME"}) {
        EXPECT_EQ(CoffeeFuellen(t, farben, rec), fensterReferenz(t, ersatz)) << t;
    }
}

TEST(Coffee, PaletteLinesRunFromTheTopWithPaddedIndices) {
    ColourState farben;
    Palette& p = farben.palette(2);
    p.MaxIndex = 12;
    for (int k = 0; k <= 12; ++k)
        p.Punkte[std::size_t(k)] = {k / 12.0, k / 12.0, 0.5, 1.0 - k / 12.0};
    const std::string text = CoffeeFuellen("PAL2|ACO2|KOO2", farben, CoffeeRec{});
    std::string erwartet;
    for (int k = 0; k <= 12; ++k) {
        const double v = (12 - k) / 12.0;
        char zeile[80];
        std::snprintf(zeile, sizeof zeile, "\tcolors[%2d] = vector(%5.3f,0.500,%5.3f);\r\n", k, v,
                      1.0 - v);
        erwartet += zeile;
    }
    erwartet += "|12|";
    for (int k = 0; k <= 12; ++k) {
        char zeile[80];
        std::snprintf(zeile, sizeof zeile, "\tLocColors[%2d] = %5.3f;\r\n", k, (12 - k) / 12.0);
        erwartet += zeile;
    }
    EXPECT_EQ(text, erwartet);
}

TEST(Coffee, MissingTemplateOrUnwritableTargetIsRefusedAndWritesNothing) {
    TestOrdner ordner;
    ColourState farben;
    CoffeeRec rec;
    const std::string ziel = ordner.datei("aus.cof");

    rec.Vorlage = ordner.datei("fehlt.cof");
    EXPECT_FALSE(SchreibeCoffee(farben, rec, ziel));
    rec.Vorlage.clear();
    EXPECT_FALSE(SchreibeCoffee(farben, rec, ziel));
    EXPECT_FALSE(std::filesystem::exists(ziel));

    rec.Vorlage = ordner.datei("vorlage.cof");
    dateiAnlegen(rec.Vorlage, "id PLID");
    EXPECT_FALSE(SchreibeCoffee(farben, rec, ordner.datei("fehlt/aus.cof")));
    ASSERT_TRUE(SchreibeCoffee(farben, rec, ziel));
    EXPECT_EQ(dateiInhalt(ziel), "id 18812");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 2);
}

TEST(Coffee, ShippedTemplateHoldsEveryPlaceholderAndFillsThemAll) {
    std::string vorlage;
    ASSERT_TRUE(dateiLesen(GM_DATEN_ORDNER "/VolumeMask.cof", vorlage));
    const char* const namen[] = {"PAL1", "PAL2", "KOO1", "KOO2", "ACO1", "ACO2", "PLID", "NAME",
                                 "SCAX", "SCEX", "SCAY", "SCEY", "SCHV", "SCF1", "SCF2", "FEAX",
                                 "FEEX", "FEAY", "FEEY", "FELV", "FEF1", "FEF2", "HOEV", "ZUFA",
                                 "XABH", "ZUFS", "XABS", "ZUFF", "XABF"};
    CoffeeRec rec;
    rec.Name = "Tal";
    const std::string gefuellt = CoffeeFuellen(vorlage, ColourState{}, rec);
    for (const char* n : namen) {
        EXPECT_NE(vorlage.find(n), std::string::npos) << n;
        EXPECT_EQ(gefuellt.find(n), std::string::npos) << n;
    }
    EXPECT_NE(gefuellt.find("\"Tal\""), std::string::npos);
}

TEST(Coffee, ProposedFileNameStaysInTheChosenFolder) {
    EXPECT_EQ(CoffeeDateiname("Landschaft 01"), "Landschaft 01.cof");
    EXPECT_EQ(CoffeeDateiname("../../etc/x"), ".._.._etc_x.cof");
    EXPECT_EQ(CoffeeDateiname("a\\b"), "a_b.cof");
    EXPECT_EQ(CoffeeDateiname(""), "_.cof");
}

}  // namespace
}  // namespace gm::test
