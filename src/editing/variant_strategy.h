#pragma once

#include <cstdint>

#include "editing/clip_maker.h"

class TVariantView;

// What one pane of the popup offers and how it reacts. Two live while the popup is open, one per
// pane; the active pane's strategy is the clip maker's only listener. Painting slots only ask the
// popup's surface to draw: what is drawn is read back from the strategy's state.
class TVariantStrategy : public TClipMakerListener {
  public:
    explicit TVariantStrategy(TVariantView& view) : view_(view) {}
    ~TVariantStrategy() override = default;
    TVariantStrategy(const TVariantStrategy&) = delete;
    TVariantStrategy& operator=(const TVariantStrategy&) = delete;

    virtual bool offersChords() const = 0;

    // Draws the pane (and shows it) without the edge-column decorations...
    virtual void paintPane(int pane);
    virtual void clearCandidates() = 0;
    // Fills the candidates for a note (chord) starting at tick; false when there are none.
    virtual bool prepareCandidates(int32_t tick) = 0;
    // The pane is being left.
    virtual void commit(int pane) = 0;
    // The pane becomes active.
    virtual void activate(int pane) = 0;
    virtual bool isEmpty() const = 0;
    virtual int32_t hoverRowAt(int32_t y) = 0;
    virtual void takeHovered() = 0;
    virtual void confineAtOpen() = 0;
    // ...stores the edge column as it is without the hover marks...
    virtual void paintPaneFull(int pane);
    // ...redraws only the edge column...
    virtual void paintEdgeColumn(int pane);
    // ...marks a row of the edge column while its note sounds...
    virtual void markRow(int pane, int32_t row);
    // ...and paints everything, decorations included.
    virtual void repaintPane(int pane);
    virtual int32_t timerPeriod() const = 0;
    // x, y in view coordinates; shift carries Ctrl as bit value 4.
    virtual void mouseMove(uint32_t shift, int32_t x, int32_t y, int pane) = 0;
    virtual void poll() = 0;
    virtual int32_t commitInitialPressure() const = 0;
    virtual int32_t extendInitialPressure() const = 0;
    virtual int32_t extendReduction() const = 0;

  protected:
    TVariantView& view_;
};

// Shift state bit of the Ctrl key.
constexpr uint32_t SHIFT_CTRL = 4;
