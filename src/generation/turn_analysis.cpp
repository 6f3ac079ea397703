#include "generation/turn_analysis.h"

#include <cstdlib>

TTurnRoundWithDir invertTurn(const TTurnRoundWithDir& turn) {
    TTurnRoundWithDir inverted = turn;
    inverted.firstUp = !turn.firstUp;
    inverted.secondUp = !turn.secondUp;
    inverted.thirdUp = !turn.thirdUp;
    return inverted;
}

namespace {

// Span of an arpeggio or encircling move judged from its size alone.
int32_t arpeggioClass(int32_t distance) {
    if (distance == 0) {
        return 0;
    }
    if (distance <= 3) {
        return 1;
    }
    if (distance <= 5) {
        return 2;
    }
    return 3;
}

// Span of a leap judged from its size alone.
int32_t leapClass(int32_t distance) {
    if (distance <= 2) {
        return 1;
    }
    if (distance <= 5) {
        return 2;
    }
    return 3;
}

// Span of the unmatched pairs' arpeggios.
int32_t pairClass(int32_t distance) {
    if (distance == 0) {
        return 0;
    }
    if (distance <= 2) {
        return 1;
    }
    if (distance <= 5) {
        return 2;
    }
    return 3;
}

bool isLine(const TTurnVector& g) {
    if (g.size() < 2 || !g[0].chording) {
        return false;
    }
    const int32_t dir = g[1].pitch - g[0].pitch;
    if (dir != 1 && dir != -1) {
        return false;
    }
    for (size_t i = 1; i < g.size(); ++i) {
        if (g[i].pitch - g[i - 1].pitch != dir) {
            return false;
        }
    }
    return true;
}

// Appends the turns of one group: its figure, or one arpeggio per pair when nothing matches.
void appendTurnsOfGroup(const TTurnVector& group, const TChord* chord, const TKey& key,
                        TTurnWithDirVector& turns) {
    if (auto turn = turnOfGroup(group, chord, key)) {
        turns.push_back(*turn);
        return;
    }
    for (size_t i = 1; i < group.size(); ++i) {
        TTurnRoundWithDir pair(TURN_ARPEGGIO);
        pair.firstUp = group[i].pitch >= group[i - 1].pitch;
        pair.span = pairClass(std::abs(group[i].pitch - group[i - 1].pitch));
        turns.push_back(pair);
    }
}

// Cuts notes into groups from chord tone to chord tone; neighbouring groups share the chord
// tone between them. A trailing group of one note counts only when it is the only group.
std::vector<TTurnVector> groupNotes(const std::vector<TNote>& notes) {
    std::vector<TTurnVector> groups;
    TTurnVector current;
    for (const TNote& note : notes) {
        if (!note.chording || current.empty()) {
            current.push_back(note);
            continue;
        }
        current.push_back(note);
        groups.push_back(current);
        current.clear();
        current.push_back(note);
    }
    if (current.size() > 1 || (groups.empty() && !current.empty())) {
        groups.push_back(current);
    }
    return groups;
}

const TChord* chordByIndex(const TMotive& motive, size_t k) {
    return k < motive.chords.size() ? &motive.chords[k] : nullptr;
}

// The sounding notes of each measure of the motive, in order.
std::vector<std::vector<TNote>> soundingNotesByMeasure(const TMotive& motive) {
    const int count = motive.measureCount();
    std::vector<std::vector<TNote>> measures(static_cast<size_t>(count));
    const int32_t length = motive.measureLength();
    for (const TNote& note : motive.notes) {
        if (note.isRest() || !isValidPitch(note.pitch)) {
            continue;
        }
        int k = length > 0 ? note.time / length : 0;
        if (k < 0) {
            k = 0;
        }
        if (k >= count) {
            k = count - 1;
        }
        measures[static_cast<size_t>(k)].push_back(note);
    }
    return measures;
}

}  // namespace

