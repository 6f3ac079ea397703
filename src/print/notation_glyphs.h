#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <array>
#include <vector>

#include "notation/glyph.h"

class QPainter;

// The outlines of every notation glyph, drawn once as vector paths in the glyph's own box
// (0, 0)..(width, height) in logical pixels, so they stay sharp at any device pixel ratio.
// A glyph is a few layers, each filled on its own; overlapping strokes need no union.
class TNotationGlyphs {
  public:
    TNotationGlyphs();

    const std::vector<QPainterPath>& layers(TGlyph glyph) const;
    // Fills the glyph with its box's top-left corner at `topLeft`.
    void draw(QPainter& painter, TGlyph glyph, QPointF topLeft, const QColor& colour) const;

  private:
    std::array<std::vector<QPainterPath>, GLYPH_COUNT> layers_;
};
