#pragma once

#include <cstdint>

// The shapes the notation is drawn from. Each has a fixed size in pixels; the layout places a
// glyph by its top-left corner and the painter draws it into that box.
enum class TGlyph : uint8_t {
    NONE,
    CLEF,  // treble and bass clef together, with the start of both staffs
    SHARP,
    DOUBLE_SHARP,
    FLAT,
    NATURAL,
    HEAD_FILLED_UP,
    HEAD_FILLED_DOWN,
    HEAD_HOLLOW_UP,
    HEAD_HOLLOW_DOWN,
    STEM_UP,
    STEM_DOWN,
    STEM_UP_FLAG1,
    STEM_UP_FLAG2,
    STEM_DOWN_FLAG1,
    STEM_DOWN_FLAG2,
    DOT,
    REST_BLOCK,  // whole and half rest: a block hanging from or sitting on a line
    REST_QUARTER,
    REST_EIGHTH,
    REST_SIXTEENTH,
    // chord label: the degree (a function letter or a numeral) and the inversion figure
    DEGREE_T,
    DEGREE_II,
    DEGREE_III,
    DEGREE_S,
    DEGREE_D,
    DEGREE_VI,
    DEGREE_VII,
    DEGREE_K,
    DEGREE_II6,    // the second-degree sixth chord carries its figure in its own glyph
    DEGREE_III6,   // as does the third-degree sixth chord
    FIGURE_TRIAD,  // root-position triad: no figure is written
    FIGURE_SIXTH,
    FIGURE_SIX_FOUR,
    FIGURE_SEVENTH,
    FIGURE_SIX_FIVE,
    FIGURE_FOUR_THREE,
    FIGURE_SECOND,
};

constexpr int GLYPH_COUNT = int(TGlyph::FIGURE_SECOND) + 1;

struct TGlyphSize {
    int width = 0;
    int height = 0;
};

TGlyphSize glyphSize(TGlyph glyph);
