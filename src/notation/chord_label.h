#pragma once

#include "notation/glyph.h"
#include "notation/placed_item.h"

class TChord;

// How a chord is labelled: its degree glyph (a function letter or a numeral, K for the cadential
// six-four) followed by the figure of its inversion.
struct TChordLabel {
    TGlyph degree = TGlyph::NONE;
    TGlyph figure = TGlyph::NONE;

    // The two glyphs 3 pixels apart.
    int width() const;
    int height() const;
    bool operator==(const TChordLabel&) const = default;
};

TChordLabel chordLabel(const TChord& chord);

// The label box with its top-left at (left, top): filled with the chord's colour, as wide as the
// label plus 3 and as high as the degree glyph plus 3, the label 2 pixels inside, the figure
// bottom-aligned with the degree.
TPlacedItems layoutChordLabel(const TChord& chord, int left, int top);

// A label fitted into a cell of the chord popup's grid: the degree over its figure, both at one
// scale, as large as the area lets them be but never above their own size, centred across.
struct TFittedChordLabel {
    double scale = 0;  // 0: nothing to draw
    double degreeX = 0;
    double degreeY = 0;
    double figureX = 0;
    double figureY = 0;
};

TFittedChordLabel fitChordLabel(const TChordLabel& label, const TPixelRect& area);
