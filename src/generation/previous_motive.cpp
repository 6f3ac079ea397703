#include "generation/previous_motive.h"

#include <vector>

namespace {

TMotiveAndListenerPair complete(const TMotive& p, int kind) {
    TMotiveAndListenerPair pair;
    pair.motive = &p;
    pair.listener = p.listener();
    pair.kind = kind;
    return pair;
}

TMotiveAndListenerPair none() {
    return TMotiveAndListenerPair{};
}

}  // namespace

int sentenceCode(size_t sentenceIndex) {
    return static_cast<int>(sentenceIndex % 4) + 1;
}

TMotiveAndListenerPair previousMotiveAt(const TPeriodData& period, size_t index) {
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    if (index >= addresses.size()) {
        return none();
    }
    const TMotive& m = period.motiveAt(addresses[index]);
    if (index == 0) {
        TMotiveAndListenerPair pair;
        pair.kind =
            m.anacrusis != 0 ? PREVIOUS_FIRST_WITH_ANACRUSIS : PREVIOUS_FIRST_WITHOUT_ANACRUSIS;
        return pair;
    }
    const TMotive& p = period.motiveAt(addresses[index - 1]);
    const bool sameSentence =
        sentenceCode(addresses[index].sentence) == sentenceCode(addresses[index - 1].sentence);
    if (sameSentence) {
        return p.hasAllChords() ? complete(p, PREVIOUS_SAME_SENTENCE) : none();
    }
    if (m.anacrusis == 0 || !p.hasAllChords()) {
        return none();
    }
    return complete(p, PREVIOUS_OTHER_SENTENCE);
}

TMotiveAndListenerPair previousMotive(const TPeriodData& period, const TMotive& m,
                                      const TMotive* selected) {
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    for (size_t i = 0; i < addresses.size(); ++i) {
        if (&period.motiveAt(addresses[i]) == &m) {
            return previousMotiveAt(period, i);
        }
    }
    if (selected == nullptr || !selected->hasAllChords()) {
        return none();
    }
    for (size_t i = 0; i < addresses.size(); ++i) {
        if (&period.motiveAt(addresses[i]) != selected) {
            continue;
        }
        const bool lastOfSentence =
            i + 1 < addresses.size() && addresses[i + 1].sentence != addresses[i].sentence;
        if (lastOfSentence) {
            return m.anacrusis == 0 ? none() : complete(*selected, PREVIOUS_OTHER_SENTENCE);
        }
        break;
    }
    return complete(*selected, PREVIOUS_SAME_SENTENCE);
}
