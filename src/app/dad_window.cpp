#include "app/dad_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMoveEvent>
#include <QScreen>

#include "app/variant_view_widget.h"
#include "app/window_frame.h"

namespace {

// Room for two lines of the application's font: the longer hint wraps at the view's width
// rather than lose its end, at a size a student reads without effort.
int hintHeight(const QWidget& label) {
    return 2 * label.fontMetrics().lineSpacing() + 4;
}

}  // namespace

TDadWindow::TDadWindow(QWidget* owner)
    // a tool window with a title only: nothing to minimise or maximise, above its main window
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner),
      view_(new TVariantViewWidget(this)),
      hint_(new QLabel(this)) {
    setWindowTitle("DAD");
    setAccessibleName("DAD");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    view_->move(VIEW_MARGIN, VIEW_MARGIN);
    hint_->setAccessibleName("DAD hint");
    hint_->setGeometry(VIEW_MARGIN, VIEW_HEIGHT + VIEW_MARGIN, VIEW_WIDTH, hintHeight(*hint_));
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHintShown(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(pal);
    setAutoFillBackground(true);
    askForTitleOnlyFrame(this);
}

void TDadWindow::setHintShown(bool shown) {
    hintShown_ = shown;
    hint_->setVisible(shown);
    setFixedSize(VIEW_WIDTH + 2 * VIEW_MARGIN,
                 VIEW_HEIGHT + 2 * VIEW_MARGIN + (shown ? hintHeight(*hint_) : 0));
}

void TDadWindow::setHint(const std::string& text) {
    hint_->setText(QString::fromStdString(text));
    hint_->setToolTip(hint_->text());
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
