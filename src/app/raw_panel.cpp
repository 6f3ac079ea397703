#include "app/raw_panel.h"

#include "app/dragged.h"
#include "app/play_panel.h"
#include "app/u_motive_canvas.h"
#include "print/strip_colors.h"

namespace {

// The handle stops this far above the canvas's bottom, leaving the chord band free.
constexpr int HANDLE_SHORTER = 27;
constexpr int PLAY_GAP = 2;

}  // namespace

TRawPanel::TRawPanel(QWidget* parent, TPopupHost& host, TMotive* motive, int32_t canvasId,
                     int index, TButtonListener* listener, const QString& caption)
    : QWidget(parent),
      canvas_(new TUMotiveCanvas(this, host, motive, canvasId)),
      handle_(new TDragged(this, canvas_)),
      play_(new TPlayPanel(this, listener, index)) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FACE_COLOR);
    setPalette(pal);
    const QString name = caption + " variant " + QString::number(index + 1);
    canvas_->setAccessibleName(name);
    handle_->setAccessibleName("Drag " + name);
    play_->setAccessibleName("Play " + name);
    play_->setToolTip("Play");
    play_->setFocusPolicy(Qt::TabFocus);
    play_->setFixedSize(PLAY_WIDTH, PLAY_HEIGHT);
    // a variant goes into the composition by its handle; nothing is dropped onto a variant
    canvas_->setDropEnabled(false);
    fitToCanvas();
}

void TRawPanel::fitToCanvas() {
    const QSize c = canvas_->sizeHint();
    handle_->setGeometry(0, 0, TDragged::WIDTH, c.height() - HANDLE_SHORTER);
    canvas_->setGeometry(TDragged::WIDTH, 0, c.width(), c.height());
    play_->move(0, c.height() + PLAY_GAP);
    setFixedSize(TDragged::WIDTH + c.width(), c.height() + PLAY_GAP + PLAY_HEIGHT);
}

void TRawPanel::setPlaying(bool playing) {
    play_->setPlaying(playing);
}
