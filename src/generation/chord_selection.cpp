#include "generation/chord_selection.h"

#include <numeric>

#include "generation/previous_motive.h"
#include "generation/random.h"
#include "harmony/chord_connection.h"

namespace {

constexpr int32_t TONIC_ORDER = 1;
constexpr int32_t DOMINANT_ORDER = 15;

}  // namespace

void selectChords(TMotive& motive, const TMotive* previous, int kind, const TScheme& scheme) {
    motive.chords.clear();
    const int32_t length = motive.measureLength();
    const int count = motive.measureCount();
    int32_t onset = 0;
    int first = 0;

    // the chord the next measure follows, and the one before it (whether its bass rose)
    const TChord* remembered = nullptr;
    const TChord* beforeRemembered = nullptr;
    // the previous motive's voicing is forgotten across a sentence boundary
    bool forgetVoicing = false;
    if (previous != nullptr && !previous->chords.empty()) {
        remembered = &previous->chords.back();
        if (previous->chords.size() > 1) {
            beforeRemembered = &previous->chords[previous->chords.size() - 2];
        }
        forgetVoicing = kind == PREVIOUS_OTHER_SENTENCE;
        if (motive.anacrusis != 0) {
            // the harmony of the previous motive sounds on through the anacrusis
            TChord carried = *remembered;
            carried.time = 0;
            motive.chords.push_back(carried);
            onset += length;
            first = 1;
        }
    }

    // chosen chords live in the motive's list, so keep copies for the walk
    TChord rememberedCopy;
    TChord beforeCopy;
    for (int k = first; k < count; ++k, onset += length) {
        const int32_t rank = remembered != nullptr ? remembered->order : 0;
        const TChordConnection connection = remembered != nullptr && !forgetVoicing
                                                ? TChordConnection(remembered, beforeRemembered)
                                                : TChordConnection();
        std::vector<TChord> candidates = scheme.chordCandidates(motive.key, rank);
        connection.arrangeCandidates(candidates, motive.key);
        if (candidates.empty()) {
            // nothing can follow: the measure stays without a chord and nothing is drawn
            continue;
        }
        const TChord* chosen = nullptr;
        if (kind != PREVIOUS_OTHER_SENTENCE) {
            const int32_t preferred = count == 1 || k == 1 ? TONIC_ORDER : DOMINANT_ORDER;
            for (const TChord& c : candidates) {
                if (c.order == preferred) {
                    chosen = &c;
                    break;
                }
            }
        }
        if (chosen == nullptr) {
            chosen = &candidates[static_cast<size_t>(motivicaRand()) % candidates.size()];
        }
        TChord chord = *chosen;
        connection.voice(chord);
        chord.time = onset;
        motive.chords.push_back(chord);

        if (remembered != nullptr) {
            beforeCopy = *remembered;
            beforeRemembered = &beforeCopy;
        } else {
            beforeRemembered = nullptr;
        }
        rememberedCopy = chord;
        remembered = &rememberedCopy;
        forgetVoicing = false;
    }
}

void harmonizePeriod(TPeriodData& period, const std::vector<size_t>& motiveIndices,
                     const TScheme& scheme) {
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    for (size_t index : motiveIndices) {
        if (index >= addresses.size()) {
            continue;
        }
        const TMotiveAndListenerPair previous = previousMotiveAt(period, index);
        TMotive& motive = period.motiveAt(addresses[index]);
        selectChords(motive, previous.motive, previous.kind, scheme);
        motive.updateChording();
    }
}

void harmonizeEveryMotive(TPeriodData& period) {
    resetMotivicaRand();
    std::vector<size_t> all(period.motiveCount());
    std::iota(all.begin(), all.end(), size_t{0});
    harmonizePeriod(period, all, TScheme());
}
