#include "print/pdf_export.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <optional>
#include <vector>

#include "model/output_file.h"
#include "model/period_data.h"
#include "model/xml_document.h"
#include "print/note_painter.h"
#include "print/strip_colors.h"

namespace {

// At this resolution a font's points come out as on the screen, so the meter's numbers keep
// their size against the staff; the output stays vector at any resolution.
constexpr int PDF_RESOLUTION = 96;
constexpr int TITLE_PIXELS = 30;
constexpr int TITLE_HEIGHT = 48;
constexpr int MARKER_PIXELS = 12;
constexpr int FOOTER_PIXELS = 12;
constexpr int LEGEND_PIXELS = 12;
// The metronome mark's note head, under the title at the left.
constexpr int METRONOME_X = 10;
constexpr int METRONOME_Y = 76;

QFont textFont(int pixels, bool bold, QFont::StyleHint hint) {
    QFont font;
    font.setStyleHint(hint);
    font.setFamily(hint == QFont::Serif ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    // pixel sizes are notation pixels: the same on every device
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont markerFont() {
    return textFont(MARKER_PIXELS, true, QFont::SansSerif);
}

TTextWidth widthIn(const QFont& font) {
    return [metrics = QFontMetricsF(font)](const std::string& text) {
        return int(std::ceil(metrics.horizontalAdvance(QString::fromStdString(text))));
    };
}

QFont legendFont() {
    return textFont(LEGEND_PIXELS, false, QFont::SansSerif);
}

TScoreOptions scoreOptions(const TNotePainter& notes, const TScorePrintOptions& print) {
    TScoreOptions options;
    options.meterTextWidth = notes.meterTextWidth();
    options.sentenceWord = print.sentenceWord;
    options.markerTextWidth = widthIn(markerFont());
    options.legendTextWidth = widthIn(legendFont());
    options.blackHeads = print.blackHeads;
    return options;
}

// Paints the laid-out score, page by page, in notation pixels.
class TScorePrinter {
  public:
    TScorePrinter(QPdfWriter& writer, QPainter& painter, const TPeriodData& period,
                  const TScoreLayout& layout)
        : writer_(writer), painter_(painter), period_(period), layout_(layout) {}

    bool print() {
        const qreal scale = PDF_RESOLUTION * SCORE_PIXEL_MM / 25.4;
        for (size_t page = 0; page < layout_.pages.size(); ++page) {
            if (page > 0 && !writer_.newPage())
                return false;
            painter_.save();
            painter_.scale(scale, scale);
            if (page == 0)
                paintTitle();
            for (const TScoreSystem& system : layout_.pages[page].systems)
                paintSystem(system);
            paintFooter(page);
            painter_.restore();
        }
        return true;
    }

  private:
    void paintTitle() {
        painter_.setFont(textFont(TITLE_PIXELS, true, QFont::Serif));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, 0, SCORE_PAGE_WIDTH, TITLE_HEIGHT), Qt::AlignCenter,
                          QString::fromStdString(scoreTitle(period_.name())));
        notes_.paintItems(painter_, layoutMetronomeMark(period_.tempo(), METRONOME_X, METRONOME_Y,
                                                        notes_.meterTextWidth()));
        // the legend's words in a plain font, its heads and boxes as the staffs draw them
        for (const TPlacedItem& item : layout_.legend) {
            if (item.kind != TItemKind::TEXT) {
                notes_.paintItems(painter_, {item});
                continue;
            }
            painter_.setFont(legendFont());
            painter_.setPen(Qt::black);
            painter_.drawText(
                QRectF(item.rect.x, item.rect.y, item.rect.width + 2, item.rect.height),
                Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(item.text));
        }
    }

    void paintSystem(const TScoreSystem& system) {
        notes_.paintItems(painter_, system.items);
        painter_.setFont(markerFont());
        for (const TScoreMarker& marker : system.markers) {
            const QRectF box(marker.rect.x, marker.rect.y, marker.rect.width, marker.rect.height);
            painter_.setPen(QPen(STRIP_LINE_COLOR, 1));
            painter_.setBrush(structureLevelColor(marker.level));
            painter_.drawRoundedRect(box, 3, 3);
            painter_.setPen(Qt::black);
            painter_.drawText(box, Qt::AlignCenter, QString::fromStdString(marker.text));
        }
        painter_.setBrush(Qt::NoBrush);
    }

    void paintFooter(size_t page) {
        if (layout_.pages.size() < 2)
            return;
        painter_.setFont(textFont(FOOTER_PIXELS, false, QFont::Serif));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, SCORE_PAGE_HEIGHT - SCORE_FOOTER_HEIGHT, SCORE_PAGE_WIDTH,
                                 SCORE_FOOTER_HEIGHT),
                          Qt::AlignHCenter | Qt::AlignBottom,
                          QString("%1 / %2").arg(page + 1).arg(layout_.pages.size()));
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    const TPeriodData& period_;
    const TScoreLayout& layout_;
    TNotePainter notes_;
};

}  // namespace

TScoreLayout periodPdfLayout(const TPeriodData& period, const TScorePrintOptions& options) {
    const TNotePainter notes;
    return layoutScore(period, scoreOptions(notes, options));
}

bool writePeriodPdf(const TPeriodData& period, const std::string& path,
                    const TScorePrintOptions& options) {
    const TScoreLayout layout = periodPdfLayout(period, options);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PDF_RESOLUTION);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(SCORE_MARGIN_MM, SCORE_MARGIN_MM, SCORE_MARGIN_MM, SCORE_MARGIN_MM),
            QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(scoreTitle(period.name())));
        writer.setCreator(QStringLiteral("Motivica"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const bool printed = TScorePrinter(writer, painter, period, layout).print();
        if (!painter.end() || !printed)
            return false;
    }
    return bool(
        writeBytesFileAtomically(path, std::vector<uint8_t>(bytes.constBegin(), bytes.constEnd())));
}
