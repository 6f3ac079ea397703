#include "app/chord_pane_painter.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>

#include "app/meter_word.h"
#include "editing/chord_variant_strategy.h"
#include "editing/pressure_meter.h"
#include "editing/variant_view.h"
#include "notation/chord_label.h"
#include "print/notation_glyphs.h"

namespace {

const QColor ACTIVE_BACKGROUND(255, 251, 240);
const QColor GREY(128, 128, 128);
const QColor VOICE_BAND(218, 208, 255);
const QColor SILVER(192, 192, 192);

// Tops of the five soprano-motion ticks below a cell's top, rise by a leap first.
constexpr std::array<int, 5> MOTION_TICK_Y = {5, 11, 15, 19, 25};
constexpr int TICK_STRIP = 3;
// Drawn heights of an arrangement mark by layout: close, open, mixed.
constexpr std::array<int, 3> MARK_DRAWN_HEIGHT = {4, 9, 6};

QColor rgb(TRgb c) {
    return QColor(int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff));
}

// Every channel of the colour masked by the same bits.
QColor masked(TRgb c, uint32_t mask) {
    return rgb(c & ((mask << 16) | (mask << 8) | mask));
}

QRect qRect(const TRectWithCheck& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

const TNotationGlyphs& glyphs() {
    static const TNotationGlyphs shared;
    return shared;
}

// The degree over its figure, as large as the part of the cell the ticks leave free allows.
void drawLabel(QPainter& p, const TChord& chord, const QRect& area) {
    const TChordLabel label = chordLabel(chord);
    const TFittedChordLabel fitted = fitChordLabel(
        label, TPixelRect{area.left(), area.top() + 1, area.width(), area.height() - 2});
    if (fitted.scale <= 0)
        return;
    const auto draw = [&](TGlyph glyph, double x, double y) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(x, y);
        p.scale(fitted.scale, fitted.scale);
        glyphs().draw(p, glyph, QPointF(0, 0), Qt::black);
        p.restore();
    };
    draw(label.degree, fitted.degreeX, fitted.degreeY);
    if (glyphSize(label.figure).width > 0)
        draw(label.figure, fitted.figureX, fitted.figureY);
}

void drawCell(QPainter& p, const TChordVariantStrategy& s, int32_t index, int pane) {
    const TChord& chord = s.candidates()[size_t(index)];
    const TMotionFlags& motions = s.candidateMotions()[size_t(index)];
    const QRect cell = qRect(s.cellRect(index, pane));
    // the outer side keeps its grey line
    const QRect fill = pane == 0 ? cell.adjusted(1, 0, 0, 0) : cell.adjusted(0, 0, -1, 0);
    p.fillRect(fill, rgb(chord.colour));

    // ticks of the soprano moves at the outer side, the label in the rest
    const int tickLeft = pane == 0 ? cell.left() + 1 : cell.right() - TICK_STRIP;
    const QRect labelArea = pane == 0 ? cell.adjusted(TICK_STRIP + 1, 0, 0, 0)
                                      : cell.adjusted(0, 0, -TICK_STRIP - 1, 0);
    p.setPen(Qt::black);
    for (size_t f = 0; f < MOTION_TICK_Y.size(); ++f) {
        if (motions[f]) {
            const int y = cell.top() + MOTION_TICK_Y[f];
            p.drawLine(tickLeft, y, tickLeft + TICK_STRIP - 1, y);
        }
    }
    if (chord.degree == 1 && motions[MOTION_TONIC]) {
        const int x = tickLeft + 1;
        p.drawLine(x, cell.top() + 14, x, cell.top() + 17);
    }
    drawLabel(p, chord, labelArea);
}

