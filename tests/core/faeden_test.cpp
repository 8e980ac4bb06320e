#include "core/faeden.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

namespace gm {
namespace {

std::thread keinFaden(std::function<void()>) {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
}

// Starts the first thread it is asked for and fails on every later one.
int gestartet = 0;
std::thread nurEinFaden(std::function<void()> lauf) {
    if (gestartet++ > 0) return keinFaden(std::move(lauf));
    return Faeden::fadenStarten(std::move(lauf));
}

TEST(Faeden, EveryPartRunsOnceEachRoundWhetherOrNotItsThreadStarts) {
    struct Fall {
        Faeden::Starter starter;
        int gestartet;
    };
    for (const Fall fall :
         {Fall{&Faeden::fadenStarten, 3}, Fall{&keinFaden, 0}, Fall{&nurEinFaden, 1}}) {
        gestartet = 0;
        Faeden f(4, fall.starter);
        ASSERT_EQ(f.gestartet(), fall.gestartet);
        const auto ich = std::this_thread::get_id();
        for (int runde = 1; runde <= 3; ++runde) {
            std::vector<int> laeufe(4, 0);
            std::vector<std::thread::id> wo(4);
            f.ausfuehren([&](int teil) {
                ++laeufe[std::size_t(teil)];
                wo[std::size_t(teil)] = std::this_thread::get_id();
            });
            EXPECT_EQ(laeufe, std::vector<int>(4, 1)) << fall.gestartet;
            EXPECT_EQ(wo[0], ich);
            for (int teil = 1; teil < 4; ++teil) {
                // Parts with a thread of their own run there, the others here.
                EXPECT_EQ(wo[std::size_t(teil)] == ich, teil > fall.gestartet)
                    << fall.gestartet << " part " << teil;
            }
        }
    }
    // Two halves, with or without a second thread.
    std::vector<int> haelften(2, 0);
    ZweiFaeden([&](int teil) { haelften[std::size_t(teil)] += teil + 1; });
    EXPECT_EQ(haelften, (std::vector<int>{1, 2}));
}

TEST(Faeden, AFailingPartReachesTheCallerAfterEveryPartHasFinished) {
    for (Faeden::Starter starter : {&Faeden::fadenStarten, &keinFaden}) {
        Faeden f(3, starter);
        for (int fehlerTeil = 0; fehlerTeil < 3; ++fehlerTeil) {
            std::vector<int> fertig(3, 0);
            EXPECT_THROW(f.ausfuehren([&](int teil) {
                if (teil == fehlerTeil) throw std::runtime_error("kaputt");
                fertig[std::size_t(teil)] = 1;
            }),
                         std::runtime_error);
            for (int teil = 0; teil < 3; ++teil)
                EXPECT_EQ(fertig[std::size_t(teil)], teil != fehlerTeil) << fehlerTeil << teil;
        }
        // The threads are still there for the next round.
        std::vector<int> teile(3, -1);
        f.ausfuehren([&](int teil) { teile[std::size_t(teil)] = teil; });
        EXPECT_EQ(teile, (std::vector<int>{0, 1, 2}));
    }
}

}  // namespace
}  // namespace gm
