#include "print/note_painter.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

#include "model/motive.h"
#include "notation/canvas_layout.h"
#include "notation/header_layout.h"
#include "notation/measure_layout.h"
#include "notation/notation_metrics.h"
#include "print/notation_glyphs.h"

namespace {

QColor rgb(TRgb colour) {
    return QColor(int((colour >> 16) & 0xFF), int((colour >> 8) & 0xFF), int(colour & 0xFF));
}

QRect qRect(const TPixelRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

// The measure bitmap's staff runs one column past the measure.
int measureBitmapWidth(DURATION beatLength, int32_t beatsPerMeasure) {
    return measureWidth(int32_t(beatLength) * beatsPerMeasure) + 1;
}

// What the measure bitmap holds when it is painted for these notes.
TPlacedItems measureItems(size_t first, size_t last, int32_t start, DURATION beatLength,
                          int32_t beatsPerMeasure, int32_t lead, int32_t limit,
                          const TMotive& motive) {
    return layoutMotiveMeasure(motive, first, last, start, beatLength, beatsPerMeasure, lead, limit,
                               measureBitmapWidth(beatLength, beatsPerMeasure));
}

}  // namespace

TNotePainter::TNotePainter() : glyphs_(std::make_unique<TNotationGlyphs>()) {
    meterFont_.setStyleHint(QFont::Serif);
    meterFont_.setFamily(QStringLiteral("serif"));
    meterFont_.setPointSize(10);
    meterFont_.setBold(true);
}

TNotePainter::~TNotePainter() = default;

QColor TNotePainter::headColour(uint8_t style) {
    switch (style) {
        case STYLE_NON_CHORD_TONE:
            return QColor(24, 96, 200);
        case STYLE_SOUNDING:
            return QColor(224, 40, 24);
        default:
            return Qt::black;
    }
}

qreal TNotePainter::pixelRatioOf(QPainter& painter) {
    if (painter.paintEngine() && painter.paintEngine()->paintDevice())
        return painter.paintEngine()->paintDevice()->devicePixelRatio();
    return painter.device() ? painter.device()->devicePixelRatio() : 1.0;
}

QColor TNotePainter::labelBorderColour() {
    return QColor(128, 128, 128);
}

void TNotePainter::prepare(int width, qreal pixelRatio) {
    width = std::max(width, 1);
    const QSize device(int(std::ceil(width * pixelRatio)),
                       int(std::ceil(MEASURE_BITMAP_HEIGHT * pixelRatio)));
    // the bitmap only grows, so painting one canvas after another does not reallocate
    if (bitmap_.isNull() || bitmap_.devicePixelRatio() != pixelRatio ||
        bitmap_.width() < device.width() || bitmap_.height() < device.height()) {
        bitmap_ = QImage(
            device.expandedTo(bitmap_.devicePixelRatio() == pixelRatio ? bitmap_.size() : QSize()),
            QImage::Format_ARGB32_Premultiplied);
        bitmap_.setDevicePixelRatio(pixelRatio);
    }
    bitmap_.fill(Qt::white);
    width_ = width;
}

void TNotePainter::paintInto(const TPlacedItems& items) {
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    paintItems(painter, items);
}

const QImage& TNotePainter::paintMeasure(size_t first, size_t last, int32_t start,
                                         DURATION beatLength, int32_t beatsPerMeasure, int32_t lead,
                                         int32_t limit, const TMotive& motive, qreal pixelRatio) {
    prepare(measureBitmapWidth(beatLength, beatsPerMeasure), pixelRatio);
    paintInto(measureItems(first, last, start, beatLength, beatsPerMeasure, lead, limit, motive));
    return bitmap_;
}

TTextWidth TNotePainter::meterTextWidth() const {
    return [metrics = QFontMetrics(meterFont_)](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
}

int TNotePainter::headerWidth(int32_t signs, const TMeasure& meter) const {
    return ::headerWidth(signs, meter, meterTextWidth());
}

const QImage& TNotePainter::paintHeader(int32_t signs, const TMeasure& meter, qreal pixelRatio) {
    const TTextWidth textWidth = meterTextWidth();
    prepare(::headerWidth(signs, meter, textWidth), pixelRatio);
    paintInto(layoutHeader(signs, meter, textWidth));
    return bitmap_;
}

void TNotePainter::paintPieces(QPainter& painter, const TCanvasComposition& composition,
                               const TMotive& motive) const {
    for (const TMeasurePiece& piece : composition.pieces) {
        painter.save();
        // the bitmap's columns [sourceLeft, sourceLeft + sourceWidth) land at targetX
        painter.setClipRect(
            QRect(piece.targetX, CANVAS_MEASURE_TOP, piece.sourceWidth, MEASURE_BITMAP_HEIGHT),
            Qt::IntersectClip);
        painter.translate(piece.targetX - piece.sourceLeft, CANVAS_MEASURE_TOP);
        paintItems(painter, measureItems(piece.firstNote, piece.lastNote, piece.start,
                                         composition.beatLength, composition.beatsPerMeasure,
                                         piece.lead, piece.limit, motive));
        painter.restore();
    }
}

void TNotePainter::paintItems(QPainter& painter, const TPlacedItems& items) const {
    for (const TPlacedItem& item : items) {
        switch (item.kind) {
            case TItemKind::STAFF_LINE:
            case TItemKind::BAR_LINE:
            case TItemKind::LEDGER_LINE:
            case TItemKind::STEM:
            case TItemKind::BEAM:
            case TItemKind::SECONDARY_BEAM:
                painter.fillRect(qRect(item.rect), Qt::black);
                break;
            case TItemKind::GLYPH:
                glyphs_->draw(painter, item.glyph, QPointF(item.rect.x, item.rect.y),
                              headColour(item.style));
                break;
            case TItemKind::TIE_BELOW:
            case TItemKind::TIE_ABOVE: {
                // a crescent, thickest in the middle and fine at both ends
                const QRectF outer(item.rect.x, item.rect.y, item.rect.width, item.rect.height);
                const qreal thickness = 1.7;
                const bool below = item.kind == TItemKind::TIE_BELOW;
                const QRectF inner = outer.adjusted(0, thickness, 0, -thickness);
                QPainterPath tie;
                tie.arcMoveTo(outer, 180);
                tie.arcTo(outer, 180, below ? 180 : -180);
                tie.arcTo(inner, 0, below ? -180 : 180);
                tie.closeSubpath();
                painter.fillPath(tie, Qt::black);
                break;
            }
            case TItemKind::TEXT:
                painter.setFont(meterFont_);
                painter.setPen(Qt::black);
                painter.drawText(qRect(item.rect), Qt::AlignLeft | Qt::AlignVCenter,
                                 QString::fromStdString(item.text));
                break;
            case TItemKind::FILL:
                painter.fillRect(qRect(item.rect), rgb(item.colour));
                break;
            case TItemKind::LABEL_BOX: {
                const QRect box = qRect(item.rect);
                painter.fillRect(box, labelBorderColour());
                painter.fillRect(box.adjusted(1, 1, -1, -1), rgb(item.colour));
                break;
            }
        }
    }
}
