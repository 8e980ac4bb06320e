#pragma once
// The sweeps of the standard blur along y: every column of [anfang, ende)
// forwards from its first cell, then backwards from its last forward value,
// each sweep writing the free cells; v(i) = a v(i - 1) + b H(i).

#include "core/dokument.h"

namespace gm {

void SpaltenGlaetten(Dokument& dok, int anfang, int ende, double a, double b);

}  // namespace gm
