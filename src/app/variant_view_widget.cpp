#include "app/variant_view_widget.h"

#include "app/pointer_controls.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/chord_pane_painter.h"
#include "app/note_pane_painter.h"
#include "editing/chord_variant_strategy.h"
#include "editing/note_variant_strategy.h"
#include "editing/variant_view.h"

namespace {

const QColor GREY(128, 128, 128);

// The pane names screen readers announce: the panes are parts of one widget, so each gets a
// child that paints nothing and lets the mouse through.
QWidget* paneName(QWidget* parent, int pane, const QString& name) {
    auto* w = new QWidget(parent);
    w->setGeometry(TVariantViewWidget::paneRect(pane));
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAttribute(Qt::WA_NoSystemBackground);
    w->setAccessibleName(name);
    return w;
}

}  // namespace

TVariantViewWidget::TVariantViewWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(VIEW_WIDTH, VIEW_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    paneName(this, 0, "DAD pane 1");
    paneName(this, 1, "DAD pane 2");
}

QRect TVariantViewWidget::paneRect(int pane) {
    return QRect(pane == 0 ? 0 : PANE_BOUNDARY, 0, PANE_WIDTH, VIEW_HEIGHT);
}

namespace {

// How far from an edge its meter and the meter's word reach.
constexpr int METER_BAND = 72;

// The pressure meters and their words beside an edge at view x: pressure shows there too.
QRect meterBand(int x) {
    return QRect(x - METER_BAND, 0, 2 * METER_BAND, VIEW_HEIGHT);
}

}  // namespace

QRect TVariantViewWidget::edgeColumnRect(int pane) {
    return QRect(pane == 0 ? PANE_BOUNDARY - EDGE_COLUMN_WIDTH + 1 : PANE_BOUNDARY, 0,
                 EDGE_COLUMN_WIDTH, VIEW_HEIGHT);
}

void TVariantViewWidget::invalidatePane(int pane) {
    dirty_[pane & 1] = true;
    marks_[pane & 1] = -1;
    update(paneRect(pane));
}

void TVariantViewWidget::updateEdgeColumn(int pane) {
    update(edgeColumnRect(pane));
    update(meterBand(PANE_BOUNDARY));
}

void TVariantViewWidget::markRow(int pane, int32_t row) {
    marks_[pane & 1] = row;
    update(edgeColumnRect(pane));
}

void TVariantViewWidget::updateExtentLine(int pane) {
    const TVariantStrategy* s = view_ != nullptr ? view_->strategy(pane) : nullptr;
    const auto* notes = dynamic_cast<const TNoteVariantStrategy*>(s);
    if (notes == nullptr) {
        update(paneRect(pane));
        return;
    }
    const int len = lengthPixels(notes->extent());
    const int x = pane == 0 ? PANE_BOUNDARY - len : PANE_BOUNDARY + len;
    update(QRect(x - 1, 0, 3, VIEW_HEIGHT));
    update(meterBand(x));
    update(meterBand(PANE_BOUNDARY));
}

void TVariantViewWidget::pointerMoved() {
    if (drawnPointer_ == nullptr) {
        return;
    }
    update(lastPointerRect_);
    const TScreenPoint p = drawnPointer_->pos();
    const QPoint local = mapFromGlobal(QPoint(p.x, p.y));
    lastPointerRect_ = QRect(local.x() - 1, local.y() - 1, 16, 22);
    update(lastPointerRect_);
}

void TVariantViewWidget::renderPane(int pane) {
    const qreal dpr = devicePixelRatioF();
    QImage& image = images_[pane];
    if (image.isNull() || image.devicePixelRatio() != dpr) {
        image = QImage(QSize(PANE_WIDTH, VIEW_HEIGHT) * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
    }
    QPainter p(&image);
    const TVariantStrategy* s = view_ != nullptr ? view_->strategy(pane) : nullptr;
    const bool active = view_ != nullptr && view_->activePane() == pane;
    if (const auto* notes = dynamic_cast<const TNoteVariantStrategy*>(s)) {
        paintNotePane(p, *notes, *view_, pane, active);
    } else if (s == nullptr) {
        p.fillRect(QRect(0, 0, PANE_WIDTH, VIEW_HEIGHT), Qt::white);
    }
    dirty_[pane] = false;
}

void TVariantViewWidget::paintDecorations(QPainter& p, int pane) {
    const TVariantStrategy* s = view_ != nullptr ? view_->strategy(pane) : nullptr;
    const bool active = view_ != nullptr && view_->activePane() == pane;
    if (const auto* notes = dynamic_cast<const TNoteVariantStrategy*>(s)) {
        paintNotePaneDecorations(p, *notes, *view_, pane, active);
        if (marks_[pane] >= 13 && marks_[pane] <= 34) {
            const QRect column = edgeColumnRect(pane).translated(-paneRect(pane).left(), 0);
            const QRect cell(column.left(), rowTop(marks_[pane]), EDGE_COLUMN_WIDTH,
                             PITCH_ROW_HEIGHT);
            p.fillRect(cell, QColor(0, 255, 0));
            p.setPen(GREY);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
}

void TVariantViewWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // the active pane last, so that its boundary line shows on the shared column
    const int first = view_ != nullptr && view_->activePane() == 0 ? 1 : 0;
    for (int pane : {first, 1 - first}) {
        const QRect rect = paneRect(pane);
        if (!event->region().intersects(rect)) {
            continue;
        }
        const TVariantStrategy* s = view_ != nullptr ? view_->strategy(pane) : nullptr;
        p.save();
        p.setClipRect(rect);
        p.translate(rect.topLeft());
        if (const auto* chords = dynamic_cast<const TChordVariantStrategy*>(s)) {
            paintChordPane(p, *chords, *view_, pane, view_->activePane() == pane);
        } else {
            if (dirty_[pane]) {
                renderPane(pane);
            }
            p.drawImage(0, 0, images_[pane]);
            paintDecorations(p, pane);
        }
        p.restore();
    }
    if (drawnPointer_ != nullptr && view_ != nullptr && view_->isOpen()) {
        const TScreenPoint sp = drawnPointer_->pos();
        const QPoint local = mapFromGlobal(QPoint(sp.x, sp.y));
        drawPointerArrow(p, local);
    }
}
