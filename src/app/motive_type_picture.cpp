#include "app/motive_type_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <utility>

namespace {

// The drawing is made for this box and scaled to the picture's height.
constexpr qreal DRAWING_WIDTH = 96.0;
constexpr qreal DRAWING_HEIGHT = 56.0;
constexpr int PICTURE_HEIGHT = 80;
// Horizontal room of a note and of the bar line.
constexpr qreal NOTE_SLOT = 22.0;
constexpr qreal BAR_SLOT = 12.0;
// The line the note heads sit on, the top of the stems and the height of the marks.
constexpr qreal LINE_Y = 41.0;
constexpr qreal STEM_TOP_Y = 22.0;
constexpr qreal MARK_Y = 9.0;

qreal slotWidth(TMotiveTypeSymbol symbol) {
    return symbol == TMotiveTypeSymbol::BAR_LINE ? BAR_SLOT : NOTE_SLOT;
}

void drawNote(QPainter& painter, qreal x, bool stressed, const QColor& ink) {
    // a slanted oval head with its stem on the right; the short, unstressed note is an eighth
    painter.save();
    painter.translate(x, LINE_Y);
    painter.rotate(-20.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(0.0, 0.0), 5.2, 3.6);
    painter.restore();

    const qreal stemX = x + 4.4;
    painter.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(stemX, LINE_Y - 1.5), QPointF(stemX, STEM_TOP_Y));
    if (!stressed) {
        QPainterPath flag;
        flag.moveTo(stemX, STEM_TOP_Y);
        flag.cubicTo(stemX + 0.8, STEM_TOP_Y + 5.0, stemX + 7.5, STEM_TOP_Y + 6.5, stemX + 5.0,
                     STEM_TOP_Y + 14.0);
        flag.cubicTo(stemX + 6.0, STEM_TOP_Y + 8.5, stemX + 1.5, STEM_TOP_Y + 7.5, stemX,
                     STEM_TOP_Y + 5.5);
        flag.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(flag);
    }

    // the prosody mark: a bar for the stressed note, a small bow for an unstressed one
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    if (stressed) {
        painter.drawLine(QPointF(x - 4.5, MARK_Y), QPointF(x + 4.5, MARK_Y));
    } else {
        QPainterPath bow;
        bow.moveTo(x - 4.0, MARK_Y - 2.5);
        bow.quadTo(x, MARK_Y + 4.5, x + 4.0, MARK_Y - 2.5);
        painter.drawPath(bow);
    }
}

}  // namespace

TMotiveTypePicture::TMotiveTypePicture(QWidget* parent) : QWidget(parent) {
    setFixedHeight(PICTURE_HEIGHT);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TMotiveTypePicture::setSymbols(std::vector<TMotiveTypeSymbol> symbols) {
    symbols_ = std::move(symbols);
    update();
}

QSize TMotiveTypePicture::sizeHint() const {
    return QSize(static_cast<int>(DRAWING_WIDTH * PICTURE_HEIGHT / DRAWING_HEIGHT), PICTURE_HEIGHT);
}

void TMotiveTypePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    const QColor frame = palette().color(QPalette::Mid);

    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(frame, 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(box, 4.0, 4.0);

    const qreal scale = height() / DRAWING_HEIGHT;
    painter.setPen(QPen(frame, 1.0));
    painter.drawLine(QPointF(8.0, LINE_Y * scale), QPointF(width() - 8.0, LINE_Y * scale));

    qreal total = 0.0;
    for (TMotiveTypeSymbol symbol : symbols_)
        total += slotWidth(symbol);
    painter.scale(scale, scale);
    qreal left = (width() / scale - total) / 2.0;
    for (TMotiveTypeSymbol symbol : symbols_) {
        const qreal x = left + slotWidth(symbol) / 2.0;
        switch (symbol) {
            case TMotiveTypeSymbol::BAR_LINE:
                painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(QPointF(x, LINE_Y - 11.0), QPointF(x, LINE_Y + 11.0));
                break;
            case TMotiveTypeSymbol::STRESSED_NOTE:
            case TMotiveTypeSymbol::UNSTRESSED_NOTE:
                drawNote(painter, x, symbol == TMotiveTypeSymbol::STRESSED_NOTE, ink);
                break;
        }
        left += slotWidth(symbol);
    }
}
