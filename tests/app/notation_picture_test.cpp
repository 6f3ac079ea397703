// The notation pictures of the help pages: as wide as the motives they show, cut to the
// motives there are, and really drawn.
#include <gtest/gtest.h>

#include "app/notation_picture.h"
#include "model/period_data.h"

namespace {

TPeriodData twoMotives() {
    TPeriodData period;
    period.buildFromLayout({1}, {2}, {5}, TKey(1, MAJOR), TMeasure(), 60, 100);
    for (const TMotiveAddress& a : period.motiveAddresses())
        period.motiveAt(a).notes = {TNote(180, 21, 60), TNote(240, 24, 240)};
    return period;
}

int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 80;
    return dark;
}

}  // namespace

TEST(NotationPicture, ShowsTheMotivesSideBySideAndOnlyThoseThereAre) {
    TPeriodData period = twoMotives();
    const QImage one = notationPicture(period, 0, 1);
    const QImage two = notationPicture(period, 0, 2);
    ASSERT_FALSE(one.isNull());
    EXPECT_GT(two.width(), one.width() * 3 / 2);
    EXPECT_EQ(two.height(), one.height());
    // asking for more than there are shows what there is
    EXPECT_EQ(notationPicture(period, 1, 5).size(), one.size());
    EXPECT_TRUE(notationPicture(period, 2, 1).isNull());
    // staff lines and note heads, not an empty frame
    EXPECT_GT(darkPixels(one), 200);
    EXPECT_GT(darkPixels(two), 2 * darkPixels(one) - 50);
}
