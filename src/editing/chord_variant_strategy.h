#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "editing/clip_maker.h"
#include "editing/variant_strategy.h"
#include "harmony/chord.h"
#include "harmony/chord_connection.h"

// Chord pane geometry, in pane-local pixels.
constexpr int32_t CHORD_CELL_WIDTH = 19;
constexpr int32_t CHORD_ROW_HEIGHT = 30;
constexpr int32_t CHORD_CELLS_PER_ROW = 7;
// Top of the pitch row of position p in a chord pane: rows are 11 pixels high, 10 apart.
constexpr int32_t chordRowTop(int32_t p) {
    return 450 - 10 * p - 11;
}
// Zone ids of a chord pane: the grid, the hovered chord's column, the chosen arrangement.
constexpr int32_t CHORD_GRID_ZONE = 0;
constexpr int32_t CHORD_COLUMN_ZONE = 2;
constexpr int32_t CHORD_ARRANGEMENT_ZONE = 3;

// A chord pane: the chords that may follow the previous one in a snake of cells, the hovered
// chord's arrangements in a column below it, and the bass octaves of the chosen arrangement.
// Choosing an arrangement or a bass puts the chord into the motive and sounds it; pushing
// through the arrangement zone's inner edge commits it, and the other pane goes on with the
// next measure.
class TChordVariantStrategy : public TVariantStrategy {
  public:
    explicit TChordVariantStrategy(TVariantView& view) : TVariantStrategy(view) {}

    bool offersChords() const override { return true; }
    void edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) override;
    void paintPane(int pane) override;
    void clearCandidates() override;
    bool prepareCandidates(int32_t tick) override;
    void commit(int pane) override;
    void activate(int pane) override;
    bool isEmpty() const override { return candidates_.empty(); }
    int32_t hoverRowAt(int32_t) override { return -1; }
    void takeHovered() override {}
    void confineAtOpen() override;
    void paintPaneFull(int) override {}
    void paintEdgeColumn(int) override {}
    void markRow(int, int32_t) override {}
    void repaintPane(int) override {}
    int32_t timerPeriod() const override { return 50; }
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int pane) override;
    void poll() override;
    int32_t commitInitialPressure() const override { return 0; }
    int32_t extendInitialPressure() const override { return 0; }
    int32_t extendReduction() const override { return 0; }

    // What the pane shows (pane-local rectangles unless said otherwise).
    const std::vector<TChord>& candidates() const { return candidates_; }
    // The soprano moves that connect each candidate to the chord before, in candidate order.
    const std::vector<TMotionFlags>& candidateMotions() const { return candidateMotions_; }
    // What the candidates connect to: the chord before the measure, if any.
    const TChordConnection& connection() const { return connection_; }
    int32_t rows() const;
    TRectWithCheck cellRect(int32_t index, int pane) const;
    int32_t hoveredIndex() const { return hoveredIndex_; }
    int32_t hoveredRow() const { return hoveredRow_; }
    bool arrangementChosen() const { return arrangementChosen_; }
    const TChordArrangement& chosenArrangement() const { return chosenArrangement_; }
    const TRectWithCheck& chosenRect() const { return chosenRect_; }
    const TRectWithCheck& bassRect() const { return bassRect_; }
    int32_t bassOption() const { return bassOption_; }
    int32_t entryY() const { return entryY_; }
    const TRectWithCheck& columnUpper() const { return columnUpper_; }
    const TRectWithCheck& columnLower() const { return columnLower_; }
    const std::vector<std::pair<TRectWithCheck, TChordArrangement>>& arrangementHits() const {
        return arrangementHits_;
    }
    const TRectWithCheck& hoverRect() const { return hoverRect_; }
    const TChord& currentChord() const { return currentChord_; }
    bool committed() const { return committed_; }

  private:
    void resetChoice();
    void hover(int32_t index, int pane);
    void apply();
    void defineGridZone(int pane);

    int paneOfThis() const;
    void defineWholeViewZone();
    void defineColumnZone(int pane);
    void defineArrangementZone(int pane);
    // Cell hit areas from the candidates; the hovered chord's column and arrangement marks.
    void layoutCells(int pane);
    void layoutColumn(int pane);
    void splitColumn();
    // The chord that the column under view x picks below the grid, -1 when none.
    int32_t indexBelowGrid(int32_t x, int pane) const;
    // The hovered chord with the chosen voicing goes into the model.
    void putChord();
    void record(int32_t x, int32_t y);

    std::vector<TChord> candidates_;
    std::vector<TMotionFlags> candidateMotions_;
    TChordConnection connection_;
    bool arrangementChosen_ = false;
    int32_t hoveredIndex_ = -1;
    int32_t hoveredRow_ = 0;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
    TRectWithCheck columnUpper_;
    TRectWithCheck columnLower_;
    std::vector<std::pair<TRectWithCheck, TChordArrangement>> arrangementHits_;
    std::vector<std::pair<TRectWithCheck, int32_t>> cellHits_;
    TChordArrangement chosenArrangement_;
    TRectWithCheck chosenRect_;
    TRectWithCheck bassRect_;
    int32_t entryY_ = 0;
    int32_t bassOption_ = -1;
    bool committed_ = false;
    TRectWithCheck lastZone_;
    TRectWithCheck hoverRect_;
    TChordArrangement hoverArrangement_;
    TChord currentChord_;
    int pane_ = 0;
    // The hovered chord's whole column, before it is split around entryY.
    TRectWithCheck column_;
};
