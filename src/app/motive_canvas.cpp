#include "app/motive_canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "notation/canvas_layout.h"
#include "notation/notation_metrics.h"
#include "print/note_painter.h"

TMotiveCanvas::TMotiveCanvas(QWidget* parent, TNotePainter* painter)
    : QWidget(parent),
      ownPainter_(painter ? nullptr : std::make_unique<TNotePainter>()),
      painter_(painter ? painter : ownPainter_.get()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitToMotive();
}

TMotiveCanvas::~TMotiveCanvas() {
    if (motive_ && motive_->listener() == this)
        motive_->setListener(nullptr);
}

void TMotiveCanvas::setMotive(TMotive* motive) {
    if (motive_ && motive_->listener() == this)
        motive_->setListener(nullptr);
    motive_ = motive;
    if (motive_)
        motive_->setListener(this);
    fitToMotive();
    update();
}

void TMotiveCanvas::setNotePlaying(size_t index, bool playing) {
    if (!motive_ || index >= motive_->notes.size())
        return;
    motive_->notes[index].playing = playing;
    update();
}

void TMotiveCanvas::clearPlaying() {
    if (!motive_)
        return;
    for (TNote& note : motive_->notes)
        note.playing = false;
    update();
}

void TMotiveCanvas::motiveChanged() {
    fitToMotive();
    update();
}

QSize TMotiveCanvas::naturalSize() const {
    const TMeasure meter = motive_ ? motive_->measure : TMeasure();
    return QSize(measureWidth(meter.measureLength()) + CANVAS_EXTRA_WIDTH, CANVAS_HEIGHT);
}

QSize TMotiveCanvas::sizeHint() const {
    const QSize natural = naturalSize();
    return QSize(int(std::ceil(natural.width() * scale_)),
                 int(std::ceil(natural.height() * scale_)));
}

void TMotiveCanvas::setScale(double scale) {
    scale = std::clamp(scale, 0.1, 1.0);
    if (scale == scale_)
        return;
    scale_ = scale;
    fitToMotive();
    update();
}

QPoint TMotiveCanvas::unscaled(QPointF widget) const {
    return QPoint(int(std::floor(widget.x() / scale_)), int(std::floor(widget.y() / scale_)));
}

int TMotiveCanvas::scaledX(int x) const {
    return int(std::lround(x * scale_));
}

void TMotiveCanvas::fitToMotive() {
    setFixedSize(sizeHint());
}

void TMotiveCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(scale_, scale_);
    paintMotive(painter);
    paintOverlay(painter);
}

void TMotiveCanvas::paintOverlay(QPainter&) {}

void TMotiveCanvas::paintMotive(QPainter& painter) {
    const TMotive empty;
    const TMotive& motive = motive_ ? *motive_ : empty;
    const TCanvasComposition composition = composeCanvas(motive);
    TNotePainter& notes = *painter_;
    notes.paintItems(painter, composition.background);
    // the measures are painted at the device pixels they finally cover, scale included; a
    // bitmap finer than its device pixels is not to be had, so below that it is smoothed down
    const qreal ratio = std::max<qreal>(1.0, TNotePainter::pixelRatioOf(painter) * scale_);
    if (scale_ != 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const TMeasurePiece& piece : composition.pieces) {
        const QImage& bitmap =
            notes.paintMeasure(piece.firstNote, piece.lastNote, piece.start, composition.beatLength,
                               composition.beatsPerMeasure, piece.lead, piece.limit, motive, ratio);
        // device pixels of the bitmap land one to one on device pixels of the canvas
        painter.drawImage(
            QRectF(piece.targetX, CANVAS_MEASURE_TOP, piece.sourceWidth, MEASURE_BITMAP_HEIGHT),
            bitmap,
            QRectF(piece.sourceLeft * ratio, 0, piece.sourceWidth * ratio,
                   MEASURE_BITMAP_HEIGHT * ratio));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    notes.paintItems(painter, composition.band);
}
