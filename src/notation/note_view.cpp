#include "notation/note_view.h"

#include <algorithm>

#include "model/motive.h"

namespace {

// Collects the symbols and the beamed group being formed.
class TViewBuilder {
  public:
    explicit TViewBuilder(TNoteViews& views) : views_(views) {}

    bool collecting() const { return groupSize_ > 0; }

    void join(TNoteView view) {
        if (groupSize_ == 0)
            groupStart_ = views_.size();
        view.kind = NOTE_VIEW_BEAMED;
        view.link = groupSize_;
        views_.push_back(view);
        ++groupSize_;
    }

    // A group of one is an ordinary note; otherwise its first member tells the group's size.
    void closeGroup() {
        if (groupSize_ == 1) {
            views_[groupStart_].kind = NOTE_VIEW_SINGLE;
            views_[groupStart_].link = 0;
        } else if (groupSize_ > 1) {
            views_[groupStart_].link = groupSize_ - 1;
        }
        groupSize_ = 0;
    }

  private:
    TNoteViews& views_;
    size_t groupStart_ = 0;
    int32_t groupSize_ = 0;
};

}  // namespace

void appendRestViews(TNoteViews& views, int32_t length) {
    for (const DURATION piece : REST_DECOMPOSITION)
        while (length >= piece) {
            TNoteView rest;
            rest.duration = piece;
            views.push_back(rest);
            length -= piece;
        }
}

TNoteViews buildMeasureViews(const TMotive& motive, size_t first, size_t last, int32_t start,
                             int32_t end, DURATION beatLength, int32_t lead) {
    TNoteViews views;
    TViewBuilder builder(views);
    int32_t time = start;
    if (lead > 0) {
        appendRestViews(views, lead);
        time = start + lead;
    }

    bool sharpSeen = false;
    int32_t previousBeat = 0;
    bool previousTreble = false;
    last = std::min(last, motive.notes.size());
    for (size_t i = first; i < last; ++i) {
        const TNote& note = motive.notes[i];
        if (note.time < start || note.time >= end || note.duration == 0)
            continue;
        const int32_t length = note.duration < 0 ? -int32_t(note.duration) : note.duration;

        const int32_t gap = note.time - time;
        if (gap > 0) {
            builder.closeGroup();
            appendRestViews(views, gap);
        }
        // a note the key cannot sound is drawn as the silence it is
        if (note.isRest() || !isValidPitch(note.pitch)) {
            builder.closeGroup();
            appendRestViews(views, length);
            time = note.time + length;
            continue;
        }

        TNoteView view;
        view.pitch = note.pitch;
        if (note.sharp && !sharpSeen) {
            view.accidental = uint8_t(motive.key.accidentalFor(note.pitch, ALTERATION_RAISE));
            sharpSeen = true;
        }
        view.duration = note.duration;
        view.style = note.playing    ? STYLE_SOUNDING
                     : note.chording ? STYLE_CHORD_TONE
                                     : STYLE_NON_CHORD_TONE;

        const int32_t beat = beatLength > 0 ? (note.time - start) / beatLength : 0;
        const bool treble = note.pitch >= 20;
        if (builder.collecting() &&
            (beat != previousBeat || treble != previousTreble || !isBeamable(note.duration)))
            builder.closeGroup();

        if (isBeamable(note.duration)) {
            builder.join(view);
        } else if (note.duration == QUARTER_AND_SIXTEENTH ||
                   note.duration == QUARTER_AND_POINTED_EIGHTH) {
            view.kind = NOTE_VIEW_TIED;
            view.duration = QUARTER;
            view.link = 1;
            views.push_back(view);
            view.accidental = ACCIDENTAL_NONE;
            view.duration = DURATION(note.duration - QUARTER);
            view.link = 0;
            views.push_back(view);
        } else {
            views.push_back(view);
        }
        previousBeat = beat;
        previousTreble = treble;
        time = note.time + length;
    }
    builder.closeGroup();
    if (time < end)
        appendRestViews(views, end - time);
    return views;
}
