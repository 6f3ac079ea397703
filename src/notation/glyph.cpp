#include "notation/glyph.h"

TGlyphSize glyphSize(TGlyph glyph) {
    switch (glyph) {
        case TGlyph::NONE:
        case TGlyph::FIGURE_TRIAD:
            return {0, 0};
        case TGlyph::CLEF:
            return {43, 113};
        case TGlyph::SHARP:
            return {8, 17};
        case TGlyph::DOUBLE_SHARP:
            return {8, 11};
        case TGlyph::FLAT:
            return {6, 15};
        case TGlyph::NATURAL:
            return {6, 17};
        case TGlyph::HEAD_FILLED_UP:
        case TGlyph::HEAD_FILLED_DOWN:
        case TGlyph::HEAD_HOLLOW_UP:
        case TGlyph::HEAD_HOLLOW_DOWN:
            return {10, 10};
        case TGlyph::STEM_UP:
        case TGlyph::STEM_DOWN:
            return {2, 28};
        case TGlyph::STEM_UP_FLAG1:
        case TGlyph::STEM_UP_FLAG2:
        case TGlyph::STEM_DOWN_FLAG1:
        case TGlyph::STEM_DOWN_FLAG2:
            return {8, 28};
        case TGlyph::DOT:
            return {4, 4};
        case TGlyph::REST_BLOCK:
            return {9, 4};
        case TGlyph::REST_QUARTER:
            return {9, 20};
        case TGlyph::REST_EIGHTH:
            return {8, 20};
        case TGlyph::REST_SIXTEENTH:
            return {9, 20};
        case TGlyph::DEGREE_T:
            return {9, 14};
        case TGlyph::DEGREE_II:
            return {8, 14};
        case TGlyph::DEGREE_III:
            return {12, 14};
        case TGlyph::DEGREE_S:
            return {8, 14};
        case TGlyph::DEGREE_D:
            return {9, 14};
        case TGlyph::DEGREE_VI:
            return {13, 14};
        case TGlyph::DEGREE_VII:
            return {17, 14};
        case TGlyph::DEGREE_K:
            return {9, 14};
        case TGlyph::DEGREE_II6:
            return {14, 14};
        case TGlyph::DEGREE_III6:
            return {18, 14};
        case TGlyph::FIGURE_SIXTH:
        case TGlyph::FIGURE_SEVENTH:
        case TGlyph::FIGURE_SECOND:
            return {6, 9};
        case TGlyph::FIGURE_SIX_FOUR:
        case TGlyph::FIGURE_SIX_FIVE:
        case TGlyph::FIGURE_FOUR_THREE:
            return {6, 14};
    }
    return {0, 0};
}
