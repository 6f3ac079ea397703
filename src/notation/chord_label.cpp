#include "notation/chord_label.h"

#include <algorithm>

#include "harmony/chord.h"

namespace {

constexpr int LABEL_GAP = 3;
constexpr int BOX_PADDING = 3;
constexpr int LABEL_INSET = 2;

TGlyph degreeGlyph(const TChord& chord) {
    if (chord.type == TChordType::K_SIXTH_FOURTH_CHORD)
        return TGlyph::DEGREE_K;
    if (chord.type == TChordType::LOWINTRO_SIXTH_CHORD)
        return TGlyph::DEGREE_II6;
    if (chord.type == TChordType::LOWM_SIXTH_CHORD)
        return TGlyph::DEGREE_III6;
    switch (chord.degree) {
        case 1:
            return TGlyph::DEGREE_T;
        case 2:
            return TGlyph::DEGREE_II;
        case 3:
            return TGlyph::DEGREE_III;
        case 4:
            return TGlyph::DEGREE_S;
        case 5:
            return TGlyph::DEGREE_D;
        case 6:
            return TGlyph::DEGREE_VI;
        case 7:
            return TGlyph::DEGREE_VII;
        default:
            return TGlyph::NONE;
    }
}

TGlyph figureGlyph(const TChord& chord) {
    if (chord.type == TChordType::LOWINTRO_SIXTH_CHORD ||
        chord.type == TChordType::LOWM_SIXTH_CHORD)
        return TGlyph::NONE;
    if (chord.toneCount == 3) {
        switch (chord.bassTone) {
            case 0:
                return TGlyph::FIGURE_TRIAD;
            case 1:
                return TGlyph::FIGURE_SIXTH;
            case 2:
                return TGlyph::FIGURE_SIX_FOUR;
            default:
                return TGlyph::NONE;
        }
    }
    if (chord.toneCount == 4) {
        switch (chord.bassTone) {
            case 0:
                return TGlyph::FIGURE_SEVENTH;
            case 1:
                return TGlyph::FIGURE_SIX_FIVE;
            case 2:
                return TGlyph::FIGURE_FOUR_THREE;
            case 3:
                return TGlyph::FIGURE_SECOND;
            default:
                return TGlyph::NONE;
        }
    }
    return TGlyph::NONE;
}

}  // namespace

int TChordLabel::width() const {
    return glyphSize(degree).width + glyphSize(figure).width + LABEL_GAP;
}

int TChordLabel::height() const {
    return glyphSize(degree).height;
}

TChordLabel chordLabel(const TChord& chord) {
    return {degreeGlyph(chord), figureGlyph(chord)};
}

TPlacedItems layoutChordLabel(const TChord& chord, int left, int top) {
    const TChordLabel label = chordLabel(chord);
    TPlacedItems items;
    TPlacedItem box = placedRect(TItemKind::LABEL_BOX, {left, top, label.width() + BOX_PADDING,
                                                        label.height() + BOX_PADDING});
    box.colour = chord.colour;
    items.push_back(box);

    // the label is centred on left + width / 2 + 2
    const int centre = left + label.width() / 2 + LABEL_INSET;
    const int labelLeft = centre - label.width() / 2;
    const int labelTop = top + LABEL_INSET;
    const TGlyphSize degree = glyphSize(label.degree);
    const TGlyphSize figure = glyphSize(label.figure);
    if (degree.width > 0)
        items.push_back(placedGlyph(label.degree, labelLeft, labelTop));
    if (figure.width > 0)
        items.push_back(placedGlyph(label.figure, labelLeft + degree.width + LABEL_GAP,
                                    labelTop + label.height() - figure.height));
    return items;
}

TFittedChordLabel fitChordLabel(const TChordLabel& label, const TPixelRect& area) {
    const TGlyphSize degree = glyphSize(label.degree);
    const TGlyphSize figure = glyphSize(label.figure);
    TFittedChordLabel fitted;
    if (degree.width == 0 || area.width <= 0 || area.height <= 0)
        return fitted;
    // stacked, the pair is far narrower than side by side: a cell is tall and thin
    const int gap = figure.width > 0 ? 1 : 0;
    const double width = std::max(degree.width, figure.width);
    const double height = degree.height + figure.height;
    const double scale =
        std::min({1.0, area.width / width, std::max(0.0, double(area.height - gap)) / height});
    fitted.scale = scale;
    const double top = area.y + (area.height - gap - height * scale) / 2.0;
    fitted.degreeX = area.x + (area.width - degree.width * scale) / 2.0;
    fitted.degreeY = top;
    fitted.figureX = area.x + (area.width - figure.width * scale) / 2.0;
    fitted.figureY = top + degree.height * scale + gap;
    return fitted;
}
