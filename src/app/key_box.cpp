#include "app/key_box.h"

#include <QPainter>

#include "notation/canvas_layout.h"
#include "notation/notation_metrics.h"
#include "print/note_painter.h"

TKeyBox::TKeyBox(QWidget* parent, TNotePainter* painter)
    : QWidget(parent),
      ownPainter_(painter ? nullptr : std::make_unique<TNotePainter>()),
      painter_(painter ? painter : ownPainter_.get()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Key and meter"));
    setFixedSize(sizeHint());
}

TKeyBox::~TKeyBox() = default;

void TKeyBox::setKeyAndMeter(int32_t signs, const TMeasure& meter) {
    signs_ = signs;
    meter_ = meter;
    setFixedSize(sizeHint());
    update();
}

QSize TKeyBox::sizeHint() const {
    return QSize(painter_->headerWidth(signs_, meter_), CANVAS_HEIGHT);
}

void TKeyBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = TNotePainter::pixelRatioOf(painter);
    const QImage& bitmap = painter_->paintHeader(signs_, meter_, ratio);
    const int width = painter_->bitmapWidth();
    // the same frame as a motive canvas beside it: white above, the chord band's face below
    painter_->paintItems(painter, canvasFrame(width));
    painter.drawImage(QRectF(0, CANVAS_MEASURE_TOP, width, MEASURE_BITMAP_HEIGHT), bitmap,
                      QRectF(0, 0, width * ratio, MEASURE_BITMAP_HEIGHT * ratio));
}
