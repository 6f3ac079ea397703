#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/button_listener.h"
#include "app/navigation_tree.h"
#include "app/u_motive_set.h"
#include "generation/previous_motive.h"

class QScrollBar;
class TBaseService;
class TColoredBoxSet;
class TKeyBox;
class TPeriodData;

// Told after every scroll of the period panel.
class TPeriodPanelScrollerListener {
  public:
    virtual ~TPeriodPanelScrollerListener() = default;
    virtual void periodPanelScrolled() = 0;
};

// One node of the period's structure mirror: its marker, the motive sets under it and the
// nodes below it (sentences of the period, phrases of a sentence).
struct TBaseViewNode {
    int level = 0;  // 0 period, 1 sentence, 2 phrase
    TColoredBoxSet* marker = nullptr;
    std::vector<TUMotiveSet*> motiveSets;
    std::vector<TBaseViewNode> children;

    bool isPhrase() const { return level == 2; }
};

// The whole composition as one horizontal row that scrolls: the key and meter, a marker for the
// period, each sentence and each phrase, and a motive set for every motive. It plays any part
// of the period, keeps one motive selected and hands the editing modes to every canvas.
class TPeriodPanel : public QWidget,
                     public TButtonListener,
                     public TUMotiveSetListener,
                     public TNavigationTreeListener {
    Q_OBJECT

  public:
    static constexpr int SCROLL_BAR_HEIGHT = 16;

    TPeriodPanel(QWidget* parent, TPeriodData& period, TBaseService& host,
                 TPeriodPanelScrollerListener* scroller);

    // Hand every motive under the element to the player, in order, with its canvas as
    // listener. k counts sentences, phrases and motives across the whole period.
    void playPeriod();
    void playSentence(size_t k);
    void playPhrase(size_t k);
    void playMotive(size_t k);

    void scrollTo(int x);
    int scrollPosition() const;
    int rowWidth() const { return rowWidth_; }

    const std::vector<TUMotiveSet*>& motiveSets() const { return sets_; }
    TUMotiveSet* selectedSet() const { return selected_; }
    const TBaseViewNode& mirror() const { return mirror_; }
    // The structure as the navigation tree shows it.
    TNavigationNode navigationNodes() const;
    TKeyBox* keyBox() const { return keyBox_; }
    // Every element of the row, left to right: the key box, the markers and the motive sets.
    const std::vector<QWidget*>& elements() const { return elements_; }
    // The marker of the k-th phrase of the period, or none.
    QWidget* phraseMarker(size_t k) const;

    TMotiveAndListenerPair previousMotive(const TMotive& motive) const;
    // The set showing `motive`, or none for a motive outside the period.
    TUMotiveSet* setOf(const TMotive* motive) const;

    void setNotesMode(int mode);
    void setRhythmMode(int mode);
    void setChordMode(int mode);

    void buttonPressed(QWidget* button, int id) override;
    void motiveSetSelected(TUMotiveSet* set) override;
    void motiveSetDeselected(TUMotiveSet* set) override;
    void motiveSetStartedPlaying(TUMotiveSet* set) override;
    void motiveSetCursorMoved(TUMotiveSet* set) override;
    void navigationChosen(int left) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void buildRow();
    void play(const std::vector<TUMotiveSet*>& sets);
    void placeRow();

    TPeriodData& period_;
    TBaseService& host_;
    TPeriodPanelScrollerListener* scroller_;
    QWidget* viewport_;
    QWidget* row_;
    QScrollBar* scrollBar_;
    TKeyBox* keyBox_ = nullptr;
    TBaseViewNode mirror_;
    std::vector<TUMotiveSet*> sets_;
    std::vector<QWidget*> elements_;
    std::vector<const TBaseViewNode*> sentenceNodes_;
    std::vector<const TBaseViewNode*> phraseNodes_;
    TUMotiveSet* selected_ = nullptr;
    int rowWidth_ = 0;
    int rowHeight_ = 0;
};
