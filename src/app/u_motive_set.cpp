#include "app/u_motive_set.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/base_service.h"
#include "app/dragged.h"
#include "app/play_panel.h"
#include "app/selection_panel.h"
#include "app/u_motive_canvas.h"
#include "playback/motive_player.h"

TUMotiveSet::TUMotiveSet(QWidget* parent, TBaseService& host, TMotive* motive, int32_t canvasId,
                         int sentenceCode, int number, TUMotiveSetListener* listener)
    : QWidget(parent), host_(host), sentenceCode_(sentenceCode), listener_(listener) {
    playPanel_ = new TPlayPanel(this, this);
    selectionPanel_ = new TSelectionPanel(this, this);
    handle_ = new TDragged(this);
    canvas_ = new TUMotiveCanvas(this, host, motive, canvasId);
    handle_->setCanvas(canvas_);
    canvas_->addListener(this);

    const QString k = QString::number(number);
    playPanel_->setAccessibleName("Play motive " + k);
    selectionPanel_->setAccessibleName("Select motive " + k);
    handle_->setAccessibleName("Drag motive " + k);
    canvas_->setAccessibleName("Motive " + k);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(playPanel_);
    column->addWidget(selectionPanel_);
    auto* row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(handle_);
    row->addWidget(canvas_);
    column->addLayout(row);
    setFixedSize(TDragged::WIDTH + canvas_->width(),
                 TPlayPanel::HEIGHT + TSelectionPanel::HEIGHT + canvas_->height());
}

TMotive* TUMotiveSet::motive() const {
    return canvas_->motive();
}

void TUMotiveSet::setSelected(bool selected) {
    selectionPanel_->setSelected(selected);
}

bool TUMotiveSet::selected() const {
    return selectionPanel_->selected();
}

void TUMotiveSet::playStarted() {
    playPanel_->setPlaying(true);
    if (listener_ != nullptr && !host_.popupShown())
        listener_->motiveSetStartedPlaying(this);
}

void TUMotiveSet::playStopped() {
    playPanel_->setPlaying(false);
}

void TUMotiveSet::buttonPressed(QWidget* button, int) {
    if (button == playPanel_) {
        if (motive() == nullptr)
            return;
        try {
            host_.motivePlayer().addMotive(*motive(), canvas_);
        } catch (const std::runtime_error&) {
            // no timer: nothing can be heard, and the motive simply does not play
        }
        return;
    }
    if (button == selectionPanel_) {
        const bool nowSelected = !selected();
        setSelected(nowSelected);
        if (listener_ == nullptr)
            return;
        if (nowSelected)
            listener_->motiveSetSelected(this);
        else
            listener_->motiveSetDeselected(this);
    }
}

void TUMotiveSet::editStarted(TMotiveEditor&) {
    if (!selected()) {
        setSelected(true);
        if (listener_ != nullptr)
            listener_->motiveSetSelected(this);
    }
}

void TUMotiveSet::cursorMoved(TMotiveEditor&) {
    if (listener_ != nullptr)
        listener_->motiveSetCursorMoved(this);
}
