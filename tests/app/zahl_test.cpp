#include <gtest/gtest.h>

#include "app/zahl_einlesen.h"
#include "app/zoom.h"

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
    e = ZahlEinlesen("1e400", false, 10, 0);  // out of range for a double
    EXPECT_DOUBLE_EQ(e.wert, 0.0);
}

TEST(Zoom, StepsAndLimits) {
    EXPECT_DOUBLE_EQ(*zoomPlusZiel(0.25), 1.0 / 3);
    EXPECT_DOUBLE_EQ(*zoomPlusZiel(1.0 / 3), 0.5);
    EXPECT_DOUBLE_EQ(*zoomPlusZiel(0.5), 1.0);
    EXPECT_DOUBLE_EQ(*zoomPlusZiel(1.0), 2.0);
    EXPECT_DOUBLE_EQ(*zoomPlusZiel(3.0), 4.0);
    EXPECT_FALSE(zoomPlusZiel(4.0));
    EXPECT_DOUBLE_EQ(*zoomMinusZiel(4.0), 3.0);
    EXPECT_DOUBLE_EQ(*zoomMinusZiel(1.0), 0.5);
    EXPECT_DOUBLE_EQ(*zoomMinusZiel(0.5), 1.0 / 3);
    EXPECT_DOUBLE_EQ(*zoomMinusZiel(1.0 / 3), 0.25);
    EXPECT_FALSE(zoomMinusZiel(0.25));

    EXPECT_FALSE(zoomErlaubt(2048, 2048, 1.0));
    EXPECT_TRUE(zoomErlaubt(2048, 2048, 0.5));
    EXPECT_TRUE(zoomErlaubt(1540, 4, 1.0));
    EXPECT_FALSE(zoomErlaubt(4, 1541, 1.0));

    EXPECT_DOUBLE_EQ(zoomEinpassen(2048, 2048, 1.0), 0.5);
    EXPECT_DOUBLE_EQ(zoomEinpassen(512, 512, 4.0), 2.0);  // 514 * 3 = 1542 is too large
    EXPECT_DOUBLE_EQ(zoomEinpassen(511, 511, 4.0), 3.0);  // 513 * 3 = 1539
    EXPECT_DOUBLE_EQ(zoomEinpassen(512, 512, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(zoomEinpassen(4, 4, 0.25), 0.25);   // never raised
    EXPECT_DOUBLE_EQ(zoomEinpassen(4, 1600, 2.0), 0.5);  // the larger axis decides

    EXPECT_EQ(bildKante(512, 1.0 / 3), 171);  // 513 / 3
    EXPECT_EQ(bildKante(2048, 0.5), 1024);    // 1024.5 rounds to even
    EXPECT_EQ(pixelZuProbe(9, 2.0), 4);       // 4.5 to even
    EXPECT_EQ(pixelZuProbe(11, 2.0), 6);      // 5.5 to even
    EXPECT_EQ(pixelZuProbe(7, 1.0 / 3), 21);
}

}  // namespace
}  // namespace gm
