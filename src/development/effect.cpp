#include "development/effect.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "generation/random.h"
#include "generation/turn_analysis.h"

namespace {

bool isOdd(int r) {
    return (r & 1) != 0;
}

// The rhythm of a group as variation reads it: each note's duration, and one rest for a gap
// before a note, measured from the start of the first note.
TRhythm groupRhythm(const TNoteList& group) {
    TRhythm rhythm;
    if (group.empty())
        return rhythm;
    int32_t t = group.front().time;
    for (const TNote& note : group) {
        if (note.time > t)
            rhythm.push_back(static_cast<DURATION>(t - note.time));
        rhythm.push_back(note.duration);
        t = note.endTime();
    }
    return rhythm;
}

// A permutation by the rule every shuffle of the system uses, so shuffles of rhythms and of
// pitches draw the same way.
template <typename T>
void shuffleList(std::vector<T>& list) {
    for (size_t i = 1; i < list.size(); ++i) {
        const size_t j = static_cast<size_t>(motivicaRand()) % (i + 1);
        std::swap(list[i], list[j]);
    }
}

bool durationsDiffer(const TNoteList& group) {
    for (const TNote& note : group)
        if (note.duration != group.front().duration)
            return true;
    return false;
}

int32_t durationSum(const TNoteList& group) {
    int32_t sum = 0;
    for (const TNote& note : group)
        sum += note.duration;
    return sum;
}

// Pitch 2a - b when it stays in the melody range, else b unchanged.
void mirrorAbout(TNote& note, int32_t about) {
    const int32_t mirrored = 2 * about - note.pitch;
    if (inMelodyRange(mirrored))
        note.pitch = mirrored;
}

// The bar line of each measure the motive spans.
std::vector<int32_t> measureStarts(const TMotive& motive) {
    std::vector<int32_t> starts;
    const int32_t length = motive.measureLength();
    if (length <= 0)
        return starts;
    for (int k = 0; k < motive.measureCount(); ++k)
        starts.push_back(k * length);
    return starts;
}

}  // namespace

void TEffect::retimeNotes(TNoteList& notes, const TRhythm& rhythm, int32_t start) {
    int32_t t = start;
    size_t next = 0;
    for (DURATION v : rhythm) {
        if (v > 0 && next < notes.size()) {
            notes[next].time = t;
            notes[next].duration = v;
            ++next;
        }
        t += std::abs(int32_t(v));
    }
}

void TEffect::reverseRhythm(TNoteList& group) {
    if (group.empty())
        return;
    TRhythm rhythm = groupRhythm(group);
    std::reverse(rhythm.begin(), rhythm.end());
    retimeNotes(group, rhythm, group.front().time);
}

void TEffect::shuffleRhythm(TRhythm& rhythm) {
    shuffleList(rhythm);
}

void TEffect::redistributeRhythm(TRhythm& rhythm) {
    const int n = static_cast<int>(rhythm.size());
    if (n < 2)
        return;
    const int passes = motivicaRand() % 5 + 1;
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<int> indices;
        for (int i = 0; i < n; ++i)
            indices.push_back(i);
        const int a = indices[static_cast<size_t>(motivicaRand() % n)];
        indices.erase(std::find(indices.begin(), indices.end(), a));
        const int b = indices[static_cast<size_t>(motivicaRand() % (n - 1))];
        DURATION& ra = rhythm[static_cast<size_t>(a)];
        DURATION& rb = rhythm[static_cast<size_t>(b)];
        const int k = (std::abs(int(ra)) + std::abs(int(rb))) / 30;
        // a pair shorter than two sixteenths cannot be divided: nothing more is drawn
        if (k - 1 <= 0)
            return;
        const int f = motivicaRand() % (k - 1) + 1;
        ra = static_cast<DURATION>(ra < 0 ? -f * 30 : f * 30);
        rb = static_cast<DURATION>(rb < 0 ? -(k - f) * 30 : (k - f) * 30);
    }
}

