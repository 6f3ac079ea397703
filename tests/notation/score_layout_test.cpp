#include "notation/score_layout.h"

#include <gtest/gtest.h>

#include "model/tempo.h"
#include "support/notation_fixtures.h"

namespace {

// Every character 7 pixels wide.
int sevenEach(const std::string& text) {
    return 7 * int(text.size());
}

TScoreOptions options(int headerWidth = 90) {
    TScoreOptions o;
    o.headerWidth = headerWidth;
    o.markerTextWidth = sevenEach;
    return o;
}

// Sentences of phrases of motives as the templates make them, lettered A, B, A1, B1 ...
TPeriodData periodOf(int sentences, int phrasesEach, int motivesEach, TMeasure meter = TMeasure(),
                     DURATION anacrusis = 0) {
    const std::vector<COLORED_BOX_SUFFIX> cycle = {5, 6, 10, 11};
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < sentences * phrasesEach; ++i)
        letters.push_back(cycle[size_t(i) % cycle.size()]);
    TPeriodData period;
    period.buildFromLayout(std::vector<int>(size_t(sentences), phrasesEach),
                           std::vector<int>(size_t(sentences * phrasesEach), motivesEach), letters,
                           TKey(), meter, anacrusis, 100);
    return period;
}

std::vector<size_t> systemsPerPage(const TScoreLayout& layout) {
    std::vector<size_t> counts;
    for (const TScorePage& page : layout.pages)
        counts.push_back(page.systems.size());
    return counts;
}

}  // namespace

TEST(ScoreLayoutTest, AMotiveTakesTheColumnsItsCanvasShows) {
    // 2/4: the measure (8 sixteenths of 23 pixels after 19) and its bar line's column
    EXPECT_EQ(scoreMotiveWidth(TMotive(TKey(), TMeasure())), 203 + 1);
    // with an eighth's anacrusis: the upbeat, then the measure from its bar line to the motive's
    // end and the 19 pixels after that bar line
    EXPECT_EQ(scoreMotiveWidth(TMotive(TKey(), TMeasure(), 60)), 203 + 19);
    EXPECT_EQ(scoreMotiveWidth(TMotive(TKey(), TMeasure(4, QUARTER))), 16 * 23 + 19 + 1);
}

TEST(ScoreLayoutTest, SixtyFourMotivesFillThreePages) {
    const TPeriodData period = periodOf(4, 4, 4);
    ASSERT_EQ(period.motiveCount(), 64u);
    const TScoreLayout layout = layoutScore(period, options());
    // 90 + 8 + 4 x 204 = 914 fits in 1000 with the bar at its end, a fifth motive does not
    ASSERT_EQ(layout.systemCount(), 16u);
    // a system is 26 + 180 high with 14 between: tops 96 + 220 k on the first page, 220 k after,
    // above the 24-pixel footer of the 1483-pixel page
    EXPECT_EQ(systemsPerPage(layout), (std::vector<size_t>{6, 6, 4}));

    const TScoreSystem& first = layout.pages[0].systems[0];
    EXPECT_EQ(first.canvasTop, 96 + 26);
    EXPECT_EQ(layout.pages[0].systems[5].canvasTop, 96 + 5 * 220 + 26);
    EXPECT_EQ(layout.pages[1].systems[0].canvasTop, 26);
    ASSERT_EQ(first.motives.size(), 4u);
    // canvas column 1 follows the header and a stretch of staff, and each motive the one before
    EXPECT_EQ(first.lead.size(), 10u);
    EXPECT_EQ(first.lead[0], placedRect(TItemKind::STAFF_LINE, {90, 122 + 31, 8, 1}));
    EXPECT_EQ(first.lead[9], placedRect(TItemKind::STAFF_LINE, {90, 122 + 131, 8, 1}));
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(first.motives[i].x, 97 + int(i) * 204);
        EXPECT_EQ(first.motives[i].address, (TMotiveAddress{0, i / 4, i % 4}));
    }
    EXPECT_EQ(first.right, 98 + 4 * 204);
    EXPECT_EQ(layout.pages[2].systems[3].motives.back().address, (TMotiveAddress{3, 3, 3}));

    // a bar line ends every system across the grand staff; the last one gets the final bar
    ASSERT_EQ(first.closing.size(), 1u);
    EXPECT_EQ(first.closing[0], placedRect(TItemKind::BAR_LINE, {914, 122 + 31, 1, 101}));
    const TPlacedItems& final = layout.pages[2].systems[3].closing;
    ASSERT_EQ(ofKind(final, TItemKind::BAR_LINE).size(), 2u);
    EXPECT_EQ(ofKind(final, TItemKind::BAR_LINE)[1].rect.width, 4);
    EXPECT_EQ(ofKind(final, TItemKind::STAFF_LINE).size(), 10u);
}

