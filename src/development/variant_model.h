#pragma once

#include <cstdint>

#include "model/measure.h"
#include "model/motive.h"
#include "model/note.h"

// What the variant popup may change in a motive and how its choice gets there. The popup never
// touches the motive directly: it asks the model what to show and hands it the chosen chord or
// note.
class TVariantModel {
  public:
    virtual ~TVariantModel() = default;

    // The motive being edited; not owned.
    virtual TMotive& motive() = 0;
    virtual const TMeasure& meter() const = 0;
    virtual const TNoteList& notes() const = 0;
    // The chords the popup shows, in time order.
    virtual const TChordList& chords() = 0;
    // The chord that sounds at a tick of the motive (null when none): what the popup proposes
    // notes over and auditions.
    virtual const TChord* chordSoundingAt(int32_t tick) {
        return motive().chordSoundingAt(tick, nullptr);
    }
    virtual int32_t startPosition() const = 0;
    virtual void setStartPosition(int32_t tick) = 0;
    // One measure after the origin.
    virtual int32_t endPosition() const = 0;
    virtual bool offersChords() const = 0;
    virtual bool offersNotes() const = 0;
    virtual void setChord(const TChord& chord) = 0;
    virtual void setNote(const TNote& note) = 0;
    // Narrows the candidate chords for the measure holding the tick.
    virtual void filterChords(TChordList& candidates, int32_t tick) = 0;
    // The previous-motive kind code of the host.
    virtual uint8_t kind() const = 0;
    virtual bool showsNotesBehind() const = 0;
    // The note that sounds just before the motive; a default note when there is none.
    virtual TNote previousNote() const { return TNote(); }
    virtual int32_t origin() const = 0;
    // The same motive as motive(); the popup only uses it to recognise the motive next time.
    virtual TMotive& identity() = 0;
};
