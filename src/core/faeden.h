#pragma once
// Work split into parts that run on threads of their own when threads can be
// started, and on the calling thread when they cannot: a missing thread costs
// time, never the work. The parts must not depend on where or in which order
// they run.

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace gm {

// A fixed set of parts 0..teile-1. Part 0 always runs on the calling thread;
// every other part gets a thread, started once in the constructor and kept
// for every later run, so that a loop of short runs does not start a thread
// each time. A part whose thread could not be started (std::system_error)
// runs on the calling thread after part 0.
class Faeden {
  public:
    // Starts a thread running `lauf`; std::thread's own start unless a test
    // needs a start that fails.
    using Starter = std::thread (*)(std::function<void()> lauf);
    static std::thread fadenStarten(std::function<void()> lauf);

    explicit Faeden(int teile, Starter starten = &fadenStarten);
    ~Faeden();
    Faeden(const Faeden&) = delete;
    Faeden& operator=(const Faeden&) = delete;

    int teile() const { return teile_; }
    // Parts that run on threads of their own (0 when none could start).
    int gestartet() const { return int(faeden_.size()); }

    // Runs arbeit(teil) for every part and returns when all have finished.
    // An exception from a part is passed on once every part has finished.
    template <class F>
    void ausfuehren(F&& arbeit) {
        using Fn = std::remove_reference_t<F>;
        alleAusfuehren([](void* f, int teil) { (*static_cast<Fn*>(f))(teil); },
                       const_cast<void*>(static_cast<const void*>(&arbeit)));
    }

  private:
    using Aufruf = void (*)(void*, int);
    void alleAusfuehren(Aufruf aufruf, void* arbeit);
    void helfer(int teil);
    void beenden();

    int teile_;
    std::vector<std::thread> faeden_;  // faeden_[i] runs part i + 1
    std::mutex mutex_;
    std::condition_variable auftrag_, erledigt_;
    Aufruf aufruf_ = nullptr;
    void* arbeit_ = nullptr;
    std::uint64_t runde_ = 0;
    int offen_ = 0;
    bool ende_ = false;
    std::exception_ptr fehler_;
};

// Runs arbeit(0) and arbeit(1), on two threads, or both on the calling thread
// when a second one cannot start.
template <class F>
void ZweiFaeden(F&& arbeit) {
    Faeden f(2);
    f.ausfuehren(arbeit);
}

// The columns [anfang, ende) of one of two parts of n columns.
struct Spalten {
    int anfang, ende;
};
inline Spalten haelfte(int teil, int n) {
    const int mitte = n / 2;
    return teil == 0 ? Spalten{0, mitte} : Spalten{mitte, n};
}

// Runs f(x) for every active column x, the two halves on two threads.
template <class F>
void SpaltenZweiFaeden(int maxX, F&& f) {
    ZweiFaeden([&](int teil) {
        const Spalten s = haelfte(teil, maxX + 1);
        for (int x = s.anfang; x < s.ende; ++x)
            f(x);
    });
}

}  // namespace gm
