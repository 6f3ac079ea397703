#include "app/motive_panels.h"

TEffectMotivePanel* createMotivePanel(int wayIndex, QWidget* parent, TBaseService& host,
                                      int32_t firstCanvasId) {
    switch (wayIndex) {
        case 0:
            return new TSequenceUpMotivePanel(parent, host, firstCanvasId);
        case 1:
            return new TSequenceDownMotivePanel(parent, host, firstCanvasId);
        case 2:
            return new TVariationMotivePanel(parent, host, firstCanvasId);
        case 3:
            return new TRepeatMotivePanel(parent, host, firstCanvasId);
        case 4:
            return new TPieceMotivePanel(parent, host, firstCanvasId);
        case 5:
            return new TOtherEffectsPanel(parent, host, firstCanvasId);
        case 6:
            return new TNewRythmMotivePanel(parent, host, firstCanvasId);
        case 7:
            return new THarmSequenceUpPanel(parent, host, firstCanvasId);
        case 8:
            return new THarmSequenceDownPanel(parent, host, firstCanvasId);
        case 9:
            return new THarmRhythmPanel(parent, host, firstCanvasId);
        case 10:
            return new THarmRepeatPanel(parent, host, firstCanvasId);
        case 11:
            return new THarmPiecePanel(parent, host, firstCanvasId);
        case 12:
            return new THarmOtherPanel(parent, host, firstCanvasId);
        default:
            return nullptr;
    }
}
