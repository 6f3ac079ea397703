#include "app/key_box.h"

#include <gtest/gtest.h>

#include "app/pixel_probe.h"
#include "print/note_painter.h"

TEST(KeyBoxTest, NamedAndAsWideAsTheHeader) {
    TNotePainter painter;
    TKeyBox box(nullptr, &painter);
    EXPECT_EQ(box.accessibleName(), "Key and meter");
    EXPECT_EQ(box.size(), QSize(painter.headerWidth(0, TMeasure()), 180));
    box.setKeyAndMeter(-2, TMeasure());
    const int twoFlats = box.width();
    EXPECT_EQ(twoFlats, painter.headerWidth(-2, TMeasure()));
    EXPECT_EQ(box.signs(), -2);
    box.setKeyAndMeter(7, TMeasure(3, 60));
    EXPECT_GT(box.width(), twoFlats);
    EXPECT_EQ(box.meter(), TMeasure(3, 60));
    // without a shared painter it has its own
    TKeyBox own;
    EXPECT_EQ(own.width(), painter.headerWidth(0, TMeasure()));
}

TEST(KeyBoxTest, PaintsClefSignatureAndMeterLikeACanvas) {
    TKeyBox box;
    box.setKeyAndMeter(-2, TMeasure());
    const QImage image = renderAt(box, 1);
    const int width = box.width();
    // white above, the chord band's face below, as beside a motive canvas
    EXPECT_EQ(image.pixel(5, 0), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(5, 170), qRgb(212, 208, 200));
    // the header bitmap sits at y 1: staff lines at 31 .. 131 to the right edge
    EXPECT_EQ(image.pixel(width - 1, 31), BLACK);
    EXPECT_EQ(image.pixel(width - 1, 131), BLACK);
    EXPECT_EQ(image.pixel(width - 1, 36), WHITE_PIXEL);
    const std::set<int> lines = {31, 41, 51, 61, 71, 91, 101, 111, 121, 131};
    EXPECT_GT(darkPixels(image, QRect(5, 20, 30, 112), lines), 300);         // the clefs
    EXPECT_GT(darkPixels(image, QRect(50, 43, 6, 15), lines), 10);           // B flat
    EXPECT_GT(darkPixels(image, QRect(58, 28, 6, 15), lines), 10);           // E flat
    EXPECT_GT(darkPixels(image, QRect(70, 32, width - 70, 38), lines), 20);  // 2 over 4

    // crisp at ratio two
    const QImage sharp = renderAt(box, 2);
    EXPECT_EQ(sharp.pixel(2 * width - 2, 62), BLACK);
    EXPECT_EQ(sharp.pixel(2 * width - 2, 63), BLACK);
    EXPECT_EQ(sharp.pixel(2 * width - 2, 61), WHITE_PIXEL);
    EXPECT_EQ(sharp.pixel(2 * width - 2, 64), WHITE_PIXEL);
}
