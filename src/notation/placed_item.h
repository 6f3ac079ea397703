#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/key.h"
#include "notation/glyph.h"

// A rectangle in pixels: left, top, width and height.
struct TPixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }    // exclusive
    int bottom() const { return y + height; }  // exclusive
    bool operator==(const TPixelRect&) const = default;
};

// What a placed item is. The kinds up to BEAM are black rectangles.
enum class TItemKind : uint8_t {
    STAFF_LINE,
    BAR_LINE,
    LEDGER_LINE,
    STEM,            // the stem of a beamed note
    BEAM,            // primary beam
    SECONDARY_BEAM,  // a sixteenths' beam or stub
    GLYPH,           // `glyph` drawn into `rect`
    TIE_BELOW,       // the lower half of the ellipse in `rect`
    TIE_ABOVE,       // the upper half
    TEXT,            // `text` at the left of `rect`, vertically centred
    FILL,            // `rect` filled with `colour`
    LABEL_BOX,       // `rect` filled with `colour` inside a grey border
};

// One thing to draw, at its final place in the bitmap or on the canvas.
struct TPlacedItem {
    TItemKind kind = TItemKind::FILL;
    TGlyph glyph = TGlyph::NONE;
    TPixelRect rect;
    uint8_t style = 0;  // note heads: chord tone, non-chord tone or sounding
    TRgb colour = 0;    // fills and label boxes
    std::string text;   // meter numbers

    bool operator==(const TPlacedItem&) const = default;
};

using TPlacedItems = std::vector<TPlacedItem>;

inline TPlacedItem placedRect(TItemKind kind, TPixelRect rect) {
    TPlacedItem item;
    item.kind = kind;
    item.rect = rect;
    return item;
}

inline TPlacedItem placedGlyph(TGlyph glyph, int x, int y, uint8_t style = 0) {
    const TGlyphSize size = glyphSize(glyph);
    TPlacedItem item;
    item.kind = TItemKind::GLYPH;
    item.glyph = glyph;
    item.rect = {x, y, size.width, size.height};
    item.style = style;
    return item;
}

inline TPlacedItem placedFill(TPixelRect rect, TRgb colour) {
    TPlacedItem item = placedRect(TItemKind::FILL, rect);
    item.colour = colour;
    return item;
}
