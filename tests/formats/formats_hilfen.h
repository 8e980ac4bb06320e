#pragma once
// Shared helpers of the format tests: a recognisable document state that a
// failed read must leave as it was, byte builders and temporary files.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/test_ordner.h"

#include "core/dokument.h"

namespace gm::test {

// Cells compared by the snapshot: indices -1..Rand-1 cover every tiny test file.
constexpr int Rand = 24;

inline void musterSetzen(Dokument& dok) {
    dok.MaxX = 6;
    dok.MaxY = 9;
    for (int x = -1; x < Rand; ++x) {
        for (int y = -1; y < Rand; ++y) {
            dok.Hoehenfeld(x, y) = (x * 31 + y * 7) % 17 / 17.0;
            dok.UndoBild(x, y) = (x * 5 + y * 11) % 13 / 13.0;
            dok.Zweitbild(x, y) = (x + y) % 3 / 3.0;
            if (x >= 0 && y >= 0) dok.Maske(x, y) = (x + y) % 2;
        }
    }
    // Kept when already there: a fresh 2051 x 2051 grid in every round of a
    // long loop costs a tenth of a second each under the address sanitizer.
    if (!dok.Ablagebild) dok.Ablagebild = std::make_unique<TFeld>();
}

struct Abbild {
    int maxX, maxY;
    bool ablage;
    std::vector<double> hoehe, undo, zweit;
    std::vector<std::uint8_t> maske;
    bool operator==(const Abbild&) const = default;
};

inline Abbild abbild(const Dokument& dok) {
    Abbild a{dok.MaxX, dok.MaxY, dok.AblageBelegt(), {}, {}, {}, {}};
    for (int x = -1; x < Rand; ++x) {
        for (int y = -1; y < Rand; ++y) {
            a.hoehe.push_back(dok.Hoehenfeld(x, y));
            a.undo.push_back(dok.UndoBild(x, y));
            a.zweit.push_back(dok.Zweitbild(x, y));
            if (x >= 0 && y >= 0) a.maske.push_back(dok.Maske(x, y));
        }
    }
    return a;
}

// Little-endian byte building, written out here so that expected file bytes do
// not come from the code under test.
struct Bytes {
    std::string s;
    Bytes& text(const std::string& t) {
        s += t;
        return *this;
    }
    Bytes& u8(unsigned v) {
        s.push_back(char(v));
        return *this;
    }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    Bytes& i16(int v) { return u16(unsigned(v) & 0xFFFF); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& f32(float f) {
        std::uint32_t b;
        std::memcpy(&b, &f, 4);
        return u32(b);
    }
    Bytes& null(std::size_t n) {
        s.append(n, '\0');
        return *this;
    }
};

inline std::string tempPfad(const std::string& name) {
    // The process's own folder, removed when it ends: tests running in
    // parallel never share a file.
    static const test::TestOrdner ordner;
    return ordner.datei(name);
}

inline std::string dateiInhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void dateiAnlegen(const std::string& pfad, const std::string& inhalt) {
    std::ofstream f(pfad, std::ios::binary);
    f << inhalt;
}

// Sets a tiny field from rows written as they look: zeilen[y][x].
inline void feldSetzen(Dokument& dok, const std::vector<std::vector<double>>& zeilen) {
    dok.MaxY = int(zeilen.size()) - 1;
    dok.MaxX = int(zeilen[0].size()) - 1;
    for (int y = 0; y <= dok.MaxY; ++y) {
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Hoehenfeld(x, y) = zeilen[y][x];
    }
}

}  // namespace gm::test
