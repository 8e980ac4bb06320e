#pragma once
// Runs arbeit(0) on the calling thread and arbeit(1) on a second thread, or
// both on the calling thread when the second cannot start. Has the shape of
// the core's two-thread helper, for which it stands in until that helper is
// on this branch; the parts must not depend on where or in which order they
// run.

#include <system_error>
#include <thread>

namespace gm {

template <class F>
void ZweiTeile(F&& arbeit) {
    std::thread zweiter;
    try {
        zweiter = std::thread([&arbeit] { arbeit(1); });
    } catch (const std::system_error&) {
        arbeit(0);
        arbeit(1);
        return;
    }
    arbeit(0);
    zweiter.join();
}

// The columns [anfang, ende) of part `teil` of 0..n-1 split in two.
struct Spalten {
    int anfang, ende;
};
inline Spalten haelfte(int teil, int n) {
    const int mitte = n / 2;
    return teil == 0 ? Spalten{0, mitte} : Spalten{mitte, n};
}

}  // namespace gm
