#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QToolButton;
class TMessageBundle;

// Told the index of the button pressed in a group.
class TButtonGroupListener {
  public:
    virtual ~TButtonGroupListener() = default;
    virtual void groupButtonPressed(int group, int index) = 0;
};

// A row of toggle buttons of which one is down: pressing one releases the others and tells the
// listener its index. The three groups of the canvases: how notes are inserted, the rhythm step,
// how chords are chosen.
class TButtonGroupPanel : public QWidget {
    Q_OBJECT

  public:
    enum TGroup { INSERT_NOTES = 0, RHYTHM = 1, CHORDS = 2 };

    TButtonGroupPanel(QWidget* parent, TGroup group, const TMessageBundle& bundle);

    void setListener(TButtonGroupListener* listener) { listener_ = listener; }
    // Presses button `index` as a click would, telling the listener.
    void select(int index);
    int selected() const { return selected_; }
    QToolButton* button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(buttons_.size()); }

    // The hint keys of a group's buttons, in index order.
    static std::vector<std::string> hintKeys(TGroup group);

  private:
    TGroup group_;
    std::vector<QToolButton*> buttons_;
    TButtonGroupListener* listener_ = nullptr;
    int selected_ = -1;
};
