#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/duration.h"
#include "notation/header_layout.h"
#include "notation/placed_item.h"

class QPainter;
class TMeasure;
class TMotive;
class TNotationGlyphs;
struct TCanvasComposition;

// Paints one measure of a motive, or the header of the period row, into the measure bitmap it
// owns, by placing the items the notation layout computed. The canvases of a window share one
// painter: each paints a measure and copies what it needs at once, so a canvas never relies on
// what the bitmap held before.
class TNotePainter {
  public:
    TNotePainter();
    ~TNotePainter();
    TNotePainter(const TNotePainter&) = delete;
    TNotePainter& operator=(const TNotePainter&) = delete;

    // Paints the notes at indices first..last (exclusive) of the motive that fall in the measure
    // from `start` to start + the measure's length, or to `limit` when that is earlier; rests in
    // the first `lead` ticks are not drawn. The bitmap is painted at the given device pixel
    // ratio; its logical size is the measure's width plus one column by 151.
    const QImage& paintMeasure(size_t first, size_t last, int32_t start, DURATION beatLength,
                               int32_t beatsPerMeasure, int32_t lead, int32_t limit,
                               const TMotive& motive, qreal pixelRatio = 1.0);

    // The clef, key signature and meter, headerWidth pixels wide.
    const QImage& paintHeader(int32_t signs, const TMeasure& meter, qreal pixelRatio = 1.0);
    int headerWidth(int32_t signs, const TMeasure& meter) const;

    // Draws placed items at their logical coordinates.
    void paintItems(QPainter& painter, const TPlacedItems& items) const;

    // Paints the measures of a composed canvas straight onto the painter, each clipped to the
    // columns the canvas shows of it, without the bitmap: what must stay vector (a printed page)
    // gets the same notation.
    void paintPieces(QPainter& painter, const TCanvasComposition& composition,
                     const TMotive& motive) const;

    const QImage& bitmap() const { return bitmap_; }
    // The bitmap's logical width as last painted.
    int bitmapWidth() const { return width_; }

    // The device pixel ratio a painter really paints at: that of the window's backing store, or
    // of the image a grab or render paints into.
    static qreal pixelRatioOf(QPainter& painter);

    // Head colours: chord tone, non-chord tone, sounding.
    static QColor headColour(uint8_t style);
    static QColor labelBorderColour();
    const QFont& meterFont() const { return meterFont_; }
    // Measures the meter's numbers in the font they are drawn with.
    TTextWidth meterTextWidth() const;

  private:
    // Makes the bitmap at least `width` logical pixels wide at the ratio and fills it white.
    void prepare(int width, qreal pixelRatio);
    void paintInto(const TPlacedItems& items);

    std::unique_ptr<TNotationGlyphs> glyphs_;
    QFont meterFont_;
    QImage bitmap_;
    int width_ = 0;
};
