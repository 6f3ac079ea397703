#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "development/variant_model.h"
#include "editing/clip_maker.h"
#include "editing/color_panel_listener.h"
#include "editing/variant_strategy.h"
#include "harmony/chord.h"
#include "model/key.h"
#include "model/note.h"

class TMidiOutputInterface;
class TScheme;

// View geometry, in pixels from the view's top-left corner.
constexpr int32_t VIEW_WIDTH = 480;
constexpr int32_t VIEW_HEIGHT = 450;
constexpr int32_t PANE_WIDTH = 240;
constexpr int32_t PANE_BOUNDARY = 239;  // pane 1 is drawn from here
constexpr int32_t RHYTHM_STRIP_HEIGHT = 31;
constexpr int32_t EDGE_COLUMN_WIDTH = 30;
constexpr int32_t PITCH_ROW_HEIGHT = 20;
// The popup window is this much larger than its view on each side.
constexpr int32_t VIEW_MARGIN = 5;

// Top of the row of pitch position p (13..34): p 34 starts at y 31, p 13 at y 430.
constexpr int32_t rowTop(int32_t p) {
    return 677 - 19 * p;
}
// The pitch row of a view y.
constexpr int32_t rowOfY(int32_t y) {
    return 34 - (y - 31) / 19;
}
// Drawn length of d ticks: 29 pixels per sixteenth.
constexpr int32_t lengthPixels(int32_t ticks) {
    return (ticks / 30) * 29;
}

// The pane a view x lies in: 0 up to 238, 1 from 240, the active one on the boundary.
int paneAt(int32_t x, int activePane);

// The window system's side of the popup: where it is and what it draws.
class TVariantSurface {
  public:
    virtual ~TVariantSurface() = default;
    // The available area of the screen the popup shows on.
    virtual TScreenRect screenArea() = 0;
    // The popup window's outer size.
    virtual int32_t popupWidth() = 0;
    virtual int32_t popupHeight() = 0;
    // Places the popup's top-left corner and shows it.
    virtual void showAt(int32_t left, int32_t top) = 0;
    virtual void hide() = 0;
    // The view's top-left corner on the screen.
    virtual TScreenPoint viewOrigin() = 0;
    virtual void setCaption(const std::string& text) = 0;
    // The one-line hint at the popup's foot for the gestures of what it offers.
    virtual void setHint(const std::string& text) = 0;
    // Paint requests for one pane; the drawing reads the strategies' state.
    virtual void paintPane(int pane, bool decorations) = 0;
    virtual void storeEdgeColumn(int pane) = 0;
    virtual void paintEdgeColumn(int pane) = 0;
    virtual void markRow(int pane, int32_t row) = 0;
    virtual void paintExtentLine(int pane) = 0;
};

// What the popup needs of the program around it.
class TVariantViewHost {
  public:
    virtual ~TVariantViewHost() = default;
    virtual TMidiOutputInterface& audition() = 0;
    // 15 minus the track bar's position, 8..14.
    virtual int32_t dadCursorDelay() = 0;
    virtual int32_t drumVoice() = 0;
    virtual int32_t upBeatDrumVoice() = 0;
    // The caption's text for a message key.
    virtual std::string text(const std::string& key) = 0;
};

// The popup's periodic tick: it only posts a step to the user-interface thread, which then
// calls timerStep.
class TAuditionTimer {
  public:
    virtual ~TAuditionTimer() = default;
    virtual void start(int32_t periodMs) = 0;
    virtual void stop() = 0;
};

// Which strategy class fills a note pane.
enum class TNoteStrategyKind { NT, Windows };

// The DAD assistant's logic: two panes taking turns, the pointer confined to zones of the
// active pane, audition of every candidate. The motive changes only through the model, from the
// strategies; closing keeps whatever was entered.
class TVariantView : public TColorPanelListener {
  public:
    TVariantView(TVariantViewHost& host, TVariantSurface& surface, TPointerControl& pointer,
                 TAuditionTimer& timer);
    ~TVariantView() override;
    TVariantView(const TVariantView&) = delete;
    TVariantView& operator=(const TVariantView&) = delete;

    // TColorPanelListener
    void close() override;
    void open(TScheme& scheme, TVariantModel& model, int32_t screenX, int32_t screenY) override;
    void mouseMoved(uint32_t shift, int32_t screenX, int32_t screenY) override;

    // Both panes painted anew (the main window's refresh of the popup).
    void repaintPanes();
    // One tick of the audition timer, on the user-interface thread.
    void timerStep();
    void setDemoMode(bool on) { demoMode_ = on; }
    bool demoMode() const { return demoMode_; }
    void setNoteStrategyKind(TNoteStrategyKind kind) { noteKind_ = kind; }
    // Silences every audition: chord, note and click.
    void stopAudition();

    bool isOpen() const { return strategies_[0] != nullptr; }
    // The window system placed the popup elsewhere than asked (known only once it is mapped):
    // the zone and the pointer follow the view to where it now is.
    void surfaceMoved();
    int activePane() const { return activePane_; }
    TVariantStrategy* strategy(int pane) const { return strategies_[pane & 1].get(); }
    TVariantStrategy& other(const TVariantStrategy& s) const;
    TVariantModel& model() const { return *model_; }
    TScheme& scheme() const { return *scheme_; }
    TClipMaker& clipMaker() { return clipMaker_; }
    const TClipMaker& clipMaker() const { return clipMaker_; }
    TVariantSurface& surface() { return surface_; }
    TVariantViewHost& host() { return host_; }
    TScreenPoint viewOrigin() { return surface_.viewOrigin(); }
    // On the screen: the full-height zone reaching `width` pixels outward from the pane
    // boundary into the pane, the boundary column included.
    TScreenRect zoneBesideBoundary(int pane, int32_t width);

    uint32_t schemeFlags() const { return schemeFlags_; }
    void setSchemeFlags(uint32_t flags) { schemeFlags_ = flags; }
    int32_t commitCount() const { return commitCount_; }
    void countCommit() { ++commitCount_; }

    // Makes the other pane active: the old strategy commits, the new one activates.
    void switchPane(int newPane);

    // Audition.
    void soundNote(const TNote& note);
    void soundChord(const TChord& chord);
    void stopChord();
    void soundClick(bool accented);
    // The chord of the model's chords that starts exactly at t, or the chord audition stops.
    void soundChordAt(int32_t t);
    // The note that sounds before the start position; pitch -1 when none.
    TNote noteBeforeStart() const;
    const TNote& soundingNote() const { return soundingNote_; }
    const TChord& soundingChord() const { return soundingChord_; }

  private:
    void chooseActivePane();
    void placePointer();
    void auditionContext();

    TVariantViewHost& host_;
    TVariantSurface& surface_;
    TAuditionTimer& timer_;
    TScheme* scheme_ = nullptr;
    TVariantModel* model_ = nullptr;
    std::array<std::unique_ptr<TVariantStrategy>, 2> strategies_;
    int activePane_ = 0;
    TScreenPoint savedPointer_;
    TScreenPoint origin_;  // the view's screen origin the zones were laid out from
    TChord soundingChord_;
    TNote soundingNote_;
    int16_t clickKey_ = -1;
    int16_t clickVelocity_ = 0;
    TKey soundKey_;
    TClipMaker clipMaker_;
    uint32_t schemeFlags_ = 0;
    int32_t lastStartPosition_ = -1;
    int lastStartPane_ = 0;
    const TMotive* lastMotive_ = nullptr;
    int32_t commitCount_ = 0;
    bool demoMode_ = false;
    TNoteStrategyKind noteKind_ = TNoteStrategyKind::NT;
};
