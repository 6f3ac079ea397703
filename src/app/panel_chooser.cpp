#include "app/panel_chooser.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/panel_chooser_group.h"
#include "print/strip_colors.h"

namespace {

constexpr int MARK_WIDTH = 9;
const QColor GREY(128, 128, 128);

// The mark right of the caption: a small eighth note, the sign of a way of development.
void drawMark(QPainter& p, QPointF at) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QRectF(at.x(), at.y() + 7, 5, 4));
    p.drawLine(QPointF(at.x() + 5, at.y() + 9), QPointF(at.x() + 5, at.y()));
    p.drawLine(QPointF(at.x() + 5, at.y()), QPointF(at.x() + 8, at.y() + 3));
    p.restore();
}

}  // namespace

TPanelChooser::TPanelChooser(QWidget* parent, TPanelChooserGroup& group, int index,
                             const QString& caption)
    : QWidget(parent), group_(group), index_(index), caption_(caption) {
    setAccessibleName(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setFixedSize(sizeHint());
}

int TPanelChooser::naturalWidth() const {
    return fontMetrics().horizontalAdvance(caption_) + MARK_WIDTH + 11;
}

QSize TPanelChooser::sizeHint() const {
    return QSize(naturalWidth(), HEIGHT);
}

void TPanelChooser::setSelected(bool selected) {
    if (selected == selected_)
        return;
    selected_ = selected;
    update();
}

void TPanelChooser::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), FACE_COLOR);
    // raised: light from the top left; sunken: the other way round
    const QColor outline = selected_ ? QColor(Qt::white) : GREY;
    const QColor lit = selected_ ? GREY : QColor(Qt::white);
    p.setPen(outline);
    p.drawRect(r);
    p.setPen(lit);
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    const int shift = selected_ ? 1 : 0;
    const int textWidth = fontMetrics().horizontalAdvance(caption_);
    const int left = (width() - textWidth - MARK_WIDTH - 3) / 2 + shift;
    p.setPen(Qt::black);
    p.drawText(QRect(left, shift, textWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft,
               caption_);
    drawMark(p, QPointF(left + textWidth + 3, 5 + shift));
    if (hasFocus()) {
        QPen dotted(QColor(60, 60, 60), 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

void TPanelChooser::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        group_.buttonPressed(this, index_);
}

void TPanelChooser::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            group_.step(index_, -1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            group_.step(index_, 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            group_.buttonPressed(this, index_);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TPanelChooser::dragEnterEvent(QDragEnterEvent* event) {
    if (group_.acceptsDrop(index_, *event))
        event->acceptProposedAction();
}

void TPanelChooser::dropEvent(QDropEvent* event) {
    if (!group_.acceptsDrop(index_, *event))
        return;
    group_.drop(index_, *event);
    event->acceptProposedAction();
}
