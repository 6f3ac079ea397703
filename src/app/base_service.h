#pragma once

#include <cstddef>
#include <cstdint>

#include "generation/previous_motive.h"

class TInstrumentConf;
class TMessageBundle;
class TMotive;
class TMotivePlayer;
class TMotivePlayerListener;
class TNotePainter;
class TPeriodData;
class TPlayer;
class TRelay;
class TScheme;

// What the main window shares with every panel, canvas and dialog it creates. Models are shared
// by reference: a canvas edits the motive that lives in the period.
class TBaseService {
  public:
    virtual ~TBaseService() = default;

    virtual TPlayer& player() = 0;
    virtual TMotivePlayer& motivePlayer() = 0;
    // What sounds before the motive, as the period panel answers it.
    virtual TMotiveAndListenerPair previousPair(const TMotive& motive) = 0;
    // Queues the motive that precedes `motive` (when there is one), then `motive`; nothing is
    // stopped first, so an edit is heard right after what precedes it.
    virtual void playMotive(const TMotive& motive, TMotivePlayerListener* listener) = 0;
    virtual TScheme& scheme() = 0;
    virtual const TMessageBundle& bundle() = 0;
    virtual TPeriodData& period() = 0;
    virtual TRelay& relay() = 0;
    // True while the variant popup is visible; canvases do not highlight notes then.
    virtual bool popupShown() = 0;
    virtual size_t motiveCount() = 0;
    // 15 minus the track bar's position: 14 for position 1 down to 8 for position 7.
    virtual int32_t dadCursorDelay() = 0;
    virtual const TInstrumentConf& instrumentSet() = 0;
    // The measure painter every motive canvas and key box of the window shares.
    virtual TNotePainter& notePainter() = 0;
};
