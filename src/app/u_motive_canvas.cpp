#include "app/u_motive_canvas.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include "app/base_service.h"
#include "app/canvas_cursors.h"
#include "app/dragged.h"
#include "app/relay.h"
#include "editing/canvas_mapping.h"
#include "editing/variant_strategy.h"
#include "model/motive.h"
#include "print/drawn_icon.h"

namespace {

QToolButton* historyButton(QWidget* parent, int x, const QString& name, bool pointsLeft) {
    auto* b = new QToolButton(parent);
    b->setGeometry(x, 135, 17, 14);
    b->setAccessibleName(name);
    b->setToolTip(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    b->setIcon(drawnIcon(10, [pointsLeft](QPainter& p) {
        QPolygonF arrow;
        if (pointsLeft) {
            arrow << QPointF(2, 5) << QPointF(8, 1) << QPointF(8, 9);
        } else {
            arrow << QPointF(8, 5) << QPointF(2, 1) << QPointF(2, 9);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawPolygon(arrow);
    }));
    b->setIconSize(QSize(10, 10));
    b->setEnabled(false);
    return b;
}

TMouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return TMouseButton::Left;
        case Qt::RightButton:
            return TMouseButton::Right;
        default:
            return TMouseButton::Middle;
    }
}

}  // namespace

TUMotiveCanvas::TUMotiveCanvas(QWidget* parent, TPopupHost& host, TMotive* motive, int32_t canvasId)
    : TMotiveCanvas(parent, &host.notePainter()),
      host_(host),
      canvasId_(canvasId),
      editor_(std::make_unique<TMotiveEditor>(host, *this, motive)),
      back_(historyButton(this, 3, "Back", true)),
      forward_(historyButton(this, 22, "Forward", false)) {
    setMotive(motive);
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    connect(back_, &QToolButton::clicked, this, [this] {
        editor_->back();
        updateHistoryButtons();
    });
    connect(forward_, &QToolButton::clicked, this, [this] {
        editor_->forward();
        updateHistoryButtons();
    });
}

TUMotiveCanvas::~TUMotiveCanvas() {
    if (editor_->pressed()) {
        host_.setEditingCanvas(nullptr);
    }
    editor_.reset();
}

uint32_t TUMotiveCanvas::shiftOf(Qt::KeyboardModifiers modifiers) const {
    return (modifiers & Qt::ControlModifier) ? SHIFT_CTRL : 0;
}

void TUMotiveCanvas::updateHistoryButtons() {
    back_->setEnabled(editor_->history().canGoBack());
    forward_->setEnabled(editor_->history().canGoForward());
}

void TUMotiveCanvas::repaint() {
    updateHistoryButtons();
    update();
}

void TUMotiveCanvas::motiveChanged() {
    TMotiveCanvas::motiveChanged();
    updateHistoryButtons();
}

TScreenRect TUMotiveCanvas::canvasOnScreen() {
    const QPoint tl = mapToGlobal(QPoint(0, 0));
    return {tl.x(), tl.y(), tl.x() + width(), tl.y() + height()};
}

TScreenRect TUMotiveCanvas::screenArea() {
    QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) {
        return {0, 0, 1024, 768};
    }
    const QRect r = s->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

int32_t TUMotiveCanvas::popupWidth() {
    return host_.popupWidth();
}

void TUMotiveCanvas::movePointerToX(int32_t x) {
    TPointerControl& pointer = host_.pointerControl();
    const TScreenPoint now = pointer.pos();
    pointer.setPos({mapToGlobal(QPoint(scaledX(x), 0)).x(), now.y});
    if (host_.pointerIsDrawn()) {
        return;
    }
    lastGlobal_ = QPoint(pointer.pos().x, pointer.pos().y);
}

void TUMotiveCanvas::paintOverlay(QPainter& painter) {
    if (!editor_->showsCursor() || motive() == nullptr) {
        return;
    }
    const int x = xOfTime(*motive(), editor_->timeCursor());
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(x, CANVAS_CURSOR_TOP, x, CANVAS_CURSOR_BOTTOM);
}

void TUMotiveCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint local = unscaled(event->position());
    lastGlobal_ = event->globalPosition().toPoint();
    if (host_.pointerIsDrawn()) {
        // the drawn pointer starts where the real one pressed
        host_.pointerControl().setPos({lastGlobal_.x(), lastGlobal_.y()});
    }
    clearPlaying();
    if (editor_->mouseDown(buttonOf(event->button()), shiftOf(event->modifiers()), local.x(),
                           local.y(), lastGlobal_.x(), lastGlobal_.y())) {
        host_.setEditingCanvas(this);
        setFocus(Qt::MouseFocusReason);
    }
    updateHistoryButtons();
}

void TUMotiveCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint local = unscaled(event->position());
    const QPoint global = event->globalPosition().toPoint();
    if (editor_->pressed()) {
        TPointerControl& pointer = host_.pointerControl();
        if (host_.pointerIsDrawn()) {
            const QPoint delta = global - lastGlobal_;
            auto& drawn = static_cast<TVirtualPointer&>(pointer);
            drawn.moveBy(delta.x(), delta.y());
        }
        lastGlobal_ = global;
        const TScreenPoint p = pointer.pos();
        host_.pointerMovedWhilePressed(p);
        editor_->mouseMove(shiftOf(event->modifiers()), local.x(), local.y(), p.x, p.y);
        return;
    }
    editor_->mouseMove(shiftOf(event->modifiers()), local.x(), local.y(), global.x(), global.y());
    const int shape = editor_->cursorShapeAt(local.y());
    if (shape != cursorShape_) {
        cursorShape_ = shape;
        setCursor(canvasCursor(shape));
    }
}

void TUMotiveCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        finishEdit();
    }
}

void TUMotiveCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && editor_->pressed()) {
        finishEdit();
        return;
    }
    TMotiveCanvas::keyPressEvent(event);
}

bool TUMotiveCanvas::scriptedPress(QPoint local) {
    const TScreenPoint p = host_.pointerControl().pos();
    lastGlobal_ = QPoint(p.x, p.y);
    clearPlaying();
    if (!editor_->mouseDown(TMouseButton::Left, 0, local.x(), local.y(), p.x, p.y)) {
        return false;
    }
    host_.setEditingCanvas(this);
    updateHistoryButtons();
    return true;
}

void TUMotiveCanvas::scriptedDrag(QPoint local, bool ctrl) {
    const TScreenPoint p = host_.pointerControl().pos();
    lastGlobal_ = QPoint(p.x, p.y);
    editor_->mouseMove(ctrl ? SHIFT_CTRL : 0, local.x(), local.y(), p.x, p.y);
}

void TUMotiveCanvas::finishEdit() {
    if (!editor_->pressed()) {
        return;
    }
    editor_->mouseUp();
    host_.setEditingCanvas(nullptr);
    updateHistoryButtons();
}

void TUMotiveCanvas::dragEnterEvent(QDragEnterEvent* event) {
    auto* handle = qobject_cast<TDragged*>(event->source());
    if (event->mimeData()->hasFormat(MOTIVE_MIME_TYPE) && handle != nullptr &&
        handle->canvas() != nullptr && handle->canvas() != this && editor_->dropEnabled()) {
        event->acceptProposedAction();
    }
}

void TUMotiveCanvas::dropEvent(QDropEvent* event) {
    auto* handle = qobject_cast<TDragged*>(event->source());
    if (handle == nullptr || handle->canvas() == nullptr || handle->canvas()->motive() == nullptr)
        return;
    if (takeMotive(*handle->canvas()->motive()))
        event->acceptProposedAction();
}

bool TUMotiveCanvas::takeMotive(const TMotive& source) {
    if (!editor_->dropMotive(source))
        return false;
    updateHistoryButtons();
    return true;
}

void TUMotiveCanvas::noteStarted(int32_t variantTag, int32_t noteIndex) {
    if (host_.popupShown() || motive() == nullptr) {
        return;
    }
    // a report about an older version shows that version first
    if (variantTag != motive()->variantTag() && !editor_->showVersion(variantTag)) {
        return;
    }
    if (noteIndex >= 0 && static_cast<size_t>(noteIndex) < motive()->notes.size()) {
        setNotePlaying(static_cast<size_t>(noteIndex), true);
    }
}

void TUMotiveCanvas::noteEnded(int32_t variantTag, int32_t noteIndex) {
    if (motive() == nullptr || variantTag != motive()->variantTag()) {
        return;
    }
    if (noteIndex >= 0 && static_cast<size_t>(noteIndex) < motive()->notes.size()) {
        setNotePlaying(static_cast<size_t>(noteIndex), false);
    }
}

void TUMotiveCanvas::onNoteOn(int32_t motiveTag, int32_t noteIndex) {
    host_.relay().postNote(canvasId_, motiveTag, noteIndex, true);
}

void TUMotiveCanvas::onNoteOff(int32_t motiveTag, int32_t noteIndex) {
    host_.relay().postNote(canvasId_, motiveTag, noteIndex, false);
}

void TUMotiveCanvas::onMotiveStart() {
    host_.relay().postPlay(canvasId_, true);
}

void TUMotiveCanvas::onMotiveEnd() {
    host_.relay().postPlay(canvasId_, false);
}