void drawGrid(QPainter& p, const TChordVariantStrategy& s, int pane) {
    const auto n = int32_t(s.candidates().size());
    const int32_t rows = s.rows();
    const int32_t columns = std::min<int32_t>(n, CHORD_CELLS_PER_ROW) + (rows > 1 ? 1 : 0);
    // the outer sides of the columns of cells, down the whole pane: below the grid the column
    // under the pointer picks the chord
    p.setPen(GREY);
    for (int32_t c = 0; c < columns; ++c) {
        const int x =
            pane == 0 ? PANE_BOUNDARY - CHORD_CELL_WIDTH * (c + 1) : CHORD_CELL_WIDTH * (c + 1) - 1;
        p.drawLine(x, 0, x, VIEW_HEIGHT - 1);
    }
    for (int32_t i = 0; i < n; ++i) {
        drawCell(p, s, i, pane);
    }
    p.setPen(GREY);
    const int gridLeft = pane == 0 ? PANE_BOUNDARY - CHORD_CELL_WIDTH * columns : 0;
    const int gridRight = pane == 0 ? PANE_BOUNDARY : CHORD_CELL_WIDTH * columns - 1;
    for (int32_t r = 0; r <= rows; ++r) {
        const int y = std::min(CHORD_ROW_HEIGHT * r, CHORD_ROW_HEIGHT * rows - 1);
        p.drawLine(gridLeft, y, gridRight, y);
    }
}

void drawVoiceBand(QPainter& p, int32_t position) {
    if (!isValidPitch(position)) {
        return;
    }
    const QRect band(0, chordRowTop(position), PANE_WIDTH, 11);
    p.fillRect(band, VOICE_BAND);
    p.setPen(GREY);
    p.setBrush(Qt::NoBrush);
    p.drawRect(band.adjusted(0, 0, -1, -1));
}

void drawVoices(QPainter& p, const TChordVariantStrategy& s) {
    if (s.bassOption() >= 0 && s.bassOption() < MAX_BASS_OPTIONS) {
        const TChordArrangement& a = s.chosenArrangement();
        for (int32_t v : a.upper) {
            drawVoiceBand(p, v);
        }
        drawVoiceBand(p, a.bassOptions[size_t(s.bassOption())]);
    } else if (s.currentChord().isArranged()) {
        for (int32_t v : s.currentChord().voicing()) {
            drawVoiceBand(p, v);
        }
    }
}

QPolygonF octagon(const QRectF& r) {
    const qreal c = r.width() * 0.3;
    return QPolygonF({QPointF(r.left() + c, r.top()), QPointF(r.right() - c, r.top()),
                      QPointF(r.right(), r.top() + c), QPointF(r.right(), r.bottom() - c),
                      QPointF(r.right() - c, r.bottom()), QPointF(r.left() + c, r.bottom()),
                      QPointF(r.left(), r.bottom() - c), QPointF(r.left(), r.top() + c)});
}

