#include <gtest/gtest.h>

#include <QTest>

#include "app/regler.h"
#include "app/regler_widget.h"

namespace gm {
namespace {

// A 196 x 46 slider: Links 12, Rechts 184, Mitte 23.
struct Regler {
    explicit Regler(ReglerVorgabe v) : w(nullptr, 196, 46) { w.anlegen(v); }
    void druecken(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(&w, b, Qt::NoModifier, QPoint(x, y));
    }
    void ziehen(int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    void loslassen(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(&w, b, Qt::NoModifier, QPoint(x, y));
    }
    ReglerWidget w;
};

TEST(Regler, GeometryAndScalesFollowThePointer) {
    Regler lin({"Linear", 0, 1, 0.01, 0.2});
    EXPECT_EQ(lin.w.rec().Links, 12);
    EXPECT_EQ(lin.w.rec().Rechts, 184);
    EXPECT_EQ(lin.w.rec().Mitte, 23);
    lin.druecken(98, 23);  // f = 86 / 172
    EXPECT_DOUBLE_EQ(lin.w.wert(), 0.5);
    lin.ziehen(12, 23);
    EXPECT_DOUBLE_EQ(lin.w.wert(), 0.0);
    lin.ziehen(184, 23);
    EXPECT_DOUBLE_EQ(lin.w.wert(), 1.0);

    Regler log({"Log", 0.01, 100, 0.01, 5, true});
    log.druecken(98, 23);
    EXPECT_DOUBLE_EQ(log.w.wert(), 1.0);
    EXPECT_EQ(ReglerWertText(log.w.rec()), "1.00");
    log.ziehen(12, 23);
    EXPECT_DOUBLE_EQ(log.w.wert(), 0.01);
    // The inverse scale puts 1.0 back on the track centre.
    EXPECT_EQ(ReglerSpalteVon(log.w.rec(), 1.0), 98);
    EXPECT_EQ(ReglerSpalteVon(lin.w.rec(), 0.25), 12 + 43);
}

TEST(Regler, HoldingBeyondTheTrackStepsUntilTheBound) {
    Regler r({"Schritt", 0, 1, 0.01, 0.03});
    r.druecken(9, 23);  // 3 pixels left of the track
    EXPECT_NEAR(r.w.wert(), 0.02, 1e-12);
    r.ziehen(9, 23);
    EXPECT_NEAR(r.w.wert(), 0.01, 1e-12);
    r.ziehen(9, 24);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.0);
    r.ziehen(9, 23);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.0);  // clamped at Minimum
    r.ziehen(190, 23);                  // right step box
    EXPECT_NEAR(r.w.wert(), 0.01, 1e-12);
    r.loslassen(190, 23);
    r.ziehen(98, 23);  // no drag any more
    EXPECT_NEAR(r.w.wert(), 0.01, 1e-12);
}

TEST(Regler, OnlyTheTwelvePixelBandMoves) {
    Regler r({"Band", 0, 1, 0.01, 0.3});
    r.druecken(98, 23 - 12);  // starts the drag, outside the band
    EXPECT_TRUE(r.w.rec().Gezogen);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.3);
    r.ziehen(98, 23 + 12);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.3);
    r.ziehen(98, 23 + 11);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.5);
    r.ziehen(12, 23 - 11);
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.0);
}

TEST(Regler, SpreadIsBoundedByTheRange) {
    Regler r({"Streuung", 0, 1, 0.01, 0.9, false, true, 0.0});
    r.druecken(115, 23, Qt::RightButton);  // value 0.599 there: requested 0.3
    EXPECT_DOUBLE_EQ(r.w.wert(), 0.9);
    EXPECT_NEAR(r.w.streuung(), 0.1, 1e-12);
    EXPECT_EQ(ReglerWertText(r.w.rec()), "(0.90+/-0.10)");
    r.loslassen(115, 23, Qt::RightButton);

    // Moving the value towards the lower end shrinks the spread as well.
    r.druecken(12 + 9, 23);  // value at column 21 rounds to 0.05
    EXPECT_NEAR(r.w.wert(), 0.05, 1e-12);
    EXPECT_NEAR(r.w.streuung(), 0.05, 1e-12);

    // The right button beyond the track ends steps half a step.
    r.druecken(190, 23, Qt::RightButton);
    EXPECT_NEAR(r.w.streuung(), 0.05, 1e-12);  // still bounded by Wert - Minimum
    r.druecken(5, 23, Qt::RightButton);
    EXPECT_NEAR(r.w.streuung(), 0.045, 1e-12);

    // A slider without spread ignores the right button.
    Regler ohne({"Ohne", 0, 1, 0.01, 0.4});
    ohne.druecken(150, 23, Qt::RightButton);
    EXPECT_DOUBLE_EQ(ohne.w.wert(), 0.4);
    EXPECT_DOUBLE_EQ(ohne.w.streuung(), 0.0);
}

TEST(Regler, ArrowKeysStepTheValueAndShiftTheSpread) {
    Regler r({"Tasten", 0, 2, 0.5, 1.0, false, true, 0.0});
    int losgelassen = 0;
    QObject::connect(&r.w, &ReglerWidget::losgelassen, [&] { ++losgelassen; });
    QTest::keyClick(&r.w, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(r.w.wert(), 1.5);
    QTest::keyClick(&r.w, Qt::Key_Up);
    QTest::keyClick(&r.w, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(r.w.wert(), 2.0);
    QTest::keyClick(&r.w, Qt::Key_Left);
    QTest::keyClick(&r.w, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(r.w.wert(), 1.5);
    EXPECT_DOUBLE_EQ(r.w.streuung(), 0.25);
    EXPECT_EQ(losgelassen, 5);
}

TEST(Regler, DrawsTrackTicksMarkerAndBoxes) {
    Regler r({"Bild", 0, 1, 0.01, 0.5});
    const QImage& b = r.w.bild();
    const QRgb grau = qRgb(112, 112, 112);
    EXPECT_EQ(b.pixel(40, 44), grau);                     // background
    EXPECT_EQ(b.pixel(12, 23 + 6), qRgb(255, 255, 255));  // first tick
    EXPECT_EQ(b.pixel(55, 23 + 6), qRgb(255, 255, 255));  // tick i = 2 at 12 + 43
    EXPECT_EQ(b.pixel(56, 23 + 6), grau);
    EXPECT_EQ(b.pixel(7, 23 - 5), qRgb(192, 192, 192));  // track border
    EXPECT_EQ(b.pixel(40, 23), qRgb(255, 255, 255));     // track inside
    EXPECT_EQ(b.pixel(98, 23), qRgb(128, 128, 128));     // marker at column of 0.5
    EXPECT_EQ(b.pixel(3, 23), qRgb(255, 255, 255));      // left step box
    EXPECT_EQ(b.pixel(192, 23), qRgb(255, 255, 255));    // right step box
}

}  // namespace
}  // namespace gm
