#include "notation/header_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "notation/notation_metrics.h"
#include "support/notation_fixtures.h"

namespace {

// A stand-in for the font: 7 pixels per digit.
int sevenPerDigit(const std::string& text) {
    return 7 * int(text.size());
}

std::vector<TPlacedItem> signsOf(const TPlacedItems& items) {
    std::vector<TPlacedItem> found;
    std::copy_if(items.begin(), items.end(), std::back_inserter(found), [](const TPlacedItem& i) {
        return i.kind == TItemKind::GLYPH && i.glyph != TGlyph::CLEF;
    });
    return found;
}

}  // namespace

TEST(HeaderLayoutTest, ClefStaffAndMeterWithoutSigns) {
    const TMeasure twoFour;
    const TPlacedItems items = layoutHeader(0, twoFour, sevenPerDigit);
    const int width = headerWidth(0, twoFour, sevenPerDigit);
    EXPECT_EQ(width, 48 + 7 + 5);

    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].glyph, TGlyph::CLEF);
    EXPECT_EQ(items[0].rect, (TPixelRect{0, 19, 43, 113}));
    const auto lines = ofKind(items, TItemKind::STAFF_LINE);
    ASSERT_EQ(lines.size(), 10u);
    for (const TPlacedItem& line : lines) {
        EXPECT_EQ(line.rect.x, 42);
        EXPECT_EQ(line.rect.right(), width);
    }
    EXPECT_TRUE(signsOf(items).empty());

    const auto texts = ofKind(items, TItemKind::TEXT);
    ASSERT_EQ(texts.size(), 4u);
    const int tops[] = {30, 50, 90, 110};
    const char* numbers[] = {"2", "4", "2", "4"};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].text, numbers[i]);
        EXPECT_EQ(texts[i].rect, (TPixelRect{48, tops[i], 7, 20}));
    }
}

TEST(HeaderLayoutTest, SharpsOnBothStaffs) {
    // A major: F, C, G sharp
    const TPlacedItems items = layoutHeader(3, TMeasure(3, 60), sevenPerDigit);
    const auto signs = signsOf(items);
    ASSERT_EQ(signs.size(), 6u);
    const int treble[] = {30, 27, 31};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(signs[i].glyph, TGlyph::SHARP);
        EXPECT_EQ(signs[i].rect, (TPixelRect{50 + 10 * int(i), pitchY(treble[i]) - 8, 8, 17}));
        EXPECT_EQ(signs[i + 3].rect,
                  (TPixelRect{50 + 10 * int(i), pitchY(treble[i] - 14) - 8, 8, 17}));
    }
    EXPECT_EQ(meterX(3), 84);
    const auto texts = ofKind(items, TItemKind::TEXT);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "3");
    EXPECT_EQ(texts[1].text, "8");
    EXPECT_EQ(texts[0].rect.x, 84);
    EXPECT_EQ(headerWidth(3, TMeasure(3, 60), sevenPerDigit), 84 + 7 + 5);
}

TEST(HeaderLayoutTest, FlatsAndTheirSpacing) {
    // G minor: B and E flat
    const TPlacedItems items = layoutHeader(-2, TMeasure(), sevenPerDigit);
    const auto signs = signsOf(items);
    ASSERT_EQ(signs.size(), 4u);
    EXPECT_EQ(signs[0].rect, (TPixelRect{50, pitchY(26) - 8, 6, 15}));
    EXPECT_EQ(signs[1].rect, (TPixelRect{58, pitchY(29) - 8, 6, 15}));
    EXPECT_EQ(signs[2].rect, (TPixelRect{50, pitchY(12) - 8, 6, 15}));
    EXPECT_EQ(signs[3].rect, (TPixelRect{58, pitchY(15) - 8, 6, 15}));
    for (const TPlacedItem& s : signs)
        EXPECT_EQ(s.glyph, TGlyph::FLAT);
    EXPECT_EQ(meterX(-2), 70);
}

TEST(HeaderLayoutTest, FullSignaturesAndTheWiderNumber) {
    for (const int32_t signs : {7, -7, 9, -12}) {
        SCOPED_TRACE(signs);
        const auto glyphs = signsOf(layoutHeader(signs, TMeasure(), sevenPerDigit));
        ASSERT_EQ(glyphs.size(), 14u);
        const auto& positions = signs > 0 ? SHARP_POSITIONS : FLAT_POSITIONS;
        const int step = signs > 0 ? 10 : 8;
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(glyphs[i].rect.x, 50 + step * int(i));
            EXPECT_EQ(glyphs[i].rect.y, pitchY(positions[i]) - 8);
            EXPECT_EQ(glyphs[i + 7].rect.y, pitchY(positions[i] - 14) - 8);
        }
    }
    EXPECT_EQ(meterX(7), 124);
    EXPECT_EQ(meterX(-7), 110);
    // twelve beats of an eighth: the top number is the wider
    EXPECT_EQ(headerWidth(0, TMeasure(12, 60), sevenPerDigit), 48 + 14 + 5);
    EXPECT_EQ(meterTop(TMeasure(12, 60)), "12");
    EXPECT_EQ(meterBottom(TMeasure(12, 60)), "8");
    EXPECT_EQ(meterBottom(TMeasure(2, 120)), "4");
    EXPECT_EQ(meterBottom(TMeasure(2, 0)), "0");
}
