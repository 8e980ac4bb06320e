#include <gtest/gtest.h>

#include "app/zahl_einlesen.h"

namespace gm {
namespace {

TEST(ZahlEinlesen, ReadsCommaAndBoundsEverything) {
    auto e = ZahlEinlesen("2,5", false, 10, 0);
    EXPECT_TRUE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 2.5);
    e = ZahlEinlesen("abc", false, 10, -10);
    EXPECT_TRUE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 0.0);
    e = ZahlEinlesen("abc", true, 2049, 5);  // reads 0, then bounded
    EXPECT_FALSE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 5);
    e = ZahlEinlesen("", true, 2049, 5);
    EXPECT_FALSE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 5);
    e = ZahlEinlesen("  3000 ", true, 2049, 5);
    EXPECT_FALSE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 2049);
    e = ZahlEinlesen("4", true, 2049, 5);
    EXPECT_DOUBLE_EQ(e.wert, 5);
    e = ZahlEinlesen("257,9", true, 2049, 5);  // the fraction is dropped
    EXPECT_TRUE(e.akzeptiert);
    EXPECT_DOUBLE_EQ(e.wert, 257);
    e = ZahlEinlesen("1,5,5", false, 10, 0);  // only the first comma turns
    EXPECT_DOUBLE_EQ(e.wert, 0.0);
    // Beyond a double, or infinite, reads as large as it is, not as 0.
    for (const char* gross : {"1e400", "inf", "+INF", "Infinity", "1,5e400", "9e99999"}) {
        e = ZahlEinlesen(gross, false, 10, 2);
        EXPECT_FALSE(e.akzeptiert) << gross;
        EXPECT_DOUBLE_EQ(e.wert, 10) << gross;
        EXPECT_DOUBLE_EQ(ZahlEinlesen(gross, true, 2049, 5).wert, 2049) << gross;
    }
    for (const char* klein : {"-1e400", "-inf"}) {
        EXPECT_DOUBLE_EQ(ZahlEinlesen(klein, false, 10, 2).wert, 2) << klein;
    }
    EXPECT_DOUBLE_EQ(ZahlEinlesen("1e-400", false, 10, -1).wert, 0.0);
    EXPECT_DOUBLE_EQ(ZahlEinlesen("nan", false, 10, -1).wert, 0.0);
}

}  // namespace
}  // namespace gm
