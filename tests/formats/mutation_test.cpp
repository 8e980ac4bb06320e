// Deterministic mutation runs over every reader: random byte changes, inserts,
// deletions and truncations of valid files. A reader may accept a mutant, but
// when it refuses one the document must be exactly as before. Run under the
// sanitizer build this also catches every over-read.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "formats/bild_import.h"
#include "formats/bmp.h"
#include "formats/png16.h"
#include "formats/stm.h"
#include "formats/terragen.h"
#include "formats_hilfen.h"
#include "jpeg_hilfen.h"

namespace gm {
namespace {

using Leser = std::function<Status(Dokument&, const std::string&)>;

std::string mutieren(std::string s, std::mt19937& zufall) {
    const int schritte = 1 + int(zufall() % 4);
    for (int i = 0; i < schritte; ++i) {
        const std::size_t pos = s.empty() ? 0 : zufall() % s.size();
        switch (zufall() % 5) {
            case 0:
                if (!s.empty()) s[pos] = char(zufall());
                break;
            case 1:
                if (!s.empty()) s[pos] ^= char(1u << (zufall() % 8));
                break;
            case 2:
                s.insert(pos, 1, char(zufall()));
                break;
            case 3:
                if (!s.empty()) s.erase(pos, 1 + zufall() % 8);
                break;
            default:
                s.resize(pos);
        }
    }
    return s;
}

void mutationsLauf(const std::string& gut, const Leser& lesen, unsigned saat) {
    std::mt19937 zufall(saat);
    {
        Dokument dok;
        ASSERT_TRUE(lesen(dok, gut).ok()) << "the unmutated file must read";
    }
    Dokument dok;
    for (int runde = 0; runde < 1500; ++runde) {
        test::musterSetzen(dok);
        const test::Abbild vorher = test::abbild(dok);
        const std::string mutant = mutieren(gut, zufall);
        if (!lesen(dok, mutant).ok()) {
            ASSERT_TRUE(test::abbild(dok) == vorher) << "round " << runde;
        } else {
            ASSERT_GE(dok.MaxX, 4);
            ASSERT_LE(dok.MaxX, 2048);
            ASSERT_GE(dok.MaxY, 4);
            ASSERT_LE(dok.MaxY, 2048);
        }
    }
}

TEST(Mutation, TerragenReader) {
    Dokument quelle;
    test::feldSetzen(quelle, {{0, 0.1, 0.2, 0.3, 0.4},
                              {1, 0.9, 0.8, 0.7, 0.6},
                              {0, 0, 0, 0, 0},
                              {0.5, 0.5, 0.5, 0.5, 0.5},
                              {0.2, 0.4, 0.6, 0.8, 1}});
    TerragenRec rec;
    const std::string gut = terragenKodieren(quelle, rec, false);
    mutationsLauf(
        gut,
        [](Dokument& dok, const std::string& d) {
            TerragenRec r;
            return terragenDekodieren(dok, r, d);
        },
        1);
}

TEST(Mutation, StmReader) {
    std::string gut = "STM00110012abcdef";
    for (int i = 0; i < 11 * 12; ++i)
        gut += test::Bytes().u16(unsigned(i * 401)).s;
    mutationsLauf(gut, stmDekodieren, 2);
}

TEST(Mutation, PictureReaders) {
    const std::string bmp = bmpKodieren(6, 5, [](int x, int y) {
        return RGB8{std::uint8_t(x * 40), std::uint8_t(y * 50), std::uint8_t(x * y)};
    });
    auto bild = [](Dokument& dok, const std::string& d) {
        RGBBild b;
        Status s = bildDekodieren(d, b);
        return s ? BildImportieren(dok, b) : s;
    };
    mutationsLauf(bmp, bild, 3);

    Dokument quelle;
    test::feldSetzen(quelle, {{0, 0.1, 0.2, 0.3, 0.4},
                              {1, 0.9, 0.8, 0.7, 0.6},
                              {0, 0, 0, 0, 0},
                              {0.5, 0.5, 0.5, 0.5, 0.5},
                              {0.2, 0.4, 0.6, 0.8, 1}});
    std::string png;
    ASSERT_TRUE(png16Kodieren(quelle, png).ok());
    // The PNG import reads from a file; each mutant is written to the same one.
    const std::string pfad = test::tempPfad("mutant.png");
    mutationsLauf(
        png,
        [&pfad](Dokument& dok, const std::string& d) {
            test::dateiAnlegen(pfad, d);
            return png16Lesen(dok, pfad);
        },
        4);

    // A small colour JPEG through the same picture import as the BMP.
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x)
            rgb.insert(rgb.end(),
                       {std::uint8_t(x * 30), std::uint8_t(y * 40), std::uint8_t(x * y)});
    }
    mutationsLauf(test::jpeg(8, 6, rgb), bild, 5);
}

}  // namespace
}  // namespace gm