void TEffect::reversePitches(TNoteList& group) {
    for (size_t i = 0, j = group.size(); i + 1 < j; ++i, --j)
        std::swap(group[i].pitch, group[j - 1].pitch);
}

void TEffect::shuffleGroupRhythm(TNoteList& group) {
    if (group.empty())
        return;
    TRhythm rhythm = groupRhythm(group);
    shuffleRhythm(rhythm);
    retimeNotes(group, rhythm, group.front().time);
}

void TEffect::shufflePitches(TNoteList& group) {
    std::vector<int32_t> pitches;
    for (const TNote& note : group)
        pitches.push_back(note.pitch);
    shuffleList(pitches);
    for (size_t i = 0; i < group.size(); ++i)
        group[i].pitch = pitches[i];
}

void TEffect::mirrorNonChordTones(TNoteList& group, TURN_ROUND kind) {
    const size_t n = group.size();
    switch (kind) {
        case TURN_AUXILIARY:
        case TURN_LEAP_OUT:
            if (n >= 2)
                mirrorAbout(group[1], group[0].pitch);
            break;
        case TURN_ENCIRCLING:
            if (n >= 2)
                mirrorAbout(group[1], group[0].pitch);
            if (n >= 4)
                mirrorAbout(group[2], group[3].pitch);
            break;
        case TURN_LEAP_IN:
            if (n >= 3)
                mirrorAbout(group[1], group[2].pitch);
            break;
        default:
            break;
    }
}

void TEffect::splitNote(TNoteList& group) {
    if (group.size() != 2)
        return;
    int a = isOdd(motivicaRand()) ? 1 : 0;
    if (group[static_cast<size_t>(a)].duration == 30)
        a = 1 - a;
    const TNote split = group[static_cast<size_t>(a)];
    const int k = split.duration / 30;
    // a note shorter than two sixteenths has nothing to split into: nothing more is drawn
    if (k - 1 <= 0)
        return;
    const int b = motivicaRand() % (k - 1) + 1;
    const size_t j = isOdd(motivicaRand()) ? 1 : 0;
    const int32_t s = isOdd(motivicaRand()) ? -1 : 1;
    int32_t newPitch = group[j].pitch + s;
    if (!inMelodyRange(newPitch))
        newPitch = group[j].pitch - s;

    TNote first = split;
    first.duration = static_cast<DURATION>(b * 30);
    TNote second = split;
    second.time = split.time + b * 30;
    second.duration = static_cast<DURATION>((k - b) * 30);
    // the half that meets the unsplit note takes the step
    if (a == 0) {
        second.pitch = newPitch;
        group = {first, second, group[1]};
    } else {
        first.pitch = newPitch;
        group = {group[0], first, second};
    }
}

void TEffect::mergeNotes(TNoteList& group) {
    if (group.size() < 2)
        return;
    TNote merged = group[0];
    merged.duration = static_cast<DURATION>(group[1].endTime() - group[0].time);
    merged.pitch = isOdd(motivicaRand()) ? group[1].pitch : group[0].pitch;
    group = {merged};
}

void TEffect::applyChange(VARY_TYPE change, TNoteList& group, TURN_ROUND kind) {
    switch (change) {
        case VARY_RHYTHM_RETROGRADE:
            reverseRhythm(group);
            break;
        case VARY_PITCH_RETROGRADE:
            reversePitches(group);
            break;
        case VARY_RHYTHM_SHUFFLE:
            shuffleGroupRhythm(group);
            break;
        case VARY_PITCH_SHUFFLE:
            shufflePitches(group);
            break;
        case VARY_MIRROR:
            mirrorNonChordTones(group, kind);
            break;
        case VARY_SPLIT:
            splitNote(group);
            break;
        case VARY_MERGE:
            mergeNotes(group);
            break;
        default:
            break;
    }
}

