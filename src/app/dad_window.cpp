#include "app/dad_window.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>

#include "app/variant_view_widget.h"
#include "app/window_frame.h"

TDadWindow::TDadWindow(QWidget* owner)
    // a tool window with a title only: nothing to minimise or maximise, above its main window
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner),
      view_(new TVariantViewWidget(this)) {
    setWindowTitle("DAD");
    setAccessibleName("DAD");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    view_->move(VIEW_MARGIN, VIEW_MARGIN);
    setFixedSize(VIEW_WIDTH + 2 * VIEW_MARGIN, VIEW_HEIGHT + 2 * VIEW_MARGIN);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(pal);
    setAutoFillBackground(true);
    askForTitleOnlyFrame(this);
}

void TDadWindow::setView(TVariantView* view) {
    variantView_ = view;
    view_->setView(view);
}

void TDadWindow::setDrawnPointer(TVirtualPointer* pointer) {
    view_->setDrawnPointer(pointer);
}

TScreenRect TDadWindow::screenArea() {
    // the screen the owner (and so the canvas being edited) is on
    QScreen* screen = owner_ != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {0, 0, 1024, 768};
    }
    const QRect r = screen->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

namespace {

// The frame a window manager draws around a window's client area.
QMargins frameAround(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

QMargins TDadWindow::frameMargins() const {
    if (frameKnown_)
        return frame_;
    const QWidget* main = owner_ != nullptr ? owner_->window() : nullptr;
    return main != nullptr && main->isVisible() ? frameAround(*main) : QMargins();
}

int32_t TDadWindow::popupWidth() {
    const QMargins m = frameMargins();
    return width() + m.left() + m.right();
}

int32_t TDadWindow::popupHeight() {
    const QMargins m = frameMargins();
    return height() + m.top() + m.bottom();
}

void TDadWindow::showAt(int32_t left, int32_t top) {
    // (left, top) is the outer corner, title bar included; the client area is placed itself, so
    // that the zone and the pointer can be laid out in it before the window manager answers
    const QMargins m = frameMargins();
    placed_ = QPoint(left + m.left(), top + m.top());
    setGeometry(QRect(placed_, size()));
    show();
    raise();
}

TScreenPoint TDadWindow::viewOrigin() {
    return {placed_.x() + VIEW_MARGIN, placed_.y() + VIEW_MARGIN};
}

void TDadWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isVisible())
        return;
    if (frameGeometry() != geometry()) {
        frame_ = frameAround(*this);
        frameKnown_ = true;
    }
    // the window manager may still place the popup elsewhere: the open popup follows it
    if (geometry().topLeft() != placed_) {
        placed_ = geometry().topLeft();
        if (variantView_ != nullptr)
            variantView_->surfaceMoved();
    }
}

void TDadWindow::setCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

void TDadWindow::paintPane(int pane, bool) {
    view_->invalidatePane(pane);
}

void TDadWindow::paintEdgeColumn(int pane) {
    view_->updateEdgeColumn(pane);
}

void TDadWindow::markRow(int pane, int32_t row) {
    view_->markRow(pane, row);
}

void TDadWindow::paintExtentLine(int pane) {
    view_->updateExtentLine(pane);
}
