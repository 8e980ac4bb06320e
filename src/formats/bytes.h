#pragma once
// Little-endian byte packing for the file writers and a bounds-checked cursor
// for the readers. Readers never index file data except through ByteLeser.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace gm {

inline void anhaengenU8(std::string& s, unsigned v) {
    s.push_back(char(v & 0xFF));
}
inline void anhaengenU16(std::string& s, unsigned v) {
    anhaengenU8(s, v);
    anhaengenU8(s, v >> 8);
}
inline void anhaengenI16(std::string& s, int v) {
    anhaengenU16(s, unsigned(std::uint16_t(v)));
}
inline void anhaengenU32(std::string& s, std::uint32_t v) {
    anhaengenU16(s, v & 0xFFFF);
    anhaengenU16(s, v >> 16);
}
inline void anhaengenF32(std::string& s, double v) {
    const float f = float(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    anhaengenU32(s, bits);
}

// Reads from a byte span; every read checks the bytes left and fails softly:
// a failed read returns false and leaves the position unchanged.
class ByteLeser {
  public:
    explicit ByteLeser(std::string_view daten) : daten_(daten) {}

    std::size_t position() const { return pos_; }
    std::size_t groesse() const { return daten_.size(); }
    std::size_t rest() const { return daten_.size() - pos_; }
    bool hat(std::size_t n) const { return n <= rest(); }
    bool setzen(std::size_t pos) {
        if (pos > daten_.size()) return false;
        pos_ = pos;
        return true;
    }
    bool ueberspringen(std::size_t n) { return hat(n) && setzen(pos_ + n); }

    bool u8(unsigned& v) {
        if (!hat(1)) return false;
        v = byteAn(pos_++);
        return true;
    }
    bool u16(unsigned& v) {
        if (!hat(2)) return false;
        v = byteAn(pos_) | byteAn(pos_ + 1) << 8;
        pos_ += 2;
        return true;
    }
    bool i16(int& v) {
        unsigned u;
        if (!u16(u)) return false;
        v = int(std::int16_t(std::uint16_t(u)));
        return true;
    }
    bool u32(std::uint32_t& v) {
        unsigned lo = 0, hi = 0;
        if (!hat(4)) return false;
        u16(lo);
        u16(hi);
        v = std::uint32_t(lo) | std::uint32_t(hi) << 16;
        return true;
    }
    bool i32(std::int32_t& v) {
        std::uint32_t u;
        if (!u32(u)) return false;
        v = std::int32_t(u);
        return true;
    }
    bool f32(double& v) {
        std::uint32_t bits;
        if (!u32(bits)) return false;
        float f;
        std::memcpy(&f, &bits, 4);
        v = f;
        return true;
    }
    // Byte at an absolute position; the caller has checked it lies inside.
    unsigned byteAn(std::size_t pos) const { return static_cast<unsigned char>(daten_[pos]); }
    std::string_view daten() const { return daten_; }

  private:
    std::string_view daten_;
    std::size_t pos_ = 0;
};

}  // namespace gm
