#pragma once

#include <array>
#include <memory>
#include <vector>

#include "app/button_listener.h"
#include "app/motive_panel_base.h"
#include "development/effect_way.h"
#include "editing/editing_host.h"

class QScrollArea;
class QToolButton;
class TRawPanel;

// A development panel: the way's three variants side by side, each in a pane with its own play
// button, and "more" (for the ways that have it) and "play all" at the right. The way engine
// decides every variant; the panel shows its pane motives and forwards the user's actions.
class TEffectMotivePanel : public TMotivePanelBase,
                           public TButtonListener,
                           public TUMotiveCanvasListener,
                           public TDevelopmentWayListener {
    Q_OBJECT

  public:
    // Button numbers: the panes' play buttons 0..2, then "more" and "play all".
    static constexpr int MORE_BUTTON = 3;
    static constexpr int PLAY_ALL_BUTTON = 4;

    // `wayIndex` is the way's chooser index; the panes' canvases take the numbers
    // firstCanvasId.. firstCanvasId + 2 of the window's relay list.
    TEffectMotivePanel(QWidget* parent, TBaseService& host, int wayIndex, int32_t firstCanvasId);
    ~TEffectMotivePanel() override;

    int wayIndex() const { return wayIndex_; }
    QString caption() const;
    TEffectWay& way() { return *way_; }
    TRawPanel* pane(int index) const { return panes_.at(static_cast<size_t>(index)); }
    QToolButton* moreButton() const { return more_; }
    QToolButton* playAllButton() const { return playAll_; }

    bool acceptsMotive() const override { return true; }
    void acceptMotive(const TMotive& motive) override;
    void setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) override;

    void buttonPressed(QWidget* button, int id) override;
    // Plays the variant of a pane, unless it has no notes.
    void playVariant(int index);
    void playAll();

    // The panes' canvases.
    void chordsChosen(TMotiveEditor& canvas) override;
    void editStarted(TMotiveEditor& canvas) override;
    void cursorMoved(TMotiveEditor&) override {}

    // The way's requests.
    void keepVariant(int pane) override;
    void playVariants() override { playAll(); }

  protected:
    // The chord mode of the panes' canvases: 3 (the default) lets the user put chords under a
    // simple way's notes, 2 chooses a new progression for a relative way.
    void setPaneChordMode(int mode);

  private:
    int paneOf(const TMotiveEditor& canvas) const;
    // The pane motives changed behind the canvases' backs: they are shown again.
    void showPanes();
    void layOut();

    int wayIndex_;
    std::unique_ptr<TEffectWay> way_;
    std::array<TRawPanel*, PANE_COUNT> panes_{};
    QWidget* row_;
    QScrollArea* scroll_;
    QToolButton* more_ = nullptr;
    QToolButton* playAll_;
};
