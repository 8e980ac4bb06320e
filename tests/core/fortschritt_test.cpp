#include "core/fortschritt.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace gm {
namespace {

TEST(Fortschritt, ReportsReachOnlyTheListenerOfTheirThreadAndStopThrows) {
    FortschrittMelden(0.5);  // nobody listens: nothing happens
    std::vector<double> aussen, innen;
    {
        FortschrittHoeren a([&](double x) { aussen.push_back(x); });
        FortschrittMelden(0.25);
        {
            FortschrittHoeren b([&](double x) { innen.push_back(x); });
            FortschrittMelden(0.5);
            // Another thread has no listener of its own.
            std::thread([] { FortschrittMelden(0.9); }).join();
        }
        FortschrittMelden(0.75);
    }
    FortschrittMelden(1.0);
    EXPECT_EQ(aussen, (std::vector<double>{0.25, 0.75}));
    EXPECT_EQ(innen, (std::vector<double>{0.5}));

    FortschrittHoeren stopp([](double x) {
        if (x >= 0.5) throw Abgebrochen{};
    });
    int schritte = 0;
    EXPECT_THROW(
        for (int i = 0; i < 10; ++i) {
            FortschrittMelden(i / 10.0);
            ++schritte;
        },
        Abgebrochen);
    EXPECT_EQ(schritte, 5);
}

}  // namespace
}  // namespace gm
