#include "core/faeden.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace gm {

std::thread Faeden::fadenStarten(std::function<void()> lauf) {
    return std::thread(std::move(lauf));
}

Faeden::Faeden(int teile, Starter starten) : teile_(std::max(teile, 1)) {
    faeden_.reserve(std::size_t(teile_ - 1));
    for (int teil = 1; teil < teile_; ++teil) {
        try {
            faeden_.push_back(starten([this, teil] { helfer(teil); }));
        } catch (const std::system_error&) {
            break;  // this part and the later ones run on the calling thread
        } catch (...) {
            beenden();  // no destructor runs for a half-made object
            throw;
        }
    }
}

Faeden::~Faeden() {
    beenden();
}

void Faeden::beenden() {
    {
        std::lock_guard<std::mutex> l(mutex_);
        ende_ = true;
    }
    auftrag_.notify_all();
    for (auto& f : faeden_)
        f.join();
    faeden_.clear();
}

void Faeden::alleAusfuehren(Aufruf aufruf, void* arbeit) {
    {
        std::lock_guard<std::mutex> l(mutex_);
        aufruf_ = aufruf;
        arbeit_ = arbeit;
        offen_ = int(faeden_.size());
        fehler_ = nullptr;
        ++runde_;
    }
    auftrag_.notify_all();
    // Part 0, then the parts without a thread; each runs even when an
    // earlier one failed, as the parts on threads do.
    std::exception_ptr eigener;
    auto laufen = [&](int teil) {
        try {
            aufruf(arbeit, teil);
        } catch (...) {
            if (!eigener) eigener = std::current_exception();
        }
    };
    laufen(0);
    for (int teil = int(faeden_.size()) + 1; teil < teile_; ++teil)
        laufen(teil);
    // The helpers use `arbeit`, which lives in the caller: wait for them even
    // when the caller's own part failed.
    std::unique_lock<std::mutex> l(mutex_);
    erledigt_.wait(l, [this] { return offen_ == 0; });
    if (eigener) std::rethrow_exception(eigener);
    if (fehler_) std::rethrow_exception(fehler_);
}

void Faeden::helfer(int teil) {
    std::uint64_t gesehen = 0;
    for (;;) {
        Aufruf aufruf;
        void* arbeit;
        {
            std::unique_lock<std::mutex> l(mutex_);
            auftrag_.wait(l, [&] { return ende_ || runde_ != gesehen; });
            if (ende_) return;
            gesehen = runde_;
            aufruf = aufruf_;
            arbeit = arbeit_;
        }
        std::exception_ptr fehler;
        try {
            aufruf(arbeit, teil);
        } catch (...) {
            fehler = std::current_exception();
        }
        std::lock_guard<std::mutex> l(mutex_);
        if (fehler && !fehler_) fehler_ = fehler;
        if (--offen_ == 0) erledigt_.notify_one();
    }
}

}  // namespace gm