void drawHoveredChord(QPainter& p, const TChordVariantStrategy& s, int pane) {
    const int32_t index = s.hoveredIndex();
    if (index < 0 || index >= int32_t(s.candidates().size())) {
        return;
    }
    const TChord& chord = s.candidates()[size_t(index)];
    const QColor colour = rgb(chord.colour);
    const QRect upper = qRect(s.columnUpper());
    const QRect lower = qRect(s.columnLower());
    p.fillRect(upper, colour);
    if (s.entryY() != 0) {
        p.fillRect(lower, colour);
        // the gap the pointer entered through, open for moving on sideways
        const QRect gap(upper.left(), upper.bottom() + 1, upper.width(),
                        lower.top() - upper.bottom() - 1);
        p.fillRect(gap, masked(chord.colour, 205));
        p.fillRect(gap, QBrush(colour.darker(130), Qt::DiagCrossPattern));
    }
    const QRect cell = qRect(s.cellRect(index, pane));
    p.fillRect(QRect(cell.left(), cell.bottom() - 1, cell.width(), 2), colour.darker(140));

    const QColor markFill = s.entryY() == 0 ? SILVER : masked(chord.colour, 155);
    const int outward = pane == 0 ? -1 : 1;
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [rect, arrangement] : s.arrangementHits()) {
        const int drawn = MARK_DRAWN_HEIGHT[std::min<size_t>(arrangement.layout, 2)];
        const QRect hit(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        const QRect mark(rect.left, rect.top + (10 - drawn) / 2, rect.right - rect.left, drawn);
        const bool hovered = rect == s.hoverRect();
        // the whole area that takes the arrangement is outlined, so there is something to aim
        // at; the filled bar inside still tells close, open and mixed layouts apart
        p.fillRect(hit, QColor(255, 255, 255, 150));
        p.fillRect(mark, hovered ? colour.darker(150) : markFill.darker(115));
        p.setPen(hovered ? QPen(Qt::black, 1.5) : QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(hit).adjusted(0.5, 0.5, -0.5, -0.5));
        // a diamond in the area that makes the mark the hovered one
        const qreal cx = (outward < 0 ? rect.left - 4 : rect.right + 4) + 0.5;
        const qreal cy = rect.top + 5;
        const QPolygonF diamond(
            {QPointF(cx, cy - 3), QPointF(cx + 3, cy), QPointF(cx, cy + 3), QPointF(cx - 3, cy)});
        p.setPen(Qt::NoPen);
        p.setBrush(hovered ? QColor(Qt::black) : QColor(90, 90, 90));
        p.drawPolygon(diamond);
    }

    if (s.arrangementChosen()) {
        const QRect bass = qRect(s.bassRect());
        p.fillRect(bass, colour);
        p.setPen(QPen(GREY, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(bass).adjusted(0.5, 0.5, -0.5, -0.5));
        const TChordArrangement& a = s.chosenArrangement();
        for (int32_t i = 0; i < a.bassOptionCount && i < MAX_BASS_OPTIONS; ++i) {
            if (!a.bassOptionValid[size_t(i)]) {
                continue;
            }
            const QRectF slot(bass.left() + 1, bass.top() + 10 * i + 1.5, bass.width() - 2, 7);
            const QPolygonF shape = octagon(slot);
            p.setPen(QPen(Qt::black, 1));
            if (i == s.bassOption()) {
                p.setBrush(Qt::NoBrush);
            } else {
                p.setBrush(masked(chord.colour, 155));
            }
            p.drawPolygon(shape);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

const QColor METER_TRACK(200, 200, 200);

// The inner edge of the zone in force as a meter that fills from the foot as the push against
// it builds; the arrangement zone's edge takes the chord and says so at its foot.
void drawPressureMeter(QPainter& p, const TChordVariantStrategy& s, TVariantView& view, int pane) {
    const TClipMaker& clip = view.clipMaker();
    const int32_t id = clip.currentId();
    if ((id != CHORD_COLUMN_ZONE && id != CHORD_ARRANGEMENT_ZONE) || s.hoveredIndex() < 0) {
        return;
    }
    const int32_t side = pane == 0 ? SIDE_RIGHT : SIDE_LEFT;
    const TScreenPoint o = view.viewOrigin();
    const TScreenRect& r = clip.currentClip().rect;
    const int x = pane == 0 ? r.right - 1 - o.x : r.left - o.x - PANE_BOUNDARY;
    const int top = s.cellRect(s.hoveredIndex(), pane).bottom;
    const int inward = pane == 0 ? -1 : 1;
    const TPressureMeter m = pressureMeter(x, inward, clip.pressurePercent(side), VIEW_HEIGHT, top);
    // the meter stands on the edge itself: the marks begin two pixels inside it
    const int left = x + (pane == 0 ? -1 : 0);
    p.fillRect(QRect(left, m.track.top, 2, m.track.bottom - m.track.top), METER_TRACK);
    if (!m.fill.isEmpty())
        p.fillRect(QRect(left, m.fill.top, 2, m.fill.bottom - m.fill.top), COMMIT_METER_COLOUR);
    if (id == CHORD_ARRANGEMENT_ZONE)
        paintMeterWord(p, QRect(left, m.track.top, 2, m.track.bottom - m.track.top), inward,
                       COMMIT_METER_COLOUR, view.host().text("dad meter take"));
}

}  // namespace

void paintChordPane(QPainter& painter, const TChordVariantStrategy& strategy, TVariantView& view,
                    int pane, bool active) {
    painter.save();
    painter.setClipRect(QRect(0, 0, PANE_WIDTH, VIEW_HEIGHT), Qt::IntersectClip);
    painter.fillRect(QRect(0, 0, PANE_WIDTH, VIEW_HEIGHT),
                     active ? ACTIVE_BACKGROUND : QColor(Qt::white));
    drawGrid(painter, strategy, pane);
    drawVoices(painter, strategy);
    drawHoveredChord(painter, strategy, pane);
    if (active) {
        drawPressureMeter(painter, strategy, view, pane);
    }
    painter.restore();
}
