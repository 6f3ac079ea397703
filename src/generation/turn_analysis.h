#pragma once

#include <optional>
#include <vector>

#include "generation/turn.h"
#include "harmony/chord.h"
#include "model/key.h"
#include "model/motive.h"

// The groups of one measure's notes and the turns they make, in the same order. A group that
// matches no figure contributes one arpeggio per note pair, so the turn list can be longer.
struct TTurnScheme {
    std::vector<TTurnVector> groups;
    TTurnWithDirVector turns;
};

// The figure a group of notes makes, read from the notes' chord-tone flags; nothing when no
// figure matches. With a chord the spans are counted in its tones, else estimated from the
// interval.
std::optional<TTurnRoundWithDir> turnOfGroup(const TTurnVector& group, const TChord* chord,
                                             const TKey& key);

// Sets every note's chord-tone flag against the chord (all true without one), then cuts the
// notes into groups running from chord tone to chord tone and classifies each.
TTurnScheme turnSchemeOfNotes(std::vector<TNote>& notes, const TChord* chord, const TKey& key);

// The turns of every measure of the motive, from the notes' stored chord-tone flags; measure k
// is classified against the motive's k-th chord. Rests take no part in a figure.
std::vector<TTurnWithDirVector> turnSchemeOfMotive(const TMotive& motive);

// The pitch near which each measure of the motive starts.
std::vector<TLight> lightsOfMotive(const TMotive& motive);
