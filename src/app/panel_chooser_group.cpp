#include "app/panel_chooser_group.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "app/dragged.h"
#include "app/motive_panel_base.h"
#include "app/panel_chooser.h"
#include "app/u_motive_canvas.h"

void TPanelChooserGroup::add(TPanelChooser* chooser, QWidget* panel) {
    choosers_.push_back(chooser);
    panels_.push_back(panel);
    if (panel != nullptr)
        panel->hide();
}

void TPanelChooserGroup::select(int index) {
    if (index < 0 || static_cast<size_t>(index) >= choosers_.size() || index == selected_)
        return;
    for (size_t i = 0; i < choosers_.size(); ++i)
        choosers_[i]->setSelected(static_cast<int>(i) == index);
    if (selected_ >= 0 && panels_[static_cast<size_t>(selected_)] != nullptr)
        panels_[static_cast<size_t>(selected_)]->hide();
    selected_ = index;
    if (QWidget* shown = panels_[static_cast<size_t>(index)])
        shown->show();
}

void TPanelChooserGroup::buttonPressed(QWidget*, int id) {
    select(id);
}

void TPanelChooserGroup::step(int from, int direction) {
    if (choosers_.empty())
        return;
    const int n = static_cast<int>(choosers_.size());
    const int next = ((from + direction) % n + n) % n;
    select(next);
    choosers_[static_cast<size_t>(next)]->setFocus(Qt::TabFocusReason);
}

TMotivePanelBase* TMotivePanelChooserGroup::panel(size_t index) const {
    return qobject_cast<TMotivePanelBase*>(panelWidget(index));
}

bool TMotivePanelChooserGroup::acceptsDrop(int index, const QDropEvent& event) const {
    const auto* handle = qobject_cast<TDragged*>(event.source());
    TMotivePanelBase* target = index >= 0 ? panel(static_cast<size_t>(index)) : nullptr;
    return event.mimeData()->hasFormat(MOTIVE_MIME_TYPE) && handle != nullptr &&
           handle->canvas() != nullptr && handle->canvas()->motive() != nullptr &&
           target != nullptr && target->acceptsMotive();
}

void TMotivePanelChooserGroup::drop(int index, const QDropEvent& event) {
    const auto* handle = qobject_cast<TDragged*>(event.source());
    if (handle == nullptr || handle->canvas() == nullptr || handle->canvas()->motive() == nullptr)
        return;
    // a copy: the panel may be the one whose pane is being dragged
    const TMotive motive = *handle->canvas()->motive();
    giveMotive(index, motive);
}

void TMotivePanelChooserGroup::giveMotive(int index, const TMotive& motive) {
    TMotivePanelBase* target = panel(static_cast<size_t>(index));
    if (target == nullptr || !target->acceptsMotive())
        return;
    select(index);
    target->acceptMotive(motive);
    target->show();
}
