#include "core/feld.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace gm {

namespace {
template <class T>
T* allocateZeroed(std::size_t count) {
    void* p = std::calloc(count, sizeof(T));
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
}
}  // namespace

TFeld::TFeld() : daten_(allocateZeroed<double>(FeldZellen)) {}

void TFeld::fuellen(double wert) {
    std::fill_n(daten_.get(), FeldZellen, wert);
}

TMaske::TMaske() : daten_(allocateZeroed<std::uint8_t>(std::size_t(MaskeKante) * MaskeKante)) {}

void TMaske::fuellen(std::uint8_t wert) {
    std::memset(daten_.get(), wert, std::size_t(MaskeKante) * MaskeKante);
}

}  // namespace gm