TEST(ScoreLayoutTest, SentencesAndPhrasesAreMarkedWhereTheyStart) {
    // five sentences of two phrases of two motives: the fifth sentence is numbered 1 again
    TScoreOptions o = options();
    o.sentenceWord = "Satz";
    const TScoreLayout layout = layoutScore(periodOf(5, 2, 2), o);
    std::vector<std::string> texts;
    for (const TScorePage& page : layout.pages)
        for (const TScoreSystem& system : page.systems)
            for (const TScoreMarker& marker : system.markers)
                texts.push_back(marker.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Satz 1", "A", "B", "Satz 2", "A1", "B1", "Satz 3", "A",
                                        "B", "Satz 4", "A1", "B1", "Satz 1", "A", "B"}));

    const TScoreSystem& first = layout.pages[0].systems[0];
    ASSERT_EQ(first.markers.size(), 3u);
    // above the first motive's bar line, the phrase's letter after the sentence's name
    EXPECT_EQ(first.markers[0], (TScoreMarker{{98, 122 - 26 + 4, 6 * 7 + 10, 18}, "Satz 1", 1}));
    EXPECT_EQ(first.markers[1], (TScoreMarker{{98 + 52 + 4, 100, 7 + 10, 18}, "A", 2}));
    // the second phrase starts at the third motive
    EXPECT_EQ(first.markers[2].rect.x, 97 + 2 * 204 + 1);
    EXPECT_EQ(first.markers[2].level, 2);
}

TEST(ScoreLayoutTest, AnAnacrusisLeavesTheSystemsOpenUntilTheEnd) {
    const TScoreLayout layout = layoutScore(periodOf(2, 2, 2, TMeasure(), 60), options());
    // 98 + 4 x 222 = 986 and the final bar's 8 fit; systems end inside a measure
    ASSERT_EQ(layout.systemCount(), 2u);
    EXPECT_TRUE(layout.pages[0].systems[0].closing.empty());
    EXPECT_EQ(ofKind(layout.pages[0].systems[1].closing, TItemKind::BAR_LINE).size(), 2u);
}

TEST(ScoreLayoutTest, WideMotivesTakeFewerPerSystemAndNeverNone) {
    // 4/4: 388 pixels a motive, two after the header
    const TScoreLayout wide = layoutScore(periodOf(1, 2, 3, TMeasure(4, QUARTER)), options());
    EXPECT_EQ(wide.systemCount(), 3u);
    // a page narrower than one motive still shows each motive, one a system
    TScoreOptions narrow = options();
    narrow.pageWidth = 300;
    const TScoreLayout one = layoutScore(periodOf(1, 1, 3), narrow);
    ASSERT_EQ(one.systemCount(), 3u);
    for (const TScoreSystem& system : one.pages[0].systems)
        EXPECT_EQ(system.motives.size(), 1u);
}

TEST(ScoreLayoutTest, AnEmptyPeriodIsOnePageWithItsTitle) {
    const TScoreLayout layout = layoutScore(TPeriodData(), options());
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_TRUE(layout.pages[0].systems.empty());
}

TEST(ScoreLayoutTest, TheMetronomeMarkCountsQuartersAMinute) {
    // a quarter lasts 8 x (200 - tempo) ms
    EXPECT_EQ(quartersPerMinute(100), 75);
    EXPECT_EQ(quartersPerMinute(150), 150);
    EXPECT_EQ(quartersPerMinute(50), 50);
    EXPECT_EQ(quartersPerMinute(55), 52);  // 51.7
    EXPECT_EQ(quartersPerMinute(200), 0);

    const TPlacedItems mark = layoutMetronomeMark(100, 20, 60, sevenEach);
    ASSERT_EQ(mark.size(), 3u);
    EXPECT_EQ(mark[0], placedGlyph(TGlyph::HEAD_FILLED_UP, 16, 56));
    EXPECT_EQ(mark[1], placedGlyph(TGlyph::STEM_UP, 24, 30));
    EXPECT_EQ(mark[2].kind, TItemKind::TEXT);
    EXPECT_EQ(mark[2].text, "= 75");
    EXPECT_EQ(mark[2].rect, (TPixelRect{32, 51, 28, 20}));
}

TEST(ScoreLayoutTest, TheTitleIsTheDocumentsFileName) {
    EXPECT_EQ(scoreTitle("/home/ann/tnrs/My period.tnr"), "My period");
    EXPECT_EQ(scoreTitle("Untitled"), "Untitled");
    EXPECT_EQ(scoreTitle("relative/song.tnr.bak"), "song.tnr.bak");
    EXPECT_EQ(scoreTitle(".tnr"), ".tnr");
    EXPECT_EQ(scoreTitle("folder/"), "");
}
