#include "core/fortschritt.h"

#include <utility>

namespace gm {

namespace {
thread_local FortschrittHoerer* hoererDesFadens = nullptr;
}  // namespace

void FortschrittMelden(double anteil) {
    if (hoererDesFadens && *hoererDesFadens) (*hoererDesFadens)(anteil);
}

FortschrittHoeren::FortschrittHoeren(FortschrittHoerer hoerer)
    : hoerer_(std::move(hoerer)), vorher_(hoererDesFadens) {
    hoererDesFadens = &hoerer_;
}

FortschrittHoeren::~FortschrittHoeren() {
    hoererDesFadens = vorher_;
}

}  // namespace gm
