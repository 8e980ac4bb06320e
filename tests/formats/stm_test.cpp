#include "formats/stm.h"

#include <gtest/gtest.h>

#include "formats_hilfen.h"

namespace gm {
namespace {

using test::Bytes;

// Header with the size as four characters each, six filler bytes, then the
// samples from wert(i, j), first index outer.
template <class F>
std::string stmDatei(const std::string& w, const std::string& h, int nw, int nh, F wert) {
    Bytes b;
    b.text("STM").text(w).text(h).text("abcdef");
    for (int i = 0; i < nw; ++i) {
        for (int j = 0; j < nh; ++j)
            b.u16(wert(i, j));
    }
    return b.s;
}

TEST(StmLesen, DropsLastRowAndColumnAndNormalises) {
    // 11 x 12: field of 10 x 11; the 65535 in the dropped last column and row
    // must not take part in the normalisation.
    auto wert = [](int i, int j) -> unsigned {
        if (i == 10 || j == 11) return 65535;
        return i == 2 && j == 3 ? 300 : 100;
    };
    Dokument dok;
    test::musterSetzen(dok);
    ASSERT_TRUE(stmDekodieren(dok, stmDatei("0011", "0012", 11, 12, wert)).ok());
    ASSERT_EQ(dok.MaxX, 9);
    ASSERT_EQ(dok.MaxY, 10);
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 10; ++y) {
            ASSERT_EQ(dok.Hoehenfeld(x, y), (x == 2 && y == 3) ? 1.0 : 0.0) << x << "," << y;
            ASSERT_EQ(dok.UndoBild(x, y), dok.Hoehenfeld(x, y));
        }
    }
    EXPECT_FALSE(dok.AblageBelegt());
    EXPECT_EQ(dok.Maske(1, 0), 1);  // the other grids are not cleared
}

TEST(StmLesen, Size513GivesField512AndExtremesNormalise) {
    auto wert = [](int i, int j) -> unsigned { return (i + j) % 2 ? 65535 : 0; };
    Dokument dok;
    ASSERT_TRUE(stmDekodieren(dok, stmDatei("0513", "0513", 513, 513, wert)).ok());
    EXPECT_EQ(dok.MaxX, 511);
    EXPECT_EQ(dok.MaxY, 511);
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.0);
    EXPECT_EQ(dok.Hoehenfeld(0, 1), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(511, 510), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(511, 511), 0.0);
}

TEST(StmLesen, BadFilesChangeNothing) {
    auto wert = [](int i, int j) -> unsigned { return unsigned(i * 100 + j); };
    const std::string gut = stmDatei("0011", "0011", 11, 11, wert);
    std::vector<std::pair<std::string, std::string>> faelle;
    for (std::size_t n = 0; n < gut.size(); ++n) {
        faelle.push_back({"prefix " + std::to_string(n), gut.substr(0, n)});
    }
    faelle.push_back({"width 10", stmDatei("0010", "0011", 10, 11, wert)});
    faelle.push_back({"height 10", stmDatei("0011", "0010", 11, 10, wert)});
    faelle.push_back({"width 2051", "STM20510011abcdef" + std::string(2051 * 11 * 2, '\0')});
    faelle.push_back({"width 9999", "STM99990011abcdef"});
    faelle.push_back({"zero", "STM00000000abcdef"});
    faelle.push_back({"letters", "STM00x10011abcdef" + gut.substr(17)});
    faelle.push_back({"minus", "STM-0110011abcdef" + gut.substr(17)});
    faelle.push_back({"blank", "STM    0011abcdef" + gut.substr(17)});
    faelle.push_back({"signature", "STN" + gut.substr(3)});
    for (const auto& [name, daten] : faelle) {
        Dokument dok;
        test::musterSetzen(dok);
        const test::Abbild vorher = test::abbild(dok);
        EXPECT_FALSE(stmDekodieren(dok, daten).ok()) << name;
        EXPECT_TRUE(test::abbild(dok) == vorher) << name;
    }
    Dokument dok;
    EXPECT_TRUE(stmDekodieren(dok, gut + 'x').ok());
    EXPECT_TRUE(stmDekodieren(dok, "STM  11  11abcdef" + gut.substr(17)).ok());
    const std::string pfad = test::tempPfad("f.stm");
    test::dateiAnlegen(pfad, gut);
    EXPECT_TRUE(LiesStm(dok, pfad).ok());
    EXPECT_FALSE(LiesStm(dok, "/nonexistent/f.stm").ok());
}

}  // namespace
}  // namespace gm