std::optional<TTurnRoundWithDir> turnOfGroup(const TTurnVector& g, const TChord* chord,
                                             const TKey& key) {
    const size_t n = g.size();
    if (n == 0) {
        return std::nullopt;
    }
    if (n == 1) {
        return TTurnRoundWithDir(TURN_SINGLE);
    }
    const int32_t p0 = g[0].pitch;
    const int32_t p1 = g[1].pitch;
    const bool c0 = g[0].chording;
    const bool c1 = g[1].chording;

    if (n == 2 && !c0 && c1 && std::abs(p0 - p1) == 1) {
        TTurnRoundWithDir t(TURN_RETENTION);
        t.firstUp = p0 < p1;
        return t;
    }
    if (n == 2 && c0 && c1) {
        TTurnRoundWithDir t(TURN_ARPEGGIO);
        t.firstUp = p0 <= p1;
        t.span = chord ? chord->chordToneSteps(p0, p1, key) : arpeggioClass(std::abs(p0 - p1));
        return t;
    }
    if (isLine(g)) {
        TTurnRoundWithDir t(TURN_LINE);
        t.firstUp = p1 > p0;
        return t;
    }
    if (n == 3) {
        const int32_t p2 = g[2].pitch;
        if (c0 && !c1 && g[2].chording && p0 == p2 && std::abs(p0 - p1) == 1) {
            TTurnRoundWithDir t(TURN_AUXILIARY);
            t.firstUp = p1 > p0;
            return t;
        }
    }
    if ((n == 3 || n == 4) && c0 && !c1 && !g[2].chording && (n == 3 || g[3].chording) &&
        std::abs(p0 - p1) == 1 && (n == 3 || std::abs(g[2].pitch - g[3].pitch) == 1)) {
        const int32_t p2 = g[2].pitch;
        TTurnRoundWithDir t(TURN_ENCIRCLING);
        t.firstUp = p1 > p0;
        t.secondUp = p2 > p1;
        if (n == 4) {
            t.thirdUp = g[3].pitch > p2;
        }
        t.span = chord ? chord->nonChordToneSteps(p1, p2, key) : arpeggioClass(std::abs(p1 - p2));
        return t;
    }
    if ((n == 2 || n == 3) && c0 && !c1 && std::abs(p0 - p1) > 1 &&
        (n == 2 || (g[2].chording && std::abs(p1 - g[2].pitch) == 1))) {
        TTurnRoundWithDir t(TURN_LEAP_IN);
        t.firstUp = p1 > p0;
        t.secondUp = n == 3 ? g[2].pitch > p1 : p1 < p0;
        t.span = chord ? chord->nonChordToneSteps(p0, p1, key) : leapClass(std::abs(p0 - p1));
        return t;
    }
    if (n == 3) {
        const int32_t p2 = g[2].pitch;
        if (c0 && !c1 && g[2].chording && std::abs(p0 - p1) == 1 && std::abs(p1 - p2) > 1) {
            TTurnRoundWithDir t(TURN_LEAP_OUT);
            t.firstUp = p1 > p0;
            t.secondUp = p2 > p1;
            t.span = chord ? chord->chordToneSteps(p1, p2, key) : leapClass(std::abs(p1 - p2));
            return t;
        }
    }
    return std::nullopt;
}

TTurnScheme turnSchemeOfNotes(std::vector<TNote>& notes, const TChord* chord, const TKey& key) {
    for (TNote& note : notes) {
        note.chording = chord == nullptr || chord->isChordTone(note.pitch, key);
    }
    TTurnScheme scheme;
    scheme.groups = groupNotes(notes);
    for (const TTurnVector& group : scheme.groups) {
        appendTurnsOfGroup(group, chord, key, scheme.turns);
    }
    return scheme;
}

std::vector<TTurnWithDirVector> turnSchemeOfMotive(const TMotive& motive) {
    const auto measures = soundingNotesByMeasure(motive);
    std::vector<TTurnWithDirVector> result;
    for (size_t k = 0; k < measures.size(); ++k) {
        TTurnWithDirVector turns;
        const TChord* chord = chordByIndex(motive, k);
        // a bar line closes a group, so each measure is grouped on its own; a lone note still
        // counts when it is the measure's first group
        for (const TTurnVector& group : groupNotes(measures[k])) {
            appendTurnsOfGroup(group, chord, motive.key, turns);
        }
        result.push_back(turns);
    }
    return result;
}

std::vector<TLight> lightsOfMotive(const TMotive& motive) {
    std::vector<TLight> lights;
    for (const std::vector<TNote>& notes : soundingNotesByMeasure(motive)) {
        TLight light;
        if (notes.empty()) {
            light.referencePitch = 20;
        } else if (notes[0].chording || notes.size() == 1) {
            light.referencePitch = notes[0].pitch;
        } else if (notes[1].chording && std::abs(notes[1].pitch - notes[0].pitch) == 1) {
            // a leading non-chord tone: the measure is heard from its resolution
            light.referencePitch = notes[1].pitch;
        } else {
            light.referencePitch = notes[0].pitch;
        }
        lights.push_back(light);
    }
    return lights;
}
