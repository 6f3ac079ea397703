#include "app/selection_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/button_listener.h"
#include "print/strip_colors.h"

namespace {

const QColor SELECTED_COLOR(192, 160, 255);
const QColor MARK_COLOR(177, 177, 177);

}  // namespace

TSelectionPanel::TSelectionPanel(QWidget* parent, TButtonListener* listener)
    : QWidget(parent), listener_(listener) {
    setFixedHeight(HEIGHT);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TSelectionPanel::setSelected(bool selected) {
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void TSelectionPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, selected_ ? SELECTED_COLOR : FACE_COLOR);
    if (selected_) {
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
    // the 40 by 8 mark in the middle
    const QRect mark(r.center().x() - 20, r.center().y() - 4, 40, 8);
    p.fillRect(mark, selected_ ? QColor(Qt::white) : MARK_COLOR);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void TSelectionPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && listener_ != nullptr)
        listener_->buttonPressed(this, 0);
}

void TSelectionPanel::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
         event->key() == Qt::Key_Enter) &&
        listener_ != nullptr) {
        listener_->buttonPressed(this, 0);
        return;
    }
    QWidget::keyPressEvent(event);
}
