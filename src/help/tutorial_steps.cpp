#include "help/tutorial_steps.h"

#include "model/period_data.h"

std::optional<TTutorialPlay> tutorialPlay(const TPeriodData& period, const TTutorialStep& step) {
    if (step.motive < 0)
        return std::nullopt;
    size_t motive = 0;
    size_t phrase = 0;
    for (size_t s = 0; s < period.sentences.size(); ++s) {
        for (const TPhraseData& p : period.sentences[s].phrases) {
            if (size_t(step.motive) < motive + p.motives.size())
                return TTutorialPlay{size_t(step.motive), phrase, s};
            motive += p.motives.size();
            ++phrase;
        }
    }
    return std::nullopt;
}
