#include "app/dad_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/variant_view_widget.h"

TDadWindow::TDadWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
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
}

void TDadWindow::setView(TVariantView* view) {
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

int32_t TDadWindow::popupWidth() {
    return frameGeometry().width();
}

int32_t TDadWindow::popupHeight() {
    return frameGeometry().height();
}

void TDadWindow::showAt(int32_t left, int32_t top) {
    move(left, top);
    show();
    raise();
}

TScreenPoint TDadWindow::viewOrigin() {
    const QPoint p = view_->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y()};
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
