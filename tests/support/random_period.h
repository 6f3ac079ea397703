#pragma once

#include <optional>
#include <vector>

#include "generation/chord_selection.h"
#include "generation/random.h"
#include "harmony/chord.h"
#include "model/period_data.h"
#include "templates/phrase_letter.h"

// Random periods in every key, meter and anacrusis the program offers, with notes and rests of
// any length on the sixteenth grid (tied over bar lines too) and chords arranged or not, some
// held over the bar line.
inline TPeriodData randomPeriod(int round) {
    const TMeasure meters[] = {TMeasure(2, QUARTER), TMeasure(3, QUARTER), TMeasure(2, EIGHTH),
                               TMeasure(3, EIGHTH)};
    const TMeasure meter = meters[motivicaRand() % 4];
    const int32_t length = meter.measureLength();
    const DURATION anacrusis =
        motivicaRand() % 2 == 0 ? 0 : DURATION(30 * (1 + motivicaRand() % (length / 30 - 1)));
    const TKey key(motivicaRand() % 15 - 7, uint8_t(motivicaRand() % 2));
    std::vector<int> phrases;
    std::vector<int> motives;
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int s = 0, n = 1 + motivicaRand() % 3; s < n; ++s) {
        phrases.push_back(1 + motivicaRand() % 2);
        for (int p = 0; p < phrases.back(); ++p) {
            motives.push_back(1 + motivicaRand() % 3);
            letters.push_back(COLORED_BOX_SUFFIX(motivicaRand() % PHRASE_LETTER_CODE_COUNT));
        }
    }
    TPeriodData period;
    period.buildFromLayout(phrases, motives, letters, key, meter, anacrusis,
                           50 + (round * 7) % 100);
    const std::vector<TChord> set = harmonySetChords();
    std::optional<TChord> last;
    for (const TMotiveAddress& address : period.motiveAddresses()) {
        TMotive& motive = period.motiveAt(address);
        for (int32_t t = motive.startTime(); t < motive.endTime();) {
            const int32_t room = motive.endTime() - t;
            const auto duration = DURATION(30 * (1 + motivicaRand() % (room / 30)));
            const int kind = motivicaRand() % 6;
            if (kind == 0)
                motive.notes.push_back(TNote(t, NO_PITCH, DURATION(-duration)));
            else if (kind != 1)
                motive.notes.push_back(TNote(t, motivicaRand() % PITCH_COUNT, duration));
            t += duration;
        }
        for (int k = 0; k < motive.measureCount() && motivicaRand() % 4 != 0; ++k) {
            TChord chord = set[size_t(motivicaRand()) % set.size()];
            chord.time = k * length;
            if (motivicaRand() % 3 != 0)
                chord.setVoicing(13 + motivicaRand() % 22, 10 + motivicaRand() % 15,
                                 5 + motivicaRand() % 15, motivicaRand() % 14);
            // an up-beat often repeats the chord sounding before it, which is then held over
            if (k == 0 && anacrusis != 0 && last && motivicaRand() % 2 == 0)
                chord = *last;
            motive.chords.push_back(chord);
        }
        last.reset();
        if (!motive.chords.empty())
            last = motive.chords.back();
        motive.updateSharps();
    }
    return period;
}
