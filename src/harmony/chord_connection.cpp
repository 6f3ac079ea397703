#include "harmony/chord_connection.h"

#include <algorithm>

TChordConnection::TChordConnection(const TChord* previous, const TChord* beforePrevious) {
    if (previous == nullptr || !previous->hasCompleteVoicing()) {
        return;
    }
    hasPrevious_ = true;
    previous_ = previous->voicing();
    previousBassRose_ = beforePrevious != nullptr && isValidPitch(beforePrevious->bass) &&
                        previous->bass > beforePrevious->bass;
}

int32_t TChordConnection::low() const {
    return hasPrevious_ ? std::max(previous_[0] - 7, SOPRANO_LOW) : SOPRANO_LOW;
}

int32_t TChordConnection::high() const {
    return hasPrevious_ ? std::min(previous_[0] + 7, SOPRANO_HIGH) : SOPRANO_HIGH;
}

int32_t TChordConnection::targetSoprano() const {
    return hasPrevious_ ? previous_[0] : SOPRANO_TARGET;
}

TMotionFlags TChordConnection::arrangeCandidate(TChord& chord, const TKey& key) const {
    chord.buildArrangements(key, low(), high());
    if (hasPrevious_) {
        return chord.checkConnection(previous_, key, low(), high());
    }
    // with nothing before it, no move of the soprano is ruled out
    TMotionFlags open;
    open.fill(true);
    return open;
}

std::vector<TMotionFlags> TChordConnection::arrangeCandidates(std::vector<TChord>& candidates,
                                                              const TKey& key) const {
    std::vector<TMotionFlags> kept;
    std::erase_if(candidates, [&](TChord& chord) {
        const TMotionFlags flags = arrangeCandidate(chord, key);
        if (!hasSopranoMove(flags)) {
            return true;
        }
        kept.push_back(flags);
        return false;
    });
    return kept;
}

bool TChordConnection::voice(TChord& chord) const {
    return chord.chooseArrangement(targetSoprano(), bassContext());
}
