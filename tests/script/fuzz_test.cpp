// Pseudo-random bytes through the line parser and the script file reader;
// run under the sanitizer build this finds reads past the end and other UB.

#include <gtest/gtest.h>

#include "support/test_ordner.h"

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "script/befehlstabelle.h"
#include "script/zeile.h"

namespace gm {
namespace {

// Random text biased towards the characters the parser looks at.
std::string zufallsText(std::mt19937& rng, std::size_t maxLaenge) {
    static const std::string besondere = "(),/ \t\r\n.-+eE0123456789";
    std::string text;
    if (rng() % 3 == 0) {
        auto tabelle = Befehlstabelle();
        text = tabelle[rng() % tabelle.size()].wort;
        if (rng() % 2) text += '(';
    }
    const std::size_t laenge = rng() % (maxLaenge + 1);
    for (std::size_t i = 0; i < laenge; ++i) {
        switch (rng() % 3) {
            case 0:
                text += char(rng() % 256);
                break;
            case 1:
                text += besondere[rng() % besondere.size()];
                break;
            default:
                text += char('a' + rng() % 26);
                break;
        }
    }
    return text;
}

// Lines such as save_terragen(...) write files: run inside a scratch folder.
class ImOrdner {
  public:
    ImOrdner() : vorher_(std::filesystem::current_path()) {
        std::filesystem::current_path(ordner_.pfad());
    }
    ~ImOrdner() { std::filesystem::current_path(vorher_); }

  private:
    test::TestOrdner ordner_;
    std::filesystem::path vorher_;
};

TEST(Fuzz, RandomLinesKeepTheStateValid) {
    ImOrdner ordner;
    auto s = std::make_unique<Sitzung>();
    s->dok.MaxX = 6;
    s->dok.MaxY = 4;
    std::mt19937 rng(20240611);
    for (int i = 0; i < 5000; ++i) {
        const std::string zeile = zufallsText(rng, i % 100 == 0 ? 5000 : 80);
        ZeileAusfuehren(*s, zeile);
        ASSERT_GE(s->dok.Verknuepfungsmodus, 1) << i;
        ASSERT_LE(s->dok.Verknuepfungsmodus, 13) << i;
    }
    for (int x = 0; x <= s->dok.MaxX; ++x)
        for (int y = 0; y <= s->dok.MaxY; ++y) {
            EXPECT_GE(s->dok.Hoehenfeld(x, y), 0.0);
            EXPECT_LE(s->dok.Hoehenfeld(x, y), 1.0);
        }
    EXPECT_EQ(s->dok.ScriptAnzahl, 0);
}

}  // namespace
}  // namespace gm
