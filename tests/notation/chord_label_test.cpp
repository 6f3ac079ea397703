#include "notation/chord_label.h"

#include <gtest/gtest.h>

#include <string>

#include "harmony/chord.h"

TEST(ChordLabelTest, DegreeAndFigureByType) {
    struct Case {
        const char* name;
        TGlyph degree;
        TGlyph figure;
    };
    const Case cases[] = {
        {"TONIC_THREE_CHORD", TGlyph::DEGREE_T, TGlyph::FIGURE_TRIAD},
        {"TONIC_SIXTH_CHORD", TGlyph::DEGREE_T, TGlyph::FIGURE_SIXTH},
        {"TONIC_FOUR_CHORD", TGlyph::DEGREE_T, TGlyph::FIGURE_SEVENTH},
        {"K_SIXTH_FOURTH_CHORD", TGlyph::DEGREE_K, TGlyph::FIGURE_SIX_FOUR},
        {"SUBDOMINANT_SIXTH_CHORD", TGlyph::DEGREE_S, TGlyph::FIGURE_SIXTH},
        {"DOMINANT_SIXTH_FIFTH_CHORD", TGlyph::DEGREE_D, TGlyph::FIGURE_SIX_FIVE},
        {"DOMINANT_FOURTH_THIRD_CHORD", TGlyph::DEGREE_D, TGlyph::FIGURE_FOUR_THREE},
        {"DOMINANT_SECOND_CHORD", TGlyph::DEGREE_D, TGlyph::FIGURE_SECOND},
        {"LOWINTRO_THREE_CHORD", TGlyph::DEGREE_II, TGlyph::FIGURE_TRIAD},
        {"LOWINTRO_SIXTH_CHORD", TGlyph::DEGREE_II6, TGlyph::NONE},
        {"LOWM_THREE_CHORD", TGlyph::DEGREE_III, TGlyph::FIGURE_TRIAD},
        {"LOWM_SIXTH_CHORD", TGlyph::DEGREE_III6, TGlyph::NONE},
        {"TOPM_FOUR_CHORD", TGlyph::DEGREE_VI, TGlyph::FIGURE_SEVENTH},
        {"TOPINTRO_SIXTH_CHORD", TGlyph::DEGREE_VII, TGlyph::FIGURE_SIXTH},
        {"", TGlyph::NONE, TGlyph::NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TChordLabel label = chordLabel(chordFromTypeName(c.name));
        EXPECT_EQ(label.degree, c.degree);
        EXPECT_EQ(label.figure, c.figure);
    }
    // every type has a degree glyph; types of one degree share it
    for (const std::string_view name : CHORD_TYPE_NAMES) {
        SCOPED_TRACE(std::string(name));
        const TChord chord = chordFromTypeName(name);
        const TChordLabel label = chordLabel(chord);
        EXPECT_NE(label.degree, TGlyph::NONE);
        EXPECT_EQ(label.height(), glyphSize(label.degree).height);
        if (name != "K_SIXTH_FOURTH_CHORD" && name != "LOWINTRO_SIXTH_CHORD" &&
            name != "LOWM_SIXTH_CHORD") {
            TChord sameDegree;
            sameDegree.degree = chord.degree;
            EXPECT_EQ(label.degree, chordLabel(sameDegree).degree);
        }
    }
}

TEST(ChordLabelTest, BoxAndGlyphPlacement) {
    {
        SCOPED_TRACE("the dominant six-five: D and the stacked figure, bottom-aligned");
        const TChord chord = chordOfType(TChordType::DOMINANT_SIXTH_FIFTH_CHORD);
        const TChordLabel label = chordLabel(chord);
        const TGlyphSize d = glyphSize(TGlyph::DEGREE_D);
        const TGlyphSize f = glyphSize(TGlyph::FIGURE_SIX_FIVE);
        EXPECT_EQ(label.width(), d.width + f.width + 3);
        const TPlacedItems items = layoutChordLabel(chord, 66, 156);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].kind, TItemKind::LABEL_BOX);
        EXPECT_EQ(items[0].colour, 0xFCC2DEu);
        EXPECT_EQ(items[0].rect, (TPixelRect{66, 156, label.width() + 3, d.height + 3}));
        const int left = 66 + label.width() / 2 + 2 - label.width() / 2;
        EXPECT_EQ(items[1].glyph, TGlyph::DEGREE_D);
        EXPECT_EQ(items[1].rect, (TPixelRect{left, 158, d.width, d.height}));
        EXPECT_EQ(items[2].glyph, TGlyph::FIGURE_SIX_FIVE);
        EXPECT_EQ(items[2].rect,
                  (TPixelRect{left + d.width + 3, 158 + d.height - f.height, f.width, f.height}));
    }
    {
        SCOPED_TRACE("a root-position triad writes no figure");
        const TPlacedItems items =
            layoutChordLabel(chordOfType(TChordType::TONIC_THREE_CHORD), 0, 156);
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].colour, 0xB9FFFFu);
        EXPECT_EQ(items[0].rect.width, glyphSize(TGlyph::DEGREE_T).width + 3 + 3);
        EXPECT_EQ(items[1].rect.x, 2);
    }
    {
        SCOPED_TRACE("a chord of no type: an empty box");
        const TPlacedItems items = layoutChordLabel(TChord(), 0, 156);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].rect, (TPixelRect{0, 156, 6, 3}));
    }
}

