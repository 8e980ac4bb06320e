#pragma once
// The word table in code: number and German text of every word the interface
// uses. A word file of another language gives the same numbers other texts.

#include <span>

namespace gm {

struct Wort {
    int nummer;
    const char* text;  // UTF-8
};

std::span<const Wort> DeutscheWoerter();

}  // namespace gm
