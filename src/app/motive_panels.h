#pragma once

#include <array>

#include "app/effect_motive_panel.h"

// The thirteen development panels. The way engine behind each decides its variants; the classes
// differ in the way they wrap and, for the relative ways, in the chord mode of their panes.

// Transposition by three fixed amounts.
class TBaseRepeatMotivePanel : public TEffectMotivePanel {
  public:
    using TEffectMotivePanel::TEffectMotivePanel;
};

class TSequenceUpMotivePanel : public TBaseRepeatMotivePanel {
  public:
    TSequenceUpMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TBaseRepeatMotivePanel(parent, host, 0, firstCanvasId) {}
};

class TSequenceDownMotivePanel : public TBaseRepeatMotivePanel {
  public:
    TSequenceDownMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TBaseRepeatMotivePanel(parent, host, 1, firstCanvasId) {}
};

class TVariationMotivePanel : public TEffectMotivePanel {
  public:
    TVariationMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TEffectMotivePanel(parent, host, 2, firstCanvasId) {}
};

class TRepeatMotivePanel : public TBaseRepeatMotivePanel {
  public:
    TRepeatMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TBaseRepeatMotivePanel(parent, host, 3, firstCanvasId) {}
};

class TPieceMotivePanel : public TEffectMotivePanel {
  public:
    TPieceMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TEffectMotivePanel(parent, host, 4, firstCanvasId) {}
};

class TOtherEffectsPanel : public TEffectMotivePanel {
  public:
    TOtherEffectsPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TEffectMotivePanel(parent, host, 5, firstCanvasId) {}
};

class TNewRythmMotivePanel : public TEffectMotivePanel {
  public:
    TNewRythmMotivePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : TEffectMotivePanel(parent, host, 6, firstCanvasId) {}
};

// The relative ways: a click in a pane chooses a new progression for all three.
class THarmEffectPanel : public TEffectMotivePanel {
  public:
    THarmEffectPanel(QWidget* parent, TBaseService& host, int wayIndex, int32_t firstCanvasId)
        : TEffectMotivePanel(parent, host, wayIndex, firstCanvasId) {
        setPaneChordMode(2);
    }
};

class THarmBaseRepeatPanel : public THarmEffectPanel {
  public:
    using THarmEffectPanel::THarmEffectPanel;
};

class THarmSequenceUpPanel : public THarmBaseRepeatPanel {
  public:
    THarmSequenceUpPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmBaseRepeatPanel(parent, host, 7, firstCanvasId) {}
};

class THarmSequenceDownPanel : public THarmBaseRepeatPanel {
  public:
    THarmSequenceDownPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmBaseRepeatPanel(parent, host, 8, firstCanvasId) {}
};

class THarmRhythmPanel : public THarmEffectPanel {
  public:
    THarmRhythmPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmEffectPanel(parent, host, 9, firstCanvasId) {}
};

class THarmRepeatPanel : public THarmEffectPanel {
  public:
    THarmRepeatPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmEffectPanel(parent, host, 10, firstCanvasId) {}
};

class THarmPiecePanel : public THarmEffectPanel {
  public:
    THarmPiecePanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmEffectPanel(parent, host, 11, firstCanvasId) {}
};

class THarmOtherPanel : public THarmEffectPanel {
  public:
    THarmOtherPanel(QWidget* parent, TBaseService& host, int32_t firstCanvasId)
        : THarmEffectPanel(parent, host, 12, firstCanvasId) {}
};

// The chooser indexes of the panels in the order the window creates them: the simple ways, then
// the relative ones, each group with sequence up and down first.
constexpr std::array<int, 13> PANEL_CREATION_ORDER = {0, 1, 2, 3, 4, 6, 5, 7, 8, 10, 11, 9, 12};

// The panel of the way at a chooser index, its panes numbered from firstCanvasId; owned by the
// parent. Null for an index outside 0..12.
TEffectMotivePanel* createMotivePanel(int wayIndex, QWidget* parent, TBaseService& host,
                                      int32_t firstCanvasId);