// The chord popup's cells are 19 by 30 pixels, four of the width kept for the soprano-motion
// ticks: every label must be readable there, at least as tall as the capitals of the
// application's font (about 9 pixels at scale 1).
TEST(ChordLabelTest, EveryLabelFitsAPopupCellAtAReadableSize) {
    const TPixelRect area{100, 60, 15, 28};
    for (const std::string_view name : CHORD_TYPE_NAMES) {
        SCOPED_TRACE(std::string(name));
        const TChordLabel label = chordLabel(chordFromTypeName(name));
        const TFittedChordLabel f = fitChordLabel(label, area);
        const TGlyphSize d = glyphSize(label.degree);
        const TGlyphSize g = glyphSize(label.figure);
        EXPECT_LE(f.scale, 1.0);
        EXPECT_GE(d.height * f.scale, 11.0);
        // inside the area, the degree above the figure without touching it
        EXPECT_GE(f.degreeX, area.x);
        EXPECT_LE(f.degreeX + d.width * f.scale, area.right() + 1e-9);
        EXPECT_GE(f.degreeY, area.y);
        if (g.width > 0) {
            EXPECT_GE(f.figureY, f.degreeY + d.height * f.scale);
            EXPECT_LE(f.figureY + g.height * f.scale, area.bottom() + 1e-9);
            EXPECT_GE(f.figureX, area.x);
            EXPECT_LE(f.figureX + g.width * f.scale, area.right() + 1e-9);
        } else {
            EXPECT_LE(f.degreeY + d.height * f.scale, area.bottom() + 1e-9);
        }
    }
    // a narrow glyph keeps its own size and stands in the middle of the cell
    const TFittedChordLabel t =
        fitChordLabel(chordLabel(chordOfType(TChordType::TONIC_THREE_CHORD)), area);
    EXPECT_DOUBLE_EQ(t.scale, 1.0);
    EXPECT_DOUBLE_EQ(t.degreeX, 100 + (15 - glyphSize(TGlyph::DEGREE_T).width) / 2.0);
    EXPECT_DOUBLE_EQ(t.degreeY, 60 + (28 - 14) / 2.0);
    // nothing to draw for a chord of no type or an area of no size
    EXPECT_EQ(fitChordLabel(chordLabel(TChord()), area).scale, 0.0);
    EXPECT_EQ(
        fitChordLabel(chordLabel(chordOfType(TChordType::TONIC_THREE_CHORD)), {0, 0, 0, 28}).scale,
        0.0);
}
