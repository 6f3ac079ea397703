#pragma once

#include <QObject>
#include <vector>

#include "app/button_listener.h"

class QDropEvent;
class QWidget;
class TMotive;
class TMotivePanelBase;
class TPanelChooser;

// The choosers of a set of panels: one panel is shown at a time, the one of the selected
// chooser.
class TPanelChooserGroup : public TButtonListener {
  public:
    virtual ~TPanelChooserGroup() = default;

    void add(TPanelChooser* chooser, QWidget* panel);
    size_t size() const { return choosers_.size(); }
    TPanelChooser* chooser(size_t index) const { return choosers_.at(index); }
    QWidget* panelWidget(size_t index) const { return panels_.at(index); }
    // -1 before the first selection.
    int selectedIndex() const { return selected_; }

    // Deselects every other chooser, hides the panel shown so far and shows this one's;
    // selecting the selected one does nothing.
    void select(int index);
    // A chooser was pressed.
    void buttonPressed(QWidget* button, int id) override;
    // The arrow keys on a chooser: the neighbour (cycling) is selected and takes the focus.
    void step(int from, int direction);

    // A drag over chooser `index`: may it be dropped there?
    virtual bool acceptsDrop(int, const QDropEvent&) const { return false; }
    virtual void drop(int, const QDropEvent&) {}

  private:
    std::vector<TPanelChooser*> choosers_;
    std::vector<QWidget*> panels_;
    int selected_ = -1;
};

// The choosers of the development panels: a motive dragged by a canvas's handle onto a chooser
// becomes the source of that chooser's way, whose panel is then shown.
class TMotivePanelChooserGroup : public TPanelChooserGroup {
  public:
    TMotivePanelBase* panel(size_t index) const;
    bool acceptsDrop(int index, const QDropEvent& event) const override;
    void drop(int index, const QDropEvent& event) override;
    // What a drop does, without the drag: select, hand over, show.
    void giveMotive(int index, const TMotive& motive);
};