void TEffect::invertMelody(TNoteList& notes) {
    if (notes.size() < 2)
        return;
    // intervals are read from the old pitches, each applied to the new pitch before it
    std::vector<int32_t> old;
    for (const TNote& note : notes)
        old.push_back(note.pitch);
    for (size_t i = 1; i < notes.size(); ++i) {
        const int32_t candidate = notes[i - 1].pitch + (old[i - 1] - old[i]);
        if (inMelodyRange(candidate))
            notes[i].pitch = candidate;
    }
}

std::vector<TEffect::VARY_TYPE> TEffect::allowedChanges(const TTurnRoundWithDir& turn,
                                                        const TNoteList& group) {
    std::vector<VARY_TYPE> list;
    const bool differ = durationsDiffer(group);
    const bool threeOrMore = group.size() >= 3;
    switch (turn.turn) {
        case TURN_ARPEGGIO:
            if (turn.span != 0)
                list.push_back(VARY_PITCH_RETROGRADE);
            if (differ)
                list.push_back(VARY_RHYTHM_RETROGRADE);
            if (durationSum(group) > 60)
                list.push_back(VARY_SPLIT);
            list.push_back(VARY_MERGE);
            break;
        case TURN_AUXILIARY:
        case TURN_ENCIRCLING:
            if (differ)
                list.push_back(VARY_RHYTHM_RETROGRADE);
            list.push_back(VARY_PITCH_RETROGRADE);
            list.push_back(VARY_RHYTHM_SHUFFLE);
            list.push_back(VARY_PITCH_SHUFFLE);
            list.push_back(VARY_MIRROR);
            break;
        case TURN_LINE:
            if (differ)
                list.push_back(VARY_RHYTHM_RETROGRADE);
            list.push_back(VARY_PITCH_RETROGRADE);
            if (threeOrMore) {
                list.push_back(VARY_RHYTHM_SHUFFLE);
                list.push_back(VARY_PITCH_SHUFFLE);
            }
            break;
        case TURN_LEAP_IN:
            if (differ)
                list.push_back(VARY_RHYTHM_RETROGRADE);
            list.push_back(VARY_PITCH_RETROGRADE);
            if (threeOrMore) {
                list.push_back(VARY_RHYTHM_SHUFFLE);
                list.push_back(VARY_PITCH_SHUFFLE);
                list.push_back(VARY_MIRROR);
            }
            break;
        case TURN_LEAP_OUT:
            if (differ)
                list.push_back(VARY_RHYTHM_RETROGRADE);
            list.push_back(VARY_PITCH_RETROGRADE);
            if (threeOrMore) {
                list.push_back(VARY_RHYTHM_SHUFFLE);
                list.push_back(VARY_PITCH_SHUFFLE);
            }
            list.push_back(VARY_MIRROR);
            break;
        default:
            break;
    }
    return list;
}

TNoteList TEffect::varyMotive(const TMotive& motive, const TChordList& chordSet) {
    TNoteList result;
    for (int32_t bar : measureStarts(motive)) {
        TNoteList measureNotes = motive.notesInMeasure(bar);
        if (!measureNotes.empty())
            varyMeasure(measureNotes, motive, chordSet);
        result.insert(result.end(), measureNotes.begin(), measureNotes.end());
    }
    return result;
}

void TEffect::varyMeasure(TNoteList& notes, const TMotive& motive, const TChordList& chordSet) {
    const int passes = motivicaRand() % 3 + 1;
    for (int pass = 0; pass < passes; ++pass) {
        const std::optional<TChord> chord = pickFittingChord(notes, motive, chordSet);
        if (!chord)
            return;
        const TTurnScheme scheme = turnSchemeOfNotes(notes, &*chord, motive.key);
        if (scheme.groups.empty() || scheme.turns.size() < scheme.groups.size())
            return;
        const size_t i = static_cast<size_t>(motivicaRand()) % scheme.groups.size();
        TNoteList group = scheme.groups[i];
        // after a group that matched no figure, entry i belongs to an earlier group: the kind is
        // the entry's all the same
        const TTurnRoundWithDir& turn = scheme.turns[i];
        const std::vector<VARY_TYPE> allowed = allowedChanges(turn, group);
        if (allowed.empty())
            continue;
        const VARY_TYPE change = allowed[static_cast<size_t>(motivicaRand()) % allowed.size()];
        applyChange(change, group, turn.turn);

        // neighbouring groups share their boundary note
        size_t s = 0;
        for (size_t g = 0; g < i; ++g)
            s += scheme.groups[g].size();
        s -= i;
        const size_t count = scheme.groups[i].size();
        if (s + count > notes.size())
            return;
        notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(s),
                    notes.begin() + static_cast<std::ptrdiff_t>(s + count));
        notes.insert(notes.begin() + static_cast<std::ptrdiff_t>(s), group.begin(), group.end());
    }
}

