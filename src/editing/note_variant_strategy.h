#pragma once

#include <cstdint>
#include <vector>

#include "editing/variant_strategy.h"
#include "generation/sc_variant.h"
#include "model/note.h"

// The zone id of a note pane.
constexpr int32_t NOTE_ZONE = 4;
// Ctrl held: the previous note, then this long later the current one.
constexpr int32_t REPLAY_STEP_MS = 400;

// A note pane: the pane that is not active shows the candidates for the next note, one bar per
// pitch; pushing through the pane boundary level with a candidate makes it the current note of
// the pane entered, pushing against the outer edge lengthens it, pushing back through the
// boundary commits it. Ctrl changes the current note's pitch and replays the interval.
class TNoteVariantStrategy : public TVariantStrategy {
  public:
    explicit TNoteVariantStrategy(TVariantView& view) : TVariantStrategy(view) {}

    bool offersChords() const override { return false; }
    void edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) override;
    void clearCandidates() override;
    bool prepareCandidates(int32_t tick) override;
    void commit(int pane) override;
    void activate(int pane) override;
    bool isEmpty() const override { return candidates_.empty(); }
    int32_t hoverRowAt(int32_t y) override;
    void takeHovered() override;
    void confineAtOpen() override;
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int pane) override;
    void poll() override;

    // What the pane shows.
    const std::vector<TScVariant>& candidates() const { return candidates_; }
    const TScVariant* candidateAt(int32_t pitch) const;
    const TNote& currentNote() const { return currentNote_; }
    const TScVariant& chosenVariant() const { return chosenVariant_; }
    int32_t extent() const { return extent_; }
    int32_t position() const { return position_; }
    int32_t hoverRow() const { return hoverRow_; }
    bool ctrlMode() const { return ctrlMode_; }
    // The longest duration any candidate may take, and the lengthening step.
    int32_t maxDuration() const;
    int32_t step() const;

  private:
    int paneOfThis() const;
    void defineZone(int32_t extent, int pane, bool withCommit);
    void afterNoteChange();
    void moveStep(int32_t x, int32_t y, int pane);
    void setCtrlMode(bool on);
    void changePitch(int32_t y);
    void replayTick();
    void restartReplay();

    std::vector<TScVariant> candidates_;  // ascending pitch
    TNote currentNote_ = TNote(0, NO_PITCH, 0);
    TScVariant chosenVariant_;
    int32_t extent_ = 0;
    int32_t position_ = -1;
    bool ctrlMode_ = false;
    int32_t replayStep_ = 1;
    int32_t replayTicks_ = 0;
    int replayPhase_ = 0;
    int32_t hoverRow_ = -1;
    int32_t lastRow_ = -1;
};

// The constants for a 1 ms timer.
class TNTNoteVariantStrategy : public TNoteVariantStrategy {
  public:
    using TNoteVariantStrategy::TNoteVariantStrategy;
    int32_t timerPeriod() const override { return 1; }
    int32_t commitInitialPressure() const override { return 128; }
    int32_t extendInitialPressure() const override { return 80; }
    int32_t extendReduction() const override { return 2; }
    static constexpr int DEFAULT_TRACK_BAR_POSITION = 5;
};

// The constants for a coarser 2 ms timer.
class TWindowsNoteVariantStrategy : public TNoteVariantStrategy {
  public:
    using TNoteVariantStrategy::TNoteVariantStrategy;
    int32_t timerPeriod() const override { return 2; }
    int32_t commitInitialPressure() const override { return 100; }
    int32_t extendInitialPressure() const override { return 80; }
    int32_t extendReduction() const override { return 2; }
    static constexpr int DEFAULT_TRACK_BAR_POSITION = 7;
};
