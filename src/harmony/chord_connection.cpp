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

bool TChordConnection::arrangeCandidate(TChord& chord, const TKey& key) const {
    chord.buildArrangements(key, low(), high());
    if (hasPrevious_) {
        chord.checkConnection(previous_, key, low(), high());
    }
    chord.setConnectionContext(previousBass(), previousBassRose_);
    return chord.hasSopranoMove();
}

void TChordConnection::arrangeCandidates(std::vector<TChord>& candidates, const TKey& key) const {
    std::erase_if(candidates, [&](TChord& chord) { return !arrangeCandidate(chord, key); });
}

bool TChordConnection::voice(TChord& chord) const {
    chord.setConnectionContext(previousBass(), previousBassRose_);
    return chord.chooseArrangement(targetSoprano());
}