void TEffect::newRhythm(TMotive& motive, int kind) {
    const int32_t length = motive.measureLength();
    TNoteList result;
    for (int32_t bar : measureStarts(motive)) {
        TNoteList measureNotes = motive.notesInMeasure(bar);
        if (!measureNotes.empty()) {
            const int32_t start = std::max(bar, motive.startTime());
            const int32_t end = std::min(bar + length, motive.endTime());
            TRhythm rhythm = rhythmOf(measureNotes, start, length, end);
            if (kind == 0)
                shuffleRhythm(rhythm);
            else
                redistributeRhythm(rhythm);
            retimeNotes(measureNotes, rhythm, start);
        }
        result.insert(result.end(), measureNotes.begin(), measureNotes.end());
    }
    motive.setNotes(result);
}

void TEffect::otherEffect(TMotive& motive, int kind) {
    TNoteList result;
    for (int32_t bar : measureStarts(motive)) {
        TNoteList measureNotes = motive.notesInMeasure(bar);
        switch (kind) {
            case 0:
                invertMelody(measureNotes);
                break;
            case 1:
                reverseRhythm(measureNotes);
                break;
            case 2:
                reversePitches(measureNotes);
                break;
            case 3:
                reverseRhythm(measureNotes);
                reversePitches(measureNotes);
                break;
            case 4:
                shufflePitches(measureNotes);
                break;
            case 5:
                shuffleGroupRhythm(measureNotes);
                shufflePitches(measureNotes);
                break;
            default:
                break;
        }
        result.insert(result.end(), measureNotes.begin(), measureNotes.end());
    }
    motive.setNotes(result);
}

void TEffect::dropNotes(TNoteList& notes) {
    const int n = static_cast<int>(notes.size());
    if (n < 2)
        return;
    const int k = motivicaRand() % (n - 1) + 1;
    for (int removed = 0; removed < k; ++removed) {
        const int at = motivicaRand() % static_cast<int>(notes.size());
        notes.erase(notes.begin() + at);
    }
}

bool TEffect::notesFitChord(TNoteList& notes, const TChord& chord, const TKey& key) {
    for (TNote& note : notes)
        note.chording = chord.isChordTone(note.pitch, key);
    for (size_t i = 0; i < notes.size(); ++i) {
        const TNote& note = notes[i];
        if (note.chording)
            continue;
        if (i + 1 == notes.size())
            continue;
        const TNote& next = notes[i + 1];
        if (next.chording && std::abs(next.pitch - note.pitch) == 1)
            continue;
        // not resolved: it must at least be approached by step from a chord tone
        if (i == 0)
            return false;
        const TNote& previous = notes[i - 1];
        if (!previous.chording || std::abs(previous.pitch - note.pitch) != 1)
            return false;
    }
    return true;
}

std::optional<TChord> TEffect::pickFittingChord(const TNoteList& notes, const TMotive& motive,
                                                const TChordList& chordSet) {
    TChordList candidates = chordSet;
    while (!candidates.empty()) {
        const size_t at = static_cast<size_t>(motivicaRand()) % candidates.size();
        TNoteList copy = notes;
        if (notesFitChord(copy, candidates[at], motive.key))
            return candidates[at];
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return std::nullopt;
}
